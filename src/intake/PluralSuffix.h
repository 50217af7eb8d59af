#pragma once

#include <QString>

/// The word with its Russian ending for a count: kind 0 for short participles ("прочитан"),
/// kind 1 for plural-only endings ("Документ", "сохранен"), kind 2 for nouns ("документ").
QString PluralSuffix(const QString& word, qint64 count, int kind);
