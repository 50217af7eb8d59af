#pragma once

#include "ProgramFileText.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

/// One INI file's bytes, read and edited line by line so that a hand-made layout, comments and
/// other sections survive a write unchanged. Names match without regard to case; text is
/// Windows-1251, or UTF-8 as ProgramFileText detects it, and stays so.
class IniText {
public:
    /// The longest value a read returns; longer stored values are cut to it.
    static constexpr qsizetype kMaxValueLength = 254;

    explicit IniText(const QByteArray& bytes = {});

    /// The value of key in section, blanks around it removed and cut to kMaxValueLength
    /// characters; empty when the section or key is missing.
    std::optional<QString> Value(const QString& section, const QString& key) const;
    /// Replaces the value of the key in place, or adds the key at the end of its section, or adds
    /// the section at the end of the text. A replaced line keeps its ending; added lines end as
    /// the first line does (CR LF in a new file).
    void SetValue(const QString& section, const QString& key, const QString& value);

    QByteArray Bytes() const;

private:
    struct Line {
        QByteArray content;
        QByteArray ending;
    };

    std::optional<qsizetype> FindKey(const QString& section, const QString& key) const;
    std::optional<qsizetype> FindSection(const QString& section) const;
    void InsertLine(qsizetype at, const QByteArray& content);
    QString Text(QByteArrayView bytes) const;
    QByteArray Encoded(const QString& text) const;

    ProgramFileText::Encoding m_encoding;
    QByteArray m_lineEnd = QByteArrayLiteral("\r\n");
    QList<Line> m_lines;
};
