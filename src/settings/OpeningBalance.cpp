#include "OpeningBalance.h"

#include "INIStorage.h"

QString OpeningBalanceKey()
{
    return QStringLiteral("OpeningBalance");
}

QString ReadOpeningBalance(const INIStorage& settings)
{
    return settings.ReadVal(1, OpeningBalanceKey(), QStringLiteral("0.00")).toString().trimmed();
}
