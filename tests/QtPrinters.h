#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Lets failing assertions show Qt strings as text instead of bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << '"' << bytes.toStdString() << '"';
}
