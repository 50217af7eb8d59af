#pragma once

#include <QStringList>

/// "vypiska-cli export PATH --template T --out FILE [--date D] [--config DIR]": reads PATH as
/// `read` does, every row checked, and writes the rows through template T into FILE. Returns the
/// exit status.
int ExportCommand(const QStringList& arguments);
