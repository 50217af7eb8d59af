#pragma once

#include <QStringList>

/// "vypiska-cli read PATH [--config DIR] [--format tsv|json]": reads PATH as the window does and
/// prints its rows. Returns the exit status.
int ReadCommand(const QStringList& arguments);
