#include "app/ColourScheme.h"

#include "app/BarImages.h"
#include "app/ImageList2.h"
#include "app/ImageList3.h"
#include "app/SystemColours.h"
#include "app/TForm1.h"
#include "chart/OverlayColours.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

using ModeColours = std::array<uint32_t, DisplayModeCount>;

// The system colours by mode 0..4 (Windows colours 0x00BBGGRR), in the order of
// SavedSystemColourIndexes; the alternative night colours are below.
constexpr std::array<ModeColours, 21> SystemColourTable{{
    {0x0000FFFF, 0x0000FFFF, 0x0000BFBF, 0x00007F7F, 0x00007F7F},  // info background
    {0x00F0F0F0, 0x00C0C0C0, 0x00404040, 0x00202020, 0x00101010},  // window
    {0x00000000, 0x00000000, 0x00D0D0D0, 0x00A0A0A0, 0x000080A0},  // window text
    {0x00FFFFFF, 0x00E0E0E0, 0x00FFFFFF, 0x00808080, 0x00606060},  // caption text
    {0x00000000, 0x00000000, 0x00D0D0D0, 0x00A0A0A0, 0x000080A0},  // button text
    {0x00808080, 0x00808080, 0x00505050, 0x00202020, 0x00000000},  // window frame
    {0x00C0C0C0, 0x00B0B0B0, 0x00808080, 0x00484848, 0x00202020},  // 3D light
    {0x00FFFFFF, 0x00C0C0C0, 0x00A0A0A0, 0x00606060, 0x00303030},  // button highlight
    {0x00808080, 0x00707070, 0x00606060, 0x00202020, 0x00101010},  // button shadow
    {0x00C0C0C0, 0x00909090, 0x00505050, 0x00303030, 0x00202020},  // button face
    {0x00808080, 0x00686868, 0x00808080, 0x00484848, 0x00303030},  // grey text
    {0x00F0CAA6, 0x00F0F0F0, 0x00686868, 0x00505050, 0x00202020},  // highlight
    {0x00000000, 0x00000000, 0x00D0D0D0, 0x00008000, 0x00005000},  // highlight text
    {0x00B09000, 0x00A08000, 0x00806000, 0x00604000, 0x00403000},  // active caption
    {0x00B09000, 0x00A08000, 0x00806000, 0x00604000, 0x00403000},  // its gradient
    {0x00909090, 0x00707070, 0x00404040, 0x00202020, 0x00101010},  // inactive caption
    {0x00909090, 0x00707070, 0x00404040, 0x00202020, 0x00101010},  // its gradient
    {0x00C0C0C0, 0x00B0B0B0, 0x00808080, 0x00585858, 0x00202020},  // active border
    {0x00C0C0C0, 0x00B0B0B0, 0x00808080, 0x00585858, 0x00202020},  // inactive border
    {0x00FFFFFF, 0x00E0E0E0, 0x00FFFFFF, 0x00808080, 0x00606060},  // inactive caption text
    {0x00C0C0C0, 0x00B0B0B0, 0x00505050, 0x00303030, 0x00202020},  // application workspace
}};

constexpr size_t WindowTextRow = 2;
constexpr size_t ButtonTextRow = 4;
constexpr size_t ButtonFaceRow = 9;

// With the alternative night colours the texts of modes 2 to 4 turn green and amber, and the
// button face of mode 2 darker.
struct Alternative {
    size_t row;
    int32_t mode;
    uint32_t colour;
};
constexpr Alternative AlternativeNightColours[] = {
    {WindowTextRow, 2, 0x000080A0}, {WindowTextRow, 3, 0x00009000}, {WindowTextRow, 4, 0x00007000},
    {ButtonTextRow, 2, 0x000080A0}, {ButtonTextRow, 3, 0x00009000}, {ButtonTextRow, 4, 0x00007000},
    {ButtonFaceRow, 2, 0x00404040},
};

