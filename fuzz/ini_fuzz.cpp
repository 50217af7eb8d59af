// Reads arbitrary bytes as a settings file, writes a value into it and checks it reads back.
#include "IniText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IniText ini(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    ini.Value(QStringLiteral("Organization"), QStringLiteral("ACC"));
    const QString value = QStringLiteral("40702810938000012345");
    ini.SetValue(QStringLiteral("organization"), QStringLiteral("acc"), value);
    const IniText reread(ini.Bytes());
    if (reread.Value(QStringLiteral("Organization"), QStringLiteral("ACC")) != value)
        std::abort();
    return 0;
}
