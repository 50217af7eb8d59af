#include "UserLocale.h"

QLocale UserLocale()
{
    return QLocale(QLocale::Russian, QLocale::Russia);
}

void InstallUserLocale()
{
    // Under a desktop in another language "15000.50" would be exported as 1500050 where the point
    // groups digits, "05.03.24" read with the year first, and files would differ by machine.
    QLocale::setDefault(UserLocale());
}
