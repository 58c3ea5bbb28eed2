#include "app/AisWiring.h"

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
        if (ArpaDlg)
            ArpaDlg->ShowAisMessages(record, safety);
    };
    AisHook.ownStaticDataChanged = [] {
        if (ShownTarget == OwnAisRecord && ArpaDlg && ArpaDlg->isVisible())
            ArpaDlg->ShowTargetInfo();
    };
    SensorHook.showAisAlarm = [](const std::string& text) {
        if (ArpaDlg)
            ArpaDlg->ShowAisAlarm(text);
    };
}
