#include "TextCoderError.h"

TextCoderError::TextCoderError(qint32 number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

TextCoderError TextCoderError::InvalidArgument()
{
    return TextCoderError(5, QStringLiteral("Invalid procedure call or argument"));
}
