#include "app/AisHistoryWiring.h"

#include "app/PanelLayout.h"
#include "app/ReplayPlayer.h"
#include "app/TForm1.h"
#include "userdata/TAisDbDlg.h"
#include "userdata/TReplayDlg.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTimeEdit>

void ReplayRecordedMinute(TForm1& form, const QDateTime& time)
{
    // Pressing a button already down would run replay mode's entry (and its AIS log line) again.
    if (!form.btnReplay->isChecked()) {
        form.btnReplay->setChecked(true);
        btnReplayClick(form);
    }
    if (!ReplayDlg)
        return;
    ReplayDlg->dtDate->setDate(time.date());
    ReplayDlg->dtTime->setTime(QTime(time.time().hour(), time.time().minute()));
    ReplayDlg->btnStartClick();
}

void WireAisHistory(TForm1& form)
{
    if (!AisDbDlg)
        return;
    TForm1* f = &form;
    AisDbDlg->hooks.shown = [f] { PlaceBesideMainPanel(*f, *AisDbDlg); };
    AisDbDlg->hooks.hidden = [f] { f->btnAisDb->setChecked(false); };
    AisDbDlg->hooks.shownShip = [](uint32_t mmsi) { ReplayCentreMmsi = int32_t(mmsi); };
    AisDbDlg->hooks.replay = [f](const QDateTime& time) { ReplayRecordedMinute(*f, time); };
}
