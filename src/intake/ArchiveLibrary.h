#pragma once

#include <QString>

/// The version of the ZIP library the program reads archives with.
QString ArchiveLibraryVersion();
