#include "app/Forms.h"

#include "app/TDlgFileEdit.h"
#include "app/TForm1.h"
#include "app/TOffDlg.h"
#include "chart/TCM93Inspector.h"
#include "chart/TPositionDlg.h"
#include "chart/TTideWin.h"
#include "chart/TUpdateMsgDlg.h"
#include "radarweather/TRadar.h"
#include "radarweather/TRadarCtrl.h"
#include "radarweather/TWeatherDlg.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TSetupPort.h"
#include "sensors/TSetupSensor.h"
#include "sensors/TSimDlg.h"
#include "userdata/TAisDbDlg.h"
#include "userdata/TDbObj.h"
#include "userdata/TDptEdit.h"
#include "userdata/TListDlg.h"
#include "userdata/TQueryDlg.h"
#include "userdata/TReplayDlg.h"
#include "userdata/TSarDlg.h"
#include "userdata/TSymbDlg.h"
#include "userdata/TTrackDlg.h"
#include "userdata/TWpDlg.h"

#include <functional>
#include <vector>

namespace {

// Every form in creation order with the way to clear its global pointer, so that creation and
// destruction use one list.
struct CreatedForm {
    QWidget* form;
    std::function<void()> clearPointer;
};
std::vector<CreatedForm> CreatedForms;

template <typename Form>
void Create(Form*& pointer)
{
    pointer = new Form;
    CreatedForms.push_back({pointer, [&pointer] { pointer = nullptr; }});
}

}  // namespace

void CreateForms()
{
    Create(Form1);
    Create(OffDlg);
    Create(SymbDlg);
    Create(ArpaDlg);
    Create(TrackDlg);
    Create(SetupPort);
    Create(SetupSensor);
    Create(DbObj);
    Create(QueryDlg);
    Create(PositionDlg);
    Create(SimDlg);
    Create(DptEdit);
    Create(SarDlg);
    Create(WpDlg);
    Create(Radar);
    Create(RadarCtrl);
    Create(TideWin);
    Create(CM93Inspector);
    Create(ListDlg);
    Create(ReplayDlg);
    Create(AisDbDlg);
    Create(WeatherDlg);
    Create(UpdateMsgDlg);
    Create(DlgFileEdit);
}

void DestroyForms()
{
    while (!CreatedForms.empty()) {
        const CreatedForm created = CreatedForms.back();
        CreatedForms.pop_back();
        created.clearPointer();
        delete created.form;
    }
}

std::vector<std::string> CreatedFormNames()
{
    std::vector<std::string> names;
    for (const CreatedForm& created : CreatedForms)
        names.push_back(created.form->objectName().toStdString());
    return names;
}
