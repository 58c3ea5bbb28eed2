#include "app/LineBar.h"

#include "app/DrawingBars.h"
#include "app/EditingState.h"
#include "app/TForm1.h"
#include "frame/SetupParameters.h"
#include "userdata/DrawingFinish.h"
#include "userdata/ObjectDeletion.h"
#include "userdata/TListDlg.h"

#include <QButtonGroup>
#include <QToolBar>
#include <QToolButton>

namespace {

// Button numbers of the bar (separators count).
constexpr int FirstKindButton = 6;
constexpr int KindCount = 4;
constexpr int ColourButtonOffset = 10;  // button number 10 + colour
constexpr int ColourCount = 6;
constexpr int LinePick = 3;
constexpr int PolylineKind = 1;

bool OpenLineKind()
{
    return SetupParameters.LineKind <= PolylineKind;
}

}  // namespace

void ConnectLineBar(TForm1& f)
{
    QButtonGroup* kinds = OneDownAtATime(f.LineBar, FirstKindButton, KindCount, 0);
    QObject::connect(kinds, &QButtonGroup::idClicked, &f, [](int kind) { LineKindClick(kind); });
    QButtonGroup* colours = OneDownAtATime(f.LineBar, ColourButtonOffset + 1, ColourCount, 1);
    QObject::connect(colours, &QButtonGroup::idClicked, &f, [](int colour) { LineColourClick(colour); });

    QObject::connect(f.btnLiDel, &QToolButton::clicked, &f, [&f] { LiDdelExecute(f); });
    QObject::connect(f.btnLiEdit, &QToolButton::clicked, &f, [&f] { LiEditExecute(f); });
    QObject::connect(f.btnLiDraw, &QToolButton::clicked, &f, [&f] { LiDrawExecute(f); });
    QObject::connect(f.btnLiOk, &QToolButton::clicked, &f, [&f] { LiOkExecute(f); });
    QObject::connect(f.btnLiList, &QToolButton::clicked, &f, [&f](bool down) { btnLiListClick(f, down); });
}

void LineKindClick(int kind)
{
    if (kind >= 0 && kind < KindCount)
        SetupParameters.LineKind = uint8_t(kind);
}

void LineColourClick(int colour)
{
    if (colour >= 1 && colour <= ColourCount)
        SetupParameters.LineColour = uint8_t(colour);
}

void LiDdelExecute(TForm1& f)
{
    EditingActive = true;
    PickMode = LinePick;
    LineEditPhase = 0;
    f.OverlayRedrawRequest = 1;
}

void LiEditExecute(TForm1& f)
{
    EditingActive = true;
    PickMode = 0;
    LineEditPhase = LineEditing;
    ObjectPickKind = LinePick;
    f.OverlayRedrawRequest = 1;
}

void LiDrawExecute(TForm1&)
{
    EditingActive = true;
    PickMode = 0;
    DrawnPointCount = 0;
    if (OpenLineKind())
        LineEditPhase = LineDrawing;
}

void btnLiListClick(TForm1& f, bool down)
{
    if (!ListDlg)
        return;
    if (!down) {
        ListDlg->hide();
        return;
    }
    ListDlg->move(f.mapToGlobal(QPoint(f.LineBar->width(), f.CM93->y())));
    ListDlg->show();
}

void LiOkExecute(TForm1& f)
{
    if (LineEditPhase == LineEditing && OpenLineKind() && PickMode == 0 && LineId != 0)
        ClearObjectEditMark(LineId, SetupParameters.LineColour);
    // A line needs two points.
    if (LineEditPhase == LineDrawing && DrawnPointCount == 1 && LineId != 0)
        DeleteObject(ObjectType::LINE, LineId);
    for (QToolButton* button : {f.btnLiDel, f.btnLiEdit, f.btnLiDraw, f.btnLiOk, f.btnLiList})
        Raise(button);
    if (ListDlg)
        ListDlg->hide();
    if (EditingActive) {
        EditingActive = false;
        PickMode = ObjectPickKind = LineId = DrawnPointCount = 0;
        if (LineEditPhase > 1)
            LineEditPhase = 0;
        f.OverlayRedrawRequest = 1;
        return;
    }
    f.LineBar->hide();
    f.PlaceToolPanel();
    RepaintChartNow(f);
}

void CloseLineBar(TForm1& f)
{
    f.btnLiOk->setChecked(true);
    LiOkExecute(f);
    f.LineBar->hide();
}
