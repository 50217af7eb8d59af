#pragma once

#include <QByteArray>
#include <QString>

/// A Windows-1251 buffer that text is encoded straight into, one "?" for each character the
/// code page lacks (a pair of surrogates is one character), counting those characters.
class AnsiOutput {
public:
    /// Room for about this many bytes is taken at once.
    explicit AnsiOutput(qsizetype expected = 0);

    void Append(QStringView text);
    /// Bytes already in Windows-1251, with the count of characters replaced in them.
    void Append(QByteArrayView bytes, qsizetype replaced = 0);

    /// The characters replaced by "?" so far.
    qsizetype Replaced() const { return m_replaced; }
    /// The bytes written; the buffer is empty afterwards.
    QByteArray Take();

private:
    char* Room(qsizetype size);

    QByteArray m_bytes;
    qsizetype m_used = 0;
    qsizetype m_replaced = 0;
};
