#pragma once

#include "ConfigFolders.h"

#include <QString>

class CommandLine;

/// The short usage text of vypiska-cli.
QString UsageText();
/// The usage text and where the configuration files are looked for, as --help prints it.
QString HelpText();
/// Prints the message and the usage on stderr; returns the usage-error exit status 2.
int UsageError(const QString& message);
/// The configuration folder beside the executable.
QString DefaultConfigFolder();
/// The folder given with --config alone, or the program's and the user's configuration folders.
ConfigFolders CommandConfig(const CommandLine& line);
