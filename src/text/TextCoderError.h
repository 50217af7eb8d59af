#pragma once

#include <QString>
#include <stdexcept>

/// The one error the text toolkit raises: a number and a description, as its callers expect them.
class TextCoderError : public std::runtime_error {
public:
    /// The file operations whose failure the toolkit reports.
    enum class FileOperation { OpenForReading, OpenForWriting, Read, Write };

    TextCoderError(qint32 number, const QString& description);

    qint32 number() const { return m_number; }
    QString description() const { return m_description; }

    /// The error for an argument outside the range a method accepts.
    static TextCoderError InvalidArgument();
    /// The error for a file that does not exist (number 53).
    static TextCoderError FileNotFound(const QString& path);
    /// The error for a failed file operation, naming the file and carrying the platform's report:
    /// number 75 when the file cannot be opened, 57 when reading or writing it fails.
    static TextCoderError FileFailed(FileOperation operation, const QString& path,
                                     const QString& report);

private:
    qint32 m_number;
    QString m_description;
};
