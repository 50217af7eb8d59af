#pragma once

#include <QString>

/// The short usage text of vypiska-cli.
QString UsageText();
/// Prints the message and the usage on stderr; returns the usage-error exit status 2.
int UsageError(const QString& message);
/// The configuration folder beside the executable.
QString DefaultConfigFolder();
