#pragma once
// The long date and the short time that files and readouts write ("dddddd" and "t"), by one
// fixed rule whatever the machine's locale, so that a file reads the same on every station:
// the long date as US English writes it, "Tuesday, March 5, 2024", and the time on the 24-hour
// clock, "14:07". Windows-1252 texts.

#include <string>

class QDateTime;

std::string LongDateText(const QDateTime& moment);
// "dddddd  t": the long date, two blanks, the short time.
std::string LongDateShortTimeText(const QDateTime& moment);
