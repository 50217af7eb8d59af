#include "TextStreamFile.h"

#include "AnsiCodec.h"
#include "TextCoderError.h"
#include "Utf16Le.h"

#include <QFileInfo>

namespace {

using Operation = TextCoderError::FileOperation;

const QByteArray kMark("\xFF\xFE", 2);

bool IsMode(qint32 mode)
{
    return mode == TextStreamFile::ForReading || mode == TextStreamFile::ForWriting ||
           mode == TextStreamFile::ForAppending;
}

bool IsFormat(qint32 format)
{
    return format == TextStreamFile::TristateUseDefault || format == TextStreamFile::TristateTrue ||
           format == TextStreamFile::TristateFalse;
}

} // namespace

TextStreamFile::TextStreamFile(const QString& path, qint32 mode, bool create, qint32 format)
    : m_path(path), m_mode(mode), m_format(format), m_file(path)
{
    if (!IsMode(mode) || !IsFormat(format))
        throw TextCoderError::InvalidArgument();
    if ((mode == ForReading || !create) && !QFileInfo::exists(path))
        throw TextCoderError::FileNotFound(path);
    if (mode == ForReading)
        OpenForReading();
    else
        OpenForWriting();
}

void TextStreamFile::OpenForReading()
{
    if (!m_file.open(QIODevice::ReadOnly))
        throw TextCoderError::FileFailed(Operation::OpenForReading, m_path, m_file.errorString());
}

void TextStreamFile::OpenForWriting()
{
    const QIODevice::OpenMode how = m_mode == ForWriting ? QIODevice::Truncate : QIODevice::Append;
    if (!m_file.open(QIODevice::WriteOnly | how))
        throw TextCoderError::FileFailed(Operation::OpenForWriting, m_path, m_file.errorString());
    // Appending to a file that already holds text must not put a second mark in the middle.
    if (m_format == TristateTrue && m_file.size() == 0)
        WriteBytes(kMark);
}

QString TextStreamFile::ReadAll()
{
    if (m_mode != ForReading || !m_file.isOpen())
        throw TextCoderError::InvalidArgument();
    const QByteArray bytes = m_file.readAll();
    if (m_file.error() != QFileDevice::NoError)
        throw TextCoderError::FileFailed(Operation::Read, m_path, m_file.errorString());
    return Decode(bytes);
}

void TextStreamFile::Write(const QString& text)
{
    if (m_mode == ForReading || !m_file.isOpen())
        throw TextCoderError::InvalidArgument();
    WriteBytes(Encode(text));
}

void TextStreamFile::Close()
{
    if (!m_file.isOpen())
        return;
    if (m_mode != ForReading && !m_file.flush()) {
        const QString report = m_file.errorString();
        m_file.close();
        throw TextCoderError::FileFailed(Operation::Write, m_path, report);
    }
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        throw TextCoderError::FileFailed(Operation::Write, m_path, m_file.errorString());
}

void TextStreamFile::WriteBytes(const QByteArray& bytes)
{
    if (m_file.write(bytes) != bytes.size())
        throw TextCoderError::FileFailed(Operation::Write, m_path, m_file.errorString());
}

QByteArray TextStreamFile::Encode(QStringView text) const
{
    if (m_format == TristateUseDefault)
        return AnsiCodec::Encode(text);
    if (m_format == TristateTrue)
        return Utf16LeBytes(text);
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = text[i].unicode() < 0x80 ? char(text[i].unicode()) : '?';
    return bytes;
}

QString TextStreamFile::Decode(const QByteArray& bytes) const
{
    if (m_format == TristateUseDefault)
        return AnsiCodec::Decode(bytes);
    if (m_format == TristateTrue)
        return Utf16LeText(bytes.startsWith(kMark) ? QByteArrayView(bytes).sliced(2) : bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(static_cast<unsigned char>(bytes[i]) < 0x80 ? char16_t(bytes[i]) : u'?');
    return text;
}
