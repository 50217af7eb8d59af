#pragma once

#include <QByteArray>
#include <QString>

/// Writes payment documents for the benchmarks: like the shipped examples, about 2 KB each, or
/// bank-to-accounting direct exchange payment orders, about 1.6 KB each.
class DocumentGenerator {
public:
    /// The text of document number i; the same i always gives the same document.
    static QByteArray Document(int i);
    /// The text of direct exchange payment order number i, values in nested elements.
    static QByteArray PayDoc(int i);
    /// Writes count documents into folder/documents and the same files into folder/documents.zip;
    /// direct exchange payment orders when payDocs is set.
    static bool Write(const QString& folder, int count, bool payDocs = false);
};
