// Decodes arbitrary text as Base64 and checks that what decodes encodes back to the same bytes.
#include "Base64Codec.h"
#include "TextCoderError.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (Base64Codec::Base64Decode(Base64Codec::Base64Encode2(bytes, qint32(bytes.size()))) != bytes)
        std::abort();
    try {
        const QByteArray decoded = Base64Codec::Base64Decode(QString::fromLatin1(bytes));
        const QString again = Base64Codec::Base64Encode2(decoded, qint32(decoded.size()));
        if (Base64Codec::Base64Decode(again) != decoded)
            std::abort();
    } catch (const TextCoderError& error) {
        if (error.number() != Base64Codec::kDecodeErrorNumber)
            std::abort();
    }
    return 0;
}
