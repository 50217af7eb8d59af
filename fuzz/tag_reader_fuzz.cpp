// Feeds arbitrary document bytes through decoding and the tag reader, as a document read does.
#include "TagText.h"
#include "Utf8Text.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The first byte picks how long the searched name is, so names come from the input too.
    const qsizetype nameLength = size > 0 ? data[0] % 8 : 0;
    const QString text = Utf8Text::DecodeUTF8(bytes);
    const QString name = text.left(nameLength);
    const QString content = TagText::ReadTag(text, name);
    const QString made = TagText::MakeTag(name, content, 1);
    TagText::ReadTag(made, name);
    Utf8Text::EncodeUTF8(content);
    return 0;
}
