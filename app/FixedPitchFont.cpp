#include "app/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

QFont WithFixedPitch(QFont font)
{
    font.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(font).fixedPitch())
        return font;
    font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    if (QFontInfo(font).fixedPitch())
        return font;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family)) {
            font.setFamily(family);
            break;
        }
    }
    return font;
}