// UserColourTable entries 1..7 (red, blue, green, yellow, magenta, black, orange) by mode. Black
// is 0x00000001 by day and a grey that stays visible on the dark modes' background.
constexpr std::array<ModeColours, 7> UserColourModes{{
    {0x000000FF, 0x000000E0, 0x000000D0, 0x000000A0, 0x00000080},
    {0x00FF0000, 0x00E00000, 0x00F00000, 0x00A07000, 0x00806000},
    {0x0000A000, 0x0000D800, 0x0000C000, 0x00009000, 0x00006000},
    {0x0000F0FF, 0x0000D0E0, 0x0000E0F0, 0x000080A0, 0x00005070},
    {0x00FF00FF, 0x00E000E0, 0x00C000C0, 0x00A000A0, 0x00800080},
    {0x00000001, 0x00000001, 0x00C0C0C0, 0x00909090, 0x00606060},
    {0x0000B0FF, 0x0000A0E0, 0x000070D0, 0x00005090, 0x00003060},
}};

constexpr int SwatchSide = 20;
// The part of a swatch that goes into a colour glyph: (3, 3) up to (18, 18).
const QRect GlyphColourArea(3, 3, 15, 15);
constexpr int ColourGlyphCount = 6;  // the user colours 1..6; orange has none

// Entries of the symbol strip's palette that its colour rows are painted in, by user colour
// 1..6. The sixth row is the black symbols' row: it takes user colour 6 (near-black by day, a
// grey at night) like its swatch, not the caption text colour, which is white by day and would
// draw black symbols white on the day chart.
constexpr int StripPaletteEntries[] = {249, 252, 250, 245, 253, 248};

SystemColourSet SystemColoursOf(int32_t mode, bool alternative)
{
    SystemColourSet colours{};
    for (size_t row = 0; row < colours.size(); ++row)
        colours[row] = SystemColourTable[row][size_t(mode)];
    if (alternative)
        for (const Alternative& a : AlternativeNightColours)
            if (a.mode == mode)
                colours[a.row] = a.colour;
    return colours;
}

std::array<QLabel*, 7> Swatches(const TForm1& form)
{
    return {form.imgRed, form.imgBlue, form.imgGreen, form.imgYellow, form.imgMagenta, form.imgBlack, form.imgOrange};
}

void PaintSwatches(TForm1& form)
{
    const std::array<QLabel*, 7> swatches = Swatches(form);
    for (size_t k = 0; k < swatches.size(); ++k) {
        QPixmap swatch(SwatchSide, SwatchSide);
        swatch.fill(UserColour(int32_t(k) + 1));
        swatches[k]->setPixmap(swatch);
    }
}

// Images 54..59 of the symbol bar's list and 8..13 of the line bar's: the swatch's colour inside
// the frame of the line bar's first colour glyph.
void RecolourGlyphs(TForm1& form)
{
    const std::array<QLabel*, 7> swatches = Swatches(form);
    QImage glyph = form.ImageList3.image(FirstColourGlyph3);
    for (int k = 1; k <= ColourGlyphCount; ++k) {
        {
            QPainter painter(&glyph);
            painter.drawPixmap(GlyphColourArea, swatches[size_t(k) - 1]->pixmap(), GlyphColourArea);
        }
        form.ImageList2.Replace(FirstColourGlyph2 + k - 1, glyph, qRgb(255, 255, 255));
        form.ImageList3.Replace(FirstColourGlyph3 + k - 1, glyph, qRgb(255, 255, 255));
    }
    ShowColourGlyphs(form);
}

void RecolourSymbolStrip(QImage& strip)
{
    if (strip.format() != QImage::Format_Indexed8 || strip.colorCount() <= 253)
        return;
    for (size_t k = 0; k < std::size(StripPaletteEntries); ++k)
        strip.setColor(StripPaletteEntries[k], UserColour(int32_t(k) + 1).rgb());
}

void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

void ApplyColourScheme(TForm1& form, int32_t mode)
{
    if (mode < 0 || mode >= DisplayModeCount)
        return;
    const SystemColourSet system = SystemColoursOf(mode, SetupParameters.AltNightColours != 0);
    SetSystemColours(system);
    for (size_t k = 0; k < UserColourModes.size(); ++k)
        UserColourTable[k + 1] = UserColourModes[k][size_t(mode)];
    PaintSwatches(form);
    RecolourGlyphs(form);
    RecolourSymbolStrip(form.SymbolStrip);
    if (form.ckDeccaPos->isChecked())
        ColourDeccaReadouts(form);
}

void ColourDeccaReadouts(TForm1& form)
{
    SetTextColour(form.txLnVal2, UserColour(1));
    SetTextColour(form.txLnVal3, UserColour(3));
    SetTextColour(form.txLnVal4, UserColour(5));
}
