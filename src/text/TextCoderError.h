#pragma once

#include <QString>
#include <stdexcept>

/// The one error the text toolkit raises: a number and a description, as its callers expect them.
class TextCoderError : public std::runtime_error {
public:
    TextCoderError(qint32 number, const QString& description);

    qint32 number() const { return m_number; }
    QString description() const { return m_description; }

    /// The error for an argument outside the range a method accepts.
    static TextCoderError InvalidArgument();

private:
    qint32 m_number;
    QString m_description;
};
