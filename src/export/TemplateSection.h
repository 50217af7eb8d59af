#pragma once

#include "ColumnNames.h"
#include "TemplatePiece.h"

#include <QList>
#include <QString>
#include <QStringList>

/// Which of a template's sections a text is: each fills its own placeholders.
enum class SectionKind { Header, Document, Footer };

/// A template section cut once into pieces, so that every value is inserted once and literally
/// and never searched for placeholders again. The header fills {MakeDate}, {MakeTime} and {ACC},
/// the document block one {name} per name of a column; every section takes the directives
/// written "{=" word [argument] "}" (the document block also {=amount name} and the conditions
/// {=debit}, {=credit}, {=if name} up to {=end}). A name is matched in any letter case; anything
/// else in braces stays as it is written.
class TemplateSection {
public:
    TemplateSection(QStringView text, SectionKind kind, const ColumnNames& names);

    const QList<TemplatePiece>& Pieces() const { return m_pieces; }
    QList<TemplatePiece>& Pieces() { return m_pieces; }
    /// What the section asks for and nothing fills, each once, in order of appearance: names no
    /// column carries in the document block, directives that are not understood anywhere.
    const QStringList& Unfilled() const { return m_unfilled; }

private:
    bool TakePlaceholder(QStringView inner);
    bool TakeDirective(QStringView body);
    bool TakeTotal(const QString& word, QStringView argument);
    bool TakeCondition(const QString& word, QStringView argument);
    bool TakeAmount(const QString& word, QStringView argument);
    int ColumnOf(QStringView name) const;
    void AddText(QStringView text);
    void Add(const TemplatePiece& piece);
    void Report(const QString& text);

    SectionKind m_kind;
    const ColumnNames& m_names;
    QList<TemplatePiece> m_pieces;
    QStringList m_unfilled;
    // The conditions not yet ended, innermost last.
    QList<qsizetype> m_open;
};
