#pragma once

#include <QDateTime>
#include <QString>

/// What an export takes besides the table and the template.
struct ExportContext {
    /// The statement's creation moment: {MakeDate} and {MakeTime}.
    QDateTime timestamp;
    /// The organisation's account, {ACC}: debits and credits are relative to it.
    QString account;
    /// The account's balance before the exported documents, as the settings hold it.
    QString openingBalance = QStringLiteral("0.00");
};
