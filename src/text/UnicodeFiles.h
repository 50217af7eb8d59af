#pragma once

#include <QString>

/// Whole text files read and written in one call, by three routes: a text stream in a chosen
/// encoding, raw UTF-16LE with an optional byte-order mark, and raw UTF-16LE without one.
class UnicodeFiles {
public:
    /// The whole file through a text stream in the triState encoding (-2 Windows-1251, -1 UTF-16LE
    /// with a mark, 0 ASCII). A missing or unreadable file raises TextCoderError.
    static QString UnicodeFile_Read_FSO(const QString& sFileName, qint32 triState);
    /// Writes the text through a text stream, replacing the content (forWrite 2) or appending to
    /// it (8); a missing file is created. A failure raises TextCoderError.
    static void UnicodeFile_Write_FSO(const QString& sFileName, const QString& sText,
                                      qint32 forWrite, qint32 triState);
    /// The file's bytes as UTF-16LE; with bRemoveBOM, a text that begins with U+FEFF loses every
    /// U+FEFF. Never raises: a missing or unreadable file gives empty text.
    static QString UnicodeFile_Read_VB(const QString& sFileName, bool bRemoveBOM);
    /// Replaces the file with the optional mark FF FE and the text as UTF-16LE. The content goes to
    /// a temporary file beside it first, so a failure raises TextCoderError and keeps the old file.
    static void UnicodeFile_Write_VB(const QString& sFileName, const QString& sText,
                                     bool bInsertBOM);
    /// The file's bytes as UTF-16LE, a mark included. A missing file raises TextCoderError; one
    /// that cannot be opened gives empty text.
    static QString UnicodeFile_Read_API(const QString& sFileName);
    /// Replaces the file's content with the text as UTF-16LE, without a mark. False on failure.
    static bool UnicodeFile_Write_API(const QString& sFileName, const QString& sText);
};
