#include "ArchiveLibrary.h"

#include <zip.h>

QString ArchiveLibraryVersion()
{
    return QString::fromLatin1(zip_libzip_version());
}
