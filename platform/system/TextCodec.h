#pragma once
// Texts of files and records are single-byte Windows-1252; Qt works in Unicode. Convert only at
// the Qt boundary, through these two functions.

#include <QString>
#include <string>

namespace platform {

QString FromCp1252(const std::string& text);
// Characters that Windows-1252 cannot hold become '?'.
std::string ToCp1252(const QString& text);

}  // namespace platform
