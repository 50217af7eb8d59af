#pragma once

#include <QStringView>

/// True when the text is a complete taxpayer number, 10 or 12 digits, whose check digits are
/// wrong; false for a correct number and for anything incomplete or not made of digits.
bool InnCheckFails(QStringView inn);
