#include "app/TrackButton.h"

#include "app/DataPage.h"
#include "app/DrawingBars.h"
#include "app/DynamicOverlay.h"
#include "app/EditingState.h"
#include "app/TForm1.h"
#include "chart/OverlayColours.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/TextCodec.h"
#include "sensors/OwnShipState.h"
#include "userdata/TTrackDlg.h"
#include "userdata/TrackState.h"
#include "userdata/TrackStore.h"

#include <QPalette>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr size_t StartTrackCaption = 38;
constexpr size_t FinishTrackCaption = 39;
constexpr int32_t TrackPick = 1;

}  // namespace

void ConnectTrackButtons(TForm1& f)
{
    QObject::connect(f.TrackBtn, &QToolButton::clicked, &f, [&f] { TrackExecute(f); });
    QObject::connect(f.btnTrack, &QPushButton::clicked, &f, [&f] { btnTrackClick(f); });
}

void TrackExecute(TForm1& f)
{
    RaiseQueryButton(f);
    if (PickMode == TrackPick)
        PickMode = 0;
    CutMode = false;
    if (TrackDlg)
        TrackDlg->show();
}

void btnTrackClick(TForm1& f)
{
    if (DatabaseTrackId != 0) {
        FinishTrack(OwnTrackFix());
        SetTrackButtonColour(f, f.palette().color(QPalette::WindowText));
        f.btnTrack->setText(platform::FromCp1252(MessageTexts[StartTrackCaption]));
        f.btnTrack->setChecked(false);
    } else if (OwnShip.positionKnown && StartTrack(OwnTrackFix())) {
        SetTrackButtonColour(f, UserColour(SetupParameters.TrackColour));
        f.btnTrack->setText(platform::FromCp1252(MessageTexts[FinishTrackCaption]));
        f.btnTrack->setChecked(true);
        f.OverlayRedrawRequest = 1;
    } else {
        f.btnTrack->setChecked(false);
    }
    LockDataSetButtons(f);
}

void SetTrackButtonColour(TForm1& f, const QColor& colour)
{
    QPalette palette = f.btnTrack->palette();
    palette.setColor(QPalette::ButtonText, colour);
    f.btnTrack->setPalette(palette);
}
