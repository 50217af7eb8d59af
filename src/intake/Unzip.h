#pragma once

#include <QString>
#include <functional>

/// How far an extraction has come: file entries handled, and file entries in the archive.
using UnzipProgress = std::function<void(qsizetype done, qsizetype total)>;

/// The most an extraction writes. Archives are read for documents of a few kilobytes: an entry that
/// inflates past its limit, whatever its headers claim, is a bomb rather than a document, and the
/// total, which counts every byte inflated whether its entry is kept or not, keeps an archive of
/// many such entries (or of one named many times) from filling the disk or taking hours.
struct UnzipLimits {
    qint64 entry = qint64(64) << 20;
    qint64 total = qint64(1) << 30;
};

/// What an extraction left undone that a reader of the archive's documents has to hear of.
struct UnzipReport {
    /// Files at the top of the archive named "*.xml" in any case that were not written: damaged,
    /// encrypted, links, past a limit, with too long a path or refused by the file system. A later
    /// entry of the same name as a written one is not counted: the first one stands for both.
    qsizetype unwrittenDocuments = 0;
};

/// Extracts a whole ZIP archive into the destination folder, or, when the destination is empty,
/// into the archive path less its last four characters. The destination folder is created when
/// missing, but not its parents. Silent: entries that cannot be written are passed over, an
/// existing file is never replaced (of two entries with the same path the first stays), names of
/// fewer than two characters are skipped with everything below them, and nothing is written
/// outside the destination. An entry that would take the extraction past one of its limits, or
/// whose path would be longer than the system takes, is passed over too; the report (when given)
/// counts the documents at the top that were passed over. False when the archive cannot be
/// opened; nothing is created then.
bool UnzipFile(const QString& archivePath, const QString& destination,
               const UnzipProgress& progress = {}, const UnzipLimits& limits = {},
               UnzipReport* report = nullptr);
