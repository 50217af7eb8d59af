#pragma once

#include <QString>
#include <QStringList>

/// What an export wants its user told besides the file's name.
struct ExportOutcome {
    /// Characters Windows-1251 lacks, each written as "?".
    qsizetype replacedCharacters = 0;
    /// Placeholders and directives of the template that nothing filled, as written.
    QStringList unfilled;
    /// The template needs the organisation's account, and none is set.
    bool accountMissing = false;
    /// The opening balance in the settings is no amount; 0 was taken instead.
    bool openingUnreadable = false;
    /// Why the export failed, when it did.
    QString errorString;
};
