#include "UserLocale.h"

#include <QLocale>

void InstallUserLocale()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    else
        QLocale::setDefault(system);
}
