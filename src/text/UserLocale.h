#pragma once

/// Makes the user's locale the default of every locale-aware routine: the system's locale, or
/// Russian (Russia) where the system has only the C/POSIX locale, since the program is made for
/// Russian systems.
void InstallUserLocale();
