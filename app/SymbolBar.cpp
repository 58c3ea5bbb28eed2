#include "app/SymbolBar.h"

#include "app/BarImages.h"
#include "app/ChartCursor.h"
#include "app/DrawingBars.h"
#include "app/EditingState.h"
#include "app/TForm1.h"
#include "frame/SetupParameters.h"
#include "userdata/TDbObj.h"
#include "userdata/TSymbDlg.h"

#include <QButtonGroup>
#include <QFrame>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

// Button numbers of the bar (separators count).
constexpr int FirstSymbolButton = 5;
constexpr int SymbolButtonCount = 17;
constexpr int ColourButtonOffset = 23;  // button number 23 + colour
constexpr int ColourCount = 6;
constexpr int SymbolDeletePick = 5;

uint8_t SymbolCode(int image)
{
    return SymbolCodeTable[size_t(std::clamp(image, 0, int(SymbolCodeTable.size()) - 1))];
}

}  // namespace

void ConnectSymbolBar(TForm1& f)
{
    QObject::connect(f.SymbolBtn, &QToolButton::clicked, &f, [&f] { SymbolExecute(f); });

    QButtonGroup* symbols = OneDownAtATime(f.SymbBar, FirstSymbolButton, SymbolButtonCount, 0);
    QObject::connect(symbols, &QButtonGroup::idClicked, &f, [&f](int tag) { SyExecute(f, tag); });

    QButtonGroup* colours = OneDownAtATime(f.SymbBar, ColourButtonOffset + 1, ColourCount, 1);
    QObject::connect(colours, &QButtonGroup::idClicked, &f, [](int colour) { SymbolColourClick(colour); });

    QObject::connect(f.btnSyDel, &QToolButton::clicked, &f, [&f] { sy_delExecute(f); });
    QObject::connect(f.btnSyEdit, &QToolButton::clicked, &f, [&f] { sy_editExecute(f); });
    QObject::connect(f.btnSyDraw, &QToolButton::clicked, &f, [&f] { sy_drawExecute(f); });
    QObject::connect(f.btnSyOk, &QToolButton::clicked, &f, [&f] { SyOkExecute(f); });

    QObject::connect(f.SymbSelBtn, &QToolButton::clicked, &f, [&f] { SyChange(f); });
    for (int image = 0; image < int(SymbolCodeTable.size()); ++image)
        QObject::connect(SymbolPaletteButton(f, image), &QToolButton::clicked, &f,
                         [&f, image] { SymbToolBtnClick(f, image); });
}

void SymbolExecute(TForm1& f)
{
    if (DbObj)
        DbObj->hide();
    LeaveDeleteChoice();
    if (ObjectPickKind != 0) {
        ObjectPickKind = 0;
        EditingActive = false;
    }
    RaiseQueryButton(f);
    f.SymbolBtn->setChecked(true);
    if (SymbDlg)
        SymbDlg->show();
}

void SyExecute(TForm1& f, int tag)
{
    if (tag < 0 || tag >= SymbolButtonCount)
        return;
    BarButton(f.SymbBar, FirstSymbolButton + tag)->setChecked(true);
    SetupParameters.SymbolBarButton = uint8_t(tag);
    SetupParameters.CurrentSymbol = SymbolCode(SetupParameters.SymbolBar[tag]);
}

void SyChange(TForm1& f)
{
    const bool show = f.SymbSelection->isHidden();
    f.SymbSelection->setVisible(show);
    f.SymbSelBtn->setChecked(show);
    if (show)
        f.SymbSelection->raise();
}

void SymbToolBtnClick(TForm1& f, int image)
{
    if (image < 0 || image >= int(SymbolCodeTable.size()))
        return;
    const int tag = std::min<int>(SetupParameters.SymbolBarButton, SymbolButtonCount - 1);
    SetupParameters.SymbolBar[tag] = uint8_t(image);
    ShowSymbolButtonImage(f, tag);
    SetupParameters.CurrentSymbol = SymbolCode(image);
}

uint8_t ChosenBarSymbol()
{
    const int tag = std::min<int>(SetupParameters.SymbolBarButton, SymbolButtonCount - 1);
    return SymbolCode(SetupParameters.SymbolBar[tag]);
}

void SymbolColourClick(int colour)
{
    if (colour >= 1 && colour <= ColourCount)
        SetupParameters.SymbolColour = uint8_t(colour);
}

void sy_delExecute(TForm1& f)
{
    EditingActive = true;
    SymbolPlaceMode = SymbolMoveMode = false;
    PickMode = SymbolDeletePick;
    f.OverlayRedrawRequest = 1;
}

void sy_editExecute(TForm1& f)
{
    EditingActive = true;
    SymbolMoveMode = true;
    SymbolPlaceMode = false;
    PickMode = 0;
    f.OverlayRedrawRequest = 1;
}

void sy_drawExecute(TForm1&)
{
    EditingActive = true;
    SymbolPlaceMode = true;
    SymbolMoveMode = false;
    PickMode = 0;
}

void SyOkExecute(TForm1& f)
{
    for (QToolButton* tool : {f.btnSyDel, f.btnSyEdit, f.btnSyDraw, f.btnSyOk})
        Raise(tool);
    if (EditingActive) {
        EditingActive = false;
        SymbolPlaceMode = SymbolMoveMode = false;
        PickedSymbolId = 0;
        PickMode = 0;
        f.OverlayRedrawRequest = 1;
        return;
    }
    f.SymbBar->hide();
    f.SymbSelection->hide();
    Raise(f.SymbSelBtn);
    f.PlaceToolPanel();
    RepaintChartNow(f);
}

void CloseSymbolBar(TForm1& f)
{
    f.btnSyOk->setChecked(true);
    SyOkExecute(f);
    f.SymbBar->hide();
    f.SymbSelection->hide();
    Raise(f.SymbSelBtn);
}
