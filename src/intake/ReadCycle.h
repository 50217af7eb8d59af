#pragma once

#include "StatusMessage.h"

#include <QString>

class DocumentTableModel;

/// Turns an input path into the rows of the document table and says how it went.
class ReadCycle {
public:
    explicit ReadCycle(DocumentTableModel& table);

    /// Removes all rows, reads the path (an XML document) and returns the status text.
    StatusMessage Run(const QString& path);

    static QString ProgressText() { return QStringLiteral("Обработка ..."); }
    /// "Успешно прочитано 3 документа в '<path>'" with the endings the count takes.
    static QString SuccessText(qint64 count, const QString& path);
    /// "Не найдено совместимых документов в '<path>'".
    static QString NothingFoundText(const QString& path);

private:
    DocumentTableModel& m_table;
};
