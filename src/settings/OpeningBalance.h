#pragma once

#include <QString>

class INIStorage;

/// The key of the account's opening balance in section 1 ("Organization") of CONFIG.INI, next to
/// the account "ACC"; the value is an amount with a point and two decimals, such as "-1500.00".
QString OpeningBalanceKey();

/// The stored opening balance, trimmed; "0.00" when it was never set.
QString ReadOpeningBalance(const INIStorage& settings);
