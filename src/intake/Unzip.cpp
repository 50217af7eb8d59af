#include "Unzip.h"

#include "ArchiveTree.h"
#include "EntryName.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <zip.h>

// Trace lines for developers only, off unless enabled with QT_LOGGING_RULES.
Q_LOGGING_CATEGORY(lcUnzip, "vypiska.unzip", QtWarningMsg)

namespace {

constexpr size_t kChunk = 64 * 1024;

bool IsSymbolicLink(zip_t* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

bool IsEncrypted(zip_t* archive, zip_uint64_t index)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0)
        return true;
    return (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE;
}

zip_uint64_t ClaimedSize(zip_t* archive, zip_uint64_t index)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        return 0;
    return stat.size;
}

// The length the entry's path adds to the destination's, as the file system spells it.
qsizetype EncodedLength(const EntryPath& path)
{
    qsizetype length = 0;
    for (const QString& component : path.components)
        length += 1 + QFile::encodeName(component).size();
    return length;
}

bool IsDocumentName(const QString& name)
{
    return name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
}

bool IsTopLevelDocument(const EntryPath& path)
{
    return !path.isFolder && path.components.size() == 1 && IsDocumentName(path.components.first());
}

// Links and encrypted entries never reach the tree, nor do names that would leave the destination,
// nor paths longer than room: the walk could make those folder by folder, but nothing could
// remove them by their names afterwards.
ArchiveTree ReadTree(zip_t* archive, qsizetype room, UnzipReport& report)
{
    ArchiveTree tree;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = zip_uint64_t(i);
        const char* raw = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
        if (!raw)
            continue;
        const std::optional<EntryPath> path = EntryName::Split(EntryName::Decode(raw));
        if (!path)
            continue;
        if (IsSymbolicLink(archive, index) || IsEncrypted(archive, index) ||
            EncodedLength(*path) > room) {
            report.unwrittenDocuments += IsTopLevelDocument(*path) ? 1 : 0;
            continue;
        }
        tree.Add(*path, index);
    }
    return tree;
}

bool WriteAll(int target, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(target, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= size_t(written);
    }
    return true;
}

// A folder below another, created when missing; links are not followed, so a link planted in the
// destination cannot lead the walk elsewhere.
int OpenFolder(int parent, const QByteArray& name, bool followLink)
{
    if (::mkdirat(parent, name.constData(), 0777) != 0 && errno != EEXIST)
        return -1;
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW);
    return ::openat(parent, name.constData(), flags);
}

/// The walk over an archive's tree, writing each level into an open folder.
class Extraction {
public:
    Extraction(zip_t* archive, qsizetype total, const UnzipProgress& progress,
               const UnzipLimits& limits, UnzipReport& report)
        : m_archive(archive), m_buffer(kChunk), m_total(total), m_progress(progress),
          m_limits(limits), m_report(report)
    {
    }

    void StgExtract(const ArchiveElement& level, int folder, bool top);

private:
    bool ExtractFile(const ArchiveElement& file, int folder);
    bool WriteFile(const ArchiveElement& file, int folder, qint64 room);
    qint64 Copy(zip_file_t* source, int target, qint64 room);

    zip_t* m_archive;
    std::vector<char> m_buffer;
    qsizetype m_done = 0;
    qsizetype m_total;
    const UnzipProgress& m_progress;
    const UnzipLimits& m_limits;
    UnzipReport& m_report;
    // Every byte inflated so far, of the entries kept and of those that failed: an entry that
    // fails past its limit still cost the time and the disk, and an archive can name the same
    // oversize data many times over.
    qint64 m_inflated = 0;
};

void Extraction::StgExtract(const ArchiveElement& level, int folder, bool top)
{
    for (const ArchiveElement& element : level.elements) {
        // A one-character name is skipped, and a folder with everything in it.
        if (element.name.size() < 2)
            continue;
        if (!element.isFolder) {
            if (!ExtractFile(element, folder) && top && IsDocumentName(element.name))
                ++m_report.unwrittenDocuments;
            continue;
        }
        const int subFolder = OpenFolder(folder, QFile::encodeName(element.name), false);
        if (subFolder < 0) {
            qCDebug(lcUnzip) << "StgExtract.Failed to create directory" << element.name;
            continue;
        }
        StgExtract(element, subFolder, false);
        ::close(subFolder);
    }
}

