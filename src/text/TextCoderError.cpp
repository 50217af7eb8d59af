#include "TextCoderError.h"

TextCoderError::TextCoderError(qint32 number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

TextCoderError TextCoderError::InvalidArgument()
{
    return TextCoderError(5, QStringLiteral("Invalid procedure call or argument"));
}

TextCoderError TextCoderError::FileNotFound(const QString& path)
{
    return TextCoderError(53, QStringLiteral("Не найден файл '%1'").arg(path));
}

TextCoderError TextCoderError::FileFailed(FileOperation operation, const QString& path,
                                          const QString& report)
{
    qint32 number = 57;
    QString what;
    switch (operation) {
    case FileOperation::OpenForReading:
        number = 75;
        what = QStringLiteral("Не удалось открыть файл '%1' для чтения");
        break;
    case FileOperation::OpenForWriting:
        number = 75;
        what = QStringLiteral("Не удалось открыть файл '%1' для записи");
        break;
    case FileOperation::Read:
        what = QStringLiteral("Не удалось прочитать файл '%1'");
        break;
    case FileOperation::Write:
        what = QStringLiteral("Не удалось записать файл '%1'");
        break;
    }
    QString description = what.arg(path);
    if (!report.isEmpty())
        description += QStringLiteral(": ") + report;
    return TextCoderError(number, description);
}
