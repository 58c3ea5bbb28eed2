#pragma once
// Input masks of the editors where positions are typed (route grid, point list): 9 a digit that
// must be typed, 0 one that may stay blank, A a letter, > what follows in capitals; every other
// character stays in its place. The editor's shown text keeps its blanks, so degrees (characters
// 2-3 of a latitude, 1-3 of a longitude), minutes (6-7), thousandths (9-11) and the hemisphere
// letter (14) stay where the position parsers read them (RouteCellText.h).

#include <QString>

inline QString LatitudeEditMask()
{
    return QStringLiteral(" 09\u00B0 09.000' >A");
}

inline QString LongitudeEditMask()
{
    return QStringLiteral("009\u00B0 09.000' >A");
}
