#pragma once

#include <QStringList>

/// "vypiska-cli templates [--config DIR]": one line per export template with its file name,
/// title and output extension, separated by tabs. Returns the exit status.
int TemplatesCommand(const QStringList& arguments);
