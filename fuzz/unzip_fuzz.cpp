// Extracts an arbitrary archive and checks that everything written stays inside the destination
// and is an ordinary file or folder.
#include "FileSystemObject.h"
#include "Unzip.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QString Scratch()
{
    static QTemporaryDir dir(QStringLiteral("/dev/shm/unzip_fuzz-XXXXXX"));
    return dir.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QDir scratch(Scratch());
    const QString archive = scratch.filePath(QStringLiteral("in.zip"));
    const QString destination = scratch.filePath(QStringLiteral("out"));
    QFile file(archive);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    UnzipFile(archive, destination);
    QDirIterator it(destination, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        if (entry.isSymLink() || !entry.canonicalFilePath().startsWith(destination + QLatin1Char('/')))
            std::abort();
    }
    if (scratch.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size() > 2)
        std::abort();
    FileSystemObject::DeleteFolder(destination);
    return 0;
}
