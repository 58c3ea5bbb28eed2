#include "app/SystemColours.h"

#include "app/SetupLoad.h"
#include "chart/OverlayColours.h"
#include "frame/SharedTables.h"

#include <QApplication>
#include <QPalette>

#include <optional>

namespace {

using Role = QPalette::ColorRole;

// Where a system colour lives: the palette roles it sets and the role it is read from, or, for
// one of the program's own colours that no role stands for, the role it reads as until a display
// mode sets it.
struct ColourPlace {
    int windowsIndex;
    Role read;
    std::array<Role, 2> roles;
    bool own;
};

constexpr Role None = QPalette::NoRole;

// In the order of SavedSystemColourIndexes.
constexpr ColourPlace ColourPlaces[] = {
    {24, QPalette::ToolTipBase, {QPalette::ToolTipBase, None}, false},
    {5, QPalette::Base, {QPalette::Base, QPalette::AlternateBase}, false},
    {8, QPalette::WindowText, {QPalette::WindowText, QPalette::Text}, false},
    {9, QPalette::HighlightedText, {None, None}, true},  // caption text
    {18, QPalette::ButtonText, {QPalette::ButtonText, None}, false},
    {6, QPalette::Shadow, {None, None}, true},           // window frame
    {22, QPalette::Midlight, {QPalette::Midlight, None}, false},
    {20, QPalette::Light, {QPalette::Light, None}, false},
    {16, QPalette::Dark, {QPalette::Dark, None}, false},
    {15, QPalette::Button, {QPalette::Button, QPalette::Window}, false},
    {17, QPalette::PlaceholderText, {QPalette::PlaceholderText, None}, false},  // and disabled texts
    {13, QPalette::Highlight, {QPalette::Highlight, None}, false},
    {14, QPalette::HighlightedText, {QPalette::HighlightedText, None}, false},
    {2, QPalette::Highlight, {None, None}, true},        // active caption
    {27, QPalette::Highlight, {None, None}, true},       // its gradient
    {3, QPalette::Mid, {None, None}, true},              // inactive caption
    {28, QPalette::Mid, {None, None}, true},             // its gradient
    {10, QPalette::Button, {None, None}, true},          // active border
    {11, QPalette::Button, {None, None}, true},          // inactive border
    {19, QPalette::Light, {None, None}, true},           // inactive caption text
    {12, QPalette::Dark, {None, None}, true},            // application workspace
};

constexpr bool InSavedOrder()
{
    for (size_t i = 0; i < SavedSystemColourIndexes.size(); ++i)
        if (ColourPlaces[i].windowsIndex != SavedSystemColourIndexes[i])
            return false;
    return true;
}
static_assert(std::size(ColourPlaces) == SavedSystemColourIndexes.size() && InSavedOrder());

constexpr int GreyTextIndex = 17;

std::optional<size_t> Slot(int windowsIndex)
{
    for (size_t i = 0; i < SavedSystemColourIndexes.size(); ++i)
        if (SavedSystemColourIndexes[i] == windowsIndex)
            return i;
    return std::nullopt;
}

uint32_t ToWindows(const QColor& colour)
{
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

// The program's own colours by slot; invalid until a display mode sets them.
std::array<QColor, 21> OwnColours;

QPalette SavedPalette;
std::array<QColor, 21> SavedOwnColours;

QColor Mix(const QColor& a, const QColor& b)
{
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

}  // namespace

void SetSystemColours(const SystemColourSet& colours)
{
    QPalette palette = QApplication::palette();
    for (size_t i = 0; i < colours.size(); ++i) {
        const ColourPlace& place = ColourPlaces[i];
        const QColor colour = WindowsColour(colours[i]);
        if (place.own)
            OwnColours[i] = colour;
        for (const Role role : place.roles)
            if (role != None)
                palette.setColor(role, colour);
        if (place.windowsIndex == GreyTextIndex)
            for (const Role role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                palette.setColor(QPalette::Disabled, role, colour);
    }
    // The shade between face and shadow, which the styles draw some edges with.
    palette.setColor(QPalette::Mid, Mix(palette.color(QPalette::Button), palette.color(QPalette::Dark)));
    QApplication::setPalette(palette);
}

QColor SystemColour(int windowsIndex)
{
    const std::optional<size_t> slot = Slot(windowsIndex);
    if (!slot)
        return QColor();
    const ColourPlace& place = ColourPlaces[*slot];
    if (place.own && OwnColours[*slot].isValid())
        return OwnColours[*slot];
    return QApplication::palette().color(place.read);
}

SystemColourSet CurrentSystemColours()
{
    SystemColourSet colours{};
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = ToWindows(SystemColour(SavedSystemColourIndexes[i]));
    return colours;
}

QColor ActiveCaptionColour()
{
    return SystemColour(ActiveCaptionColourIndex);
}

void SaveSystemColours()
{
    SavedPalette = QApplication::palette();
    SavedOwnColours = OwnColours;
    SavedSystemColours = CurrentSystemColours();
    RestoreSystemColours = [] {
        OwnColours = SavedOwnColours;
        QApplication::setPalette(SavedPalette);
    };
}
