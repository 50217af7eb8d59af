#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

/// Writes a date and time through a template's pattern. Tokens, in any letter case: d dd (day),
/// ddd dddd (day name), M MM (month), MMM MMMM (month name), y (day of the year), yy yyyy (year),
/// h hh (hour 0-23), n nn (minute), m mm (minute right after an hour token, with only other
/// characters between; month otherwise), s ss (second). Every other character is copied.
class DatePattern {
public:
    static QString Format(const QDate& date, const QTime& time, QStringView pattern,
                          const QLocale& locale = QLocale());
};
