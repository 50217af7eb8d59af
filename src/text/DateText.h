#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <optional>

/// A date, a time of day, or both, as read from a requisite's text.
struct DateTimeValue {
    std::optional<QDate> date;
    std::optional<QTime> time;
};

/// Recognises dates and times as the user's locale writes them and writes them back.
class DateText {
public:
    /// Reads a date in the locale's day-month-year order (".", "/" or "-" between the parts, a year
    /// of two or four digits) or year-month-day with four digits, optionally followed after a space
    /// or "T" by H:mm or H:mm:ss; or a time alone. Only real calendar dates are accepted.
    static std::optional<DateTimeValue> Parse(QStringView text, const QLocale& locale = QLocale());
    /// The locale's general form: short date, then the long time unless it is midnight; or the
    /// long time alone when there is no date.
    static QString GeneralForm(const DateTimeValue& value, const QLocale& locale = QLocale());
};
