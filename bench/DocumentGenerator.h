#pragma once

#include <QByteArray>
#include <QString>

/// Writes payment documents like the shipped examples, about 2 KB each, for the benchmarks.
class DocumentGenerator {
public:
    /// The text of document number i; the same i always gives the same document.
    static QByteArray Document(int i);
    /// Writes count documents into folder/documents and the same files into folder/documents.zip.
    static bool Write(const QString& folder, int count);
};
