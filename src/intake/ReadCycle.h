#pragma once

#include "DocumentParser.h"
#include "StatusMessage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class DocumentTableModel;

/// Turns an input path into the rows of the document table and says how it went.
class ReadCycle {
public:
    /// Called where a long read lets the window catch up: documents done and in all (while an
    /// archive is extracted, its file entries); a total of 0 means not known yet.
    using Yield = std::function<void(qsizetype done, qsizetype total)>;

    explicit ReadCycle(DocumentTableModel& table, Yield yield = {});

    /// Removes all rows and reads the path by its kind: an existing folder, else by extension one
    /// XML document, a ZIP archive, or (no extension) a folder; anything else reads nothing.
    StatusMessage Run(const QString& path);
    /// Appends the rows of the folder's own "*.xml" documents; sub-folders are not entered.
    void ReadFolder(const QString& folder);
    /// Appends the rows of the "*.xml" documents at the top of an archive, extracted into a fresh
    /// private temporary folder that is removed afterwards, also when the read throws.
    void ReadArchive(const QString& archive);
    /// The files of the last run that could not be read at all, apart from documents that were
    /// read and dropped: vanished, not regular, too large, failed to read or to be extracted, and
    /// an existing archive that cannot be opened.
    qsizetype UnreadableCount() const { return m_unreadable; }

    /// The paths of a folder's visible files named "*.xml" in any case (regular or not, so that
    /// the ones that cannot be read are counted), ordered by name without regard to case.
    static QStringList ListDocuments(const QString& folder);
    /// Where archives are extracted: "TEMP" without separators at its end, or the system's
    /// temporary folder when it is empty.
    static QString TemporaryRoot();

    static QString ProgressText() { return QStringLiteral("Обработка ..."); }
    /// "Успешно прочитано 3 документа в '<path>'" with the endings the count takes, followed by
    /// "; не удалось прочитать 2 файла" when files could not be read.
    static QString SuccessText(qint64 count, const QString& path, qint64 unreadable = 0);
    /// "Не найдено совместимых документов в '<path>'", followed by the files that could not be
    /// read as in SuccessText.
    static QString NothingFoundText(const QString& path, qint64 unreadable = 0);
    /// Says that an archive was not read because the temporary folder cannot be used.
    static QString TemporaryFolderText(const QString& archive, const QString& folder);

private:
    DocumentParser& Parser();
    void ReadDocument(const QString& path);
    void Flush();
    void Pause(qsizetype done, qsizetype total);

    DocumentTableModel& m_table;
    Yield m_yield;
    std::optional<DocumentParser> m_parser;
    qsizetype m_unreadable = 0;
    // Why the run read nothing when it was not the documents' fault.
    QString m_failure;
    // Rows reach the table in batches: one insertion per document would make long reads slow.
    QList<DocumentRow> m_pending;
};
