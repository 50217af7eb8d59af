#include "ConsoleOutput.h"

#include <cstdio>

namespace {

void Write(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

void ConsoleOutput::Out(const QString& text)
{
    Write(stdout, text);
}

void ConsoleOutput::Err(const QString& text)
{
    Write(stderr, text);
}

void ConsoleOutput::Error(const QString& message)
{
    Err(QStringLiteral("vypiska-cli: error: ") + message + QLatin1Char('\n'));
}
