#pragma once

#include <QLocale>

/// The locale every number, amount and date of the program follows: Russian (Russia), whatever
/// the system's language and LANG or LC_* say, since the program is for Russian payment
/// documents in roubles and speaks Russian anyway.
QLocale UserLocale();

/// Makes UserLocale() the default of every locale-aware routine; both executables call it first.
void InstallUserLocale();