// False when the entry was not written; an entry whose name is already taken counts as written.
bool Extraction::ExtractFile(const ArchiveElement& file, int folder)
{
    // An entry whose headers claim more than the room left is not even begun.
    const qint64 room = std::max<qint64>(0, std::min(m_limits.entry, m_limits.total - m_inflated));
    const bool written =
        ClaimedSize(m_archive, file.entry) <= zip_uint64_t(room) && WriteFile(file, folder, room);
    ++m_done;
    if (m_progress)
        m_progress(m_done, m_total);
    return written;
}

bool Extraction::WriteFile(const ArchiveElement& file, int folder, qint64 room)
{
    const QByteArray name = QFile::encodeName(file.name);
    // Exclusive creation leaves an existing file (or link) of that name untouched.
    const int target = ::openat(folder, name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (target < 0)
        return errno == EEXIST;
    zip_file_t* source = zip_fopen_index(m_archive, file.entry, 0);
    const qint64 written = source ? Copy(source, target, room) : -1;
    if (source)
        zip_fclose(source);
    // A damaged entry, one that inflates past its room or a full disk leaves no partial file.
    if (::close(target) != 0 || written < 0) {
        ::unlinkat(folder, name.constData(), 0);
        return false;
    }
    return true;
}

// The bytes written, or -1 on failure; the headers' sizes are not trusted, the room is. No more
// than one byte past the room is inflated, so that a failing entry costs the allowance little.
qint64 Extraction::Copy(zip_file_t* source, int target, qint64 room)
{
    qint64 written = 0;
    for (;;) {
        const auto wanted =
            zip_uint64_t(std::min<qint64>(qint64(m_buffer.size()), room - written + 1));
        const zip_int64_t read = zip_fread(source, m_buffer.data(), wanted);
        if (read < 0)
            return -1;
        if (read == 0)
            return written;
        written += read;
        m_inflated += read;
        if (written > room || !WriteAll(target, m_buffer.data(), size_t(read)))
            return -1;
    }
}

qsizetype TopLevelDocuments(const ArchiveElement& root)
{
    return std::count_if(root.elements.begin(), root.elements.end(), [](const ArchiveElement& e) {
        return !e.isFolder && IsDocumentName(e.name);
    });
}

} // namespace

bool UnzipFile(const QString& archivePath, const QString& destination,
               const UnzipProgress& progress, const UnzipLimits& limits, UnzipReport* report)
{
    UnzipReport unused;
    UnzipReport& counts = report ? *report : unused;
    if (destination.isEmpty() && archivePath.size() < 4)
        return false;
    const QString target = destination.isEmpty() ? archivePath.chopped(4) : destination;
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &error);
    if (!archive) {
        qCDebug(lcUnzip) << "UnzipFile.Failed to bind to storage" << archivePath;
        return false;
    }
    qCDebug(lcUnzip) << "UnzipFile.extract to" << target;
    // The longest path the system takes, less its terminating zero.
    const qsizetype room =
        PATH_MAX - 1 - QFile::encodeName(QFileInfo(target).absoluteFilePath()).size();
    const ArchiveTree tree = ReadTree(archive, room, counts);
    const int folder = OpenFolder(AT_FDCWD, QFile::encodeName(target), true);
    if (folder >= 0) {
        Extraction(archive, tree.FileCount(), progress, limits, counts)
            .StgExtract(tree.Root(), folder, true);
        ::close(folder);
    } else {
        qCDebug(lcUnzip) << "StgExtract.Failed to create directory" << target;
        counts.unwrittenDocuments += TopLevelDocuments(tree.Root());
    }
    zip_discard(archive);
    return true;
}
