#include "chart/OverlayFont.h"

#include <QStringList>

#include <optional>

namespace {

constexpr int32_t FirstLargeTextSize = 4;
constexpr int32_t SmallFontExtraPoints = 5;
constexpr int32_t LargeFontExtraPoints = 3;

const QString SmallFamily = QStringLiteral("SmallFonts");
const QString LargeFamily = QStringLiteral("MS Sans Serif");

// Neither family exists outside Windows: the first of these faces that is installed is drawn
// instead, for both.
void SubstituteFamilies()
{
    static const bool substituted = [] {
        const QStringList standIns = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                      QStringLiteral("Noto Sans"), QStringLiteral("FreeSans"),
                                      QStringLiteral("Sans Serif")};
        QFont::insertSubstitutions(SmallFamily, standIns);
        QFont::insertSubstitutions(LargeFamily, standIns);
        return true;
    }();
    (void)substituted;
}

}  // namespace

QFont ChartOverlayFont(int32_t textSize)
{
    SubstituteFamilies();
    // Every label asks for the font: the last one made is kept.
    static std::optional<int32_t> madeFor;
    static QFont made;
    if (madeFor != textSize) {
        made = textSize < FirstLargeTextSize ? QFont(SmallFamily, textSize + SmallFontExtraPoints)
                                             : QFont(LargeFamily, textSize + LargeFontExtraPoints);
        madeFor = textSize;
    }
    return made;
}
