#pragma once

#include <QFile>
#include <QString>

/// A text file opened for one whole reading, replacing or appending, in one of three encodings:
/// the ANSI code page (Windows-1251), UTF-16LE with a byte-order mark, or ASCII. Every failure
/// raises TextCoderError naming the file and the operation that failed.
class TextStreamFile {
public:
    enum Mode : qint32 { ForReading = 1, ForWriting = 2, ForAppending = 8 };
    enum Format : qint32 { TristateUseDefault = -2, TristateTrue = -1, TristateFalse = 0 };

    /// Opens the file in a mode and a format above. With create, writing or appending creates a
    /// missing file; a Unicode stream that starts an empty file writes the mark FF FE first.
    TextStreamFile(const QString& path, qint32 mode, bool create, qint32 format);

    /// The whole content as text; a leading mark of a Unicode stream is not part of it, and a
    /// byte above 0x7F of an ASCII stream reads as "?".
    QString ReadAll();
    /// Writes the text in the stream's format; characters the format lacks are written as "?".
    void Write(const QString& text);
    /// Closes the file, raising when the data written cannot reach it.
    void Close();

private:
    void OpenForReading();
    void OpenForWriting();
    void WriteBytes(const QByteArray& bytes);
    QByteArray Encode(QStringView text) const;
    QString Decode(const QByteArray& bytes) const;

    QString m_path;
    qint32 m_mode;
    qint32 m_format;
    QFile m_file;
};
