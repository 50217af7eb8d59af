#pragma once

#include "ExportOutcome.h"
#include "StatusMessage.h"
#include "TemplateEntry.h"

#include <QList>
#include <QString>
#include <QStringList>

/// The export templates of the configuration folders, "*.tpl" in any letter case ordered by name,
/// as the save command offers them for the file types of its save dialog. Where two folders hold
/// a template of the same name, the earlier folder's comes first.
class TemplateList {
public:
    explicit TemplateList(const QString& configFolder);
    explicit TemplateList(const QStringList& folders);

    const QList<TemplateEntry>& Entries() const { return m_entries; }
    /// The path of template index (counted from 0).
    QString Path(qsizetype index) const;
    /// "title (*.ext)" per template, in list order: filter k belongs to template k. A template
    /// that a like-named one of an earlier folder shadows says so in its title, so that the two
    /// can be told apart.
    QStringList NameFilters() const;
    /// The name filters joined with ";;", as one filter text.
    QString Filter() const;
    /// The extension of the last template; empty when there is none.
    QString OutputExtension() const;
    /// The unique part of the input's file name with the output extension: "0a1b-77.csv".
    QString ProposedName(const QString& inputPath) const;

    /// "Документ успешно сохранен в '<path>'", plural when the table has more than one row, in
    /// green; then what the outcome says the user should know: an account that is not set, an
    /// opening balance that is no amount, characters written as "?", placeholders not filled.
    static StatusMessage SuccessMessage(qint64 rowCount, const QString& path,
                                        const ExportOutcome& outcome = {});
    /// "Ошибка! Не удалось сохранить файл!" in red, followed by the reason when there is one.
    static StatusMessage FailureMessage(const QString& reason = {});

private:
    bool Shadowed(qsizetype index) const;

    QList<TemplateEntry> m_entries;
};
