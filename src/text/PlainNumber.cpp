#include "PlainNumber.h"

#include <QList>

namespace {

bool IsMark(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Groups of three digits after a first group of one to three, between the marks at the positions.
bool GroupsOfThree(qsizetype length, const QList<qsizetype>& marks)
{
    qsizetype from = 0;
    for (const qsizetype mark : marks) {
        const qsizetype group = mark - from;
        if (group < 1 || group > 3 || (from > 0 && group != 3))
            return false;
        from = mark + 1;
    }
    return length - from == 3;
}

} // namespace

std::optional<QString> PlainNumber::Read(QStringView text)
{
    const qsizetype start = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'));
    const QStringView body = text.mid(start);
    QList<qsizetype> marks;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (IsMark(body[i]))
            marks.append(i);
        else if (!IsDigit(body[i]))
            return std::nullopt;
    }
    if (body.size() == marks.size())
        return std::nullopt;
    qsizetype decimal = marks.isEmpty() ? -1 : marks.last();
    QList<qsizetype> groups = marks.mid(0, marks.size() - 1);
    if (marks.size() > 1 && body[marks.first()] == body[marks.last()]) {
        groups = marks;
        decimal = -1;
    }
    for (const qsizetype mark : groups) {
        if (body[mark] != body[groups.first()] || (decimal >= 0 && body[mark] == body[decimal]))
            return std::nullopt;
    }
    if (!groups.isEmpty() && !GroupsOfThree(decimal < 0 ? body.size() : decimal, groups))
        return std::nullopt;
    QString number = text.left(start).toString();
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (i == decimal)
            number += QLatin1Char('.');
        else if (!IsMark(body[i]))
            number += body[i];
    }
    return number;
}
