#pragma once

#include <QByteArrayView>
#include <QString>

/// Code page 866, the OEM code page in which Russian Windows writes names into ZIP archives.
class Cp866Codec {
public:
    /// The text of single-byte CP866 bytes; every byte has a character.
    static QString Decode(QByteArrayView bytes);
};
