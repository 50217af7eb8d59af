#include "UnicodeFiles.h"

#include "ReadWholeFile.h"
#include "TextCoderError.h"
#include "TextStreamFile.h"
#include "Utf16Le.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr QChar kMark(0xFEFF);

} // namespace

QString UnicodeFiles::UnicodeFile_Read_FSO(const QString& sFileName, qint32 triState)
{
    TextStreamFile stream(sFileName, TextStreamFile::ForReading, false, triState);
    const QString text = stream.ReadAll();
    stream.Close();
    return text;
}

void UnicodeFiles::UnicodeFile_Write_FSO(const QString& sFileName, const QString& sText,
                                         qint32 forWrite, qint32 triState)
{
    TextStreamFile stream(sFileName, forWrite, true, triState);
    stream.Write(sText);
    stream.Close();
}

QString UnicodeFiles::UnicodeFile_Read_VB(const QString& sFileName, bool bRemoveBOM)
{
    QString text = Utf16LeText(ReadWholeFile(sFileName).value_or(QByteArray()));
    if (bRemoveBOM && text.startsWith(kMark))
        text.remove(kMark);
    return text;
}

void UnicodeFiles::UnicodeFile_Write_VB(const QString& sFileName, const QString& sText,
                                        bool bInsertBOM)
{
    using Operation = TextCoderError::FileOperation;
    // A read-only file stays as it is, as it would if it had to be deleted and written anew.
    const QFileInfo target(sFileName);
    if (target.exists() && !target.isWritable())
        throw TextCoderError::FileFailed(Operation::OpenForWriting, sFileName,
                                         QStringLiteral("файл только для чтения"));
    QSaveFile file(sFileName);
    if (!file.open(QIODevice::WriteOnly))
        throw TextCoderError::FileFailed(Operation::OpenForWriting, sFileName, file.errorString());
    const QByteArray bytes =
        (bInsertBOM ? QByteArray("\xFF\xFE", 2) : QByteArray()) + Utf16LeBytes(sText);
    // The save file takes a short or failed write of its buffer for success and would move the
    // cut-off content into place, so the data are flushed and checked before the commit.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString report = file.errorString();
        file.cancelWriting();
        throw TextCoderError::FileFailed(Operation::Write, sFileName, report);
    }
    if (!file.commit())
        throw TextCoderError::FileFailed(Operation::Write, sFileName, file.errorString());
}

QString UnicodeFiles::UnicodeFile_Read_API(const QString& sFileName)
{
    const QFileInfo info(sFileName);
    if (!info.exists())
        throw TextCoderError::FileNotFound(sFileName);
    QFile file(sFileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Utf16LeText(file.read(info.size()));
}

bool UnicodeFiles::UnicodeFile_Write_API(const QString& sFileName, const QString& sText)
{
    QFile file(sFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = Utf16LeBytes(sText);
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
