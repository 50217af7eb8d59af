#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// "vypiska-cli words AMOUNT": prints the amount in Russian words. Returns the exit status.
int WordsCommand(const QStringList& arguments);

/// Ten-thousandths of an amount written as digits with "." or "," before the fraction; fraction
/// digits beyond the fourth are dropped. Empty for anything else, a sign included, and for
/// amounts outside the 64-bit range.
std::optional<qint64> ParseWordsAmount(const QString& text);
