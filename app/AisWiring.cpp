#include "app/AisWiring.h"

#include "app/PendingServices.h"
#include "sensors/AisHooks.h"
#include "sensors/SensorHooks.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TargetTable.h"
#include "userdata/InfoTexts.h"

void WireAisHooks()
{
    AisHook.storeTextMessage = [](uint32_t time, const std::string& text) {
        AddAisTextMessage(time, text);
    };
    AisHook.showTextMessage = [](int32_t record, bool safety) {
        pending::ShowAisMessages(record, safety);
    };
    AisHook.ownStaticDataChanged = [] {
        if (ShownTarget == OwnAisRecord && ArpaDlg && ArpaDlg->isVisible())
            pending::UpdateTargetPanel(OwnAisRecord);
    };
    SensorHook.showAisAlarm = [](const std::string& text) { pending::ShowAisAlarm(text); };
}
