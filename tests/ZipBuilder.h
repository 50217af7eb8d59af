#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <optional>
#include <sys/stat.h>
#include <zip.h>

/// One entry of a test archive; the name is stored byte for byte as given.
struct ZipEntry {
    enum Kind { File, Folder, Link, Encrypted, Stored };
    QByteArray name;
    QByteArray data;
    Kind kind = File;
};

/// Builds a ZIP archive at path with libzip; false when libzip refused an entry.
inline bool WriteZip(const QString& path, const QList<ZipEntry>& entries)
{
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    bool ok = true;
    for (const ZipEntry& entry : entries) {
        if (entry.kind == ZipEntry::Folder) {
            ok = zip_dir_add(archive, entry.name.constData(), ZIP_FL_ENC_GUESS) >= 0 && ok;
            continue;
        }
        zip_source_t* source =
            zip_source_buffer(archive, entry.data.constData(), zip_uint64_t(entry.data.size()), 0);
        const zip_int64_t index =
            zip_file_add(archive, entry.name.constData(), source, ZIP_FL_ENC_GUESS);
        if (index < 0) {
            zip_source_free(source);
            ok = false;
            continue;
        }
        const auto at = zip_uint64_t(index);
        if (entry.kind == ZipEntry::Link)
            zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(S_IFLNK | 0777) << 16);
        if (entry.kind == ZipEntry::Encrypted)
            ok = zip_file_set_encryption(archive, at, ZIP_EM_AES_256, "secret") == 0 && ok;
        if (entry.kind == ZipEntry::Stored)
            zip_set_file_compression(archive, at, ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return false;
    }
    return ok;
}

/// Rewrites the sizes that the local and central headers of the named entry claim; a size left
/// empty stays as it is. False when the entry is not found in both headers.
inline bool PatchEntrySizes(const QString& path, const QByteArray& name,
                            std::optional<quint32> compressed, std::optional<quint32> uncompressed)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    const auto put = [&](qsizetype at, std::optional<quint32> value) {
        for (int i = 0; value && i < 4; ++i)
            bytes[at + i] = char((*value >> (8 * i)) & 0xFF);
    };
    int found = 0;
    // Signature, then the offsets of the sizes and of the name in each kind of header.
    const struct {
        QByteArray signature;
        qsizetype sizes;
        qsizetype name;
    } headers[] = {{QByteArray("PK\x03\x04", 4), 18, 30}, {QByteArray("PK\x01\x02", 4), 20, 46}};
    for (const auto& header : headers) {
        for (qsizetype at = bytes.indexOf(header.signature); at >= 0;
             at = bytes.indexOf(header.signature, at + 1)) {
            if (bytes.mid(at + header.name, name.size()) != name)
                continue;
            put(at + header.sizes, compressed);
            put(at + header.sizes + 4, uncompressed);
            ++found;
            break;
        }
    }
    return found == 2 && file.seek(0) && file.write(bytes) == bytes.size();
}

/// Replaces every occurrence of a byte string in a file: the way to make archives that libzip
/// itself would not write (two entries with one name, damaged data, foreign extra fields).
inline bool PatchFile(const QString& path, const QByteArray& from, const QByteArray& to)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    file.close();
    if (!bytes.contains(from))
        return false;
    bytes.replace(from, to);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}
