#include "app/TargetTableWiring.h"

#include "app/TForm1.h"
#include "app/ToolBarButtons.h"
#include "chart/MapView.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "userdata/AisStaticStore.h"

#include <QToolButton>

#include <cstddef>
#include <cstring>

namespace {

// A target's static block is the stored record from its MMSI up to its own fields.
static_assert(offsetof(AisStaticRecord, mmsi) + sizeof(AisStaticBlock) ==
              offsetof(AisStaticRecord, navigationStatus));
static_assert(offsetof(AisStaticBlock, storedMarker) + offsetof(AisStaticRecord, mmsi) ==
              offsetof(AisStaticRecord, marker));

void* BlockOf(AisStaticRecord& record)
{
    return reinterpret_cast<std::byte*>(&record) + offsetof(AisStaticRecord, mmsi);
}

}  // namespace

void WireTargetTable()
{
    SensorHooks& h = SensorHook;
    h.readAisStatic = [](uint32_t mmsi, AisStaticBlock& block) {
        AisStaticRecord record;
        if (ReadAisStatic(mmsi, record) != platform::isam::Status::Ok)
            return false;
        std::memcpy(&block, BlockOf(record), sizeof block);
        return true;
    };
    h.writeAisStatic = [](const AisStaticBlock& block, uint8_t navigationStatus, uint16_t imoLow) {
        AisStaticRecord record;
        std::memcpy(BlockOf(record), &block, sizeof block);
        record.navigationStatus = navigationStatus;
        record.targetImoLow = imoLow;
        WriteAisStatic(record);
    };
    h.mainViewCentre = [] {
        return MainMapView ? MainMapView->ViewState().centre : OwnShip.referencePosition;
    };
    h.showArpaButton = [] {
        if (Form1 && Form1->Arpa1Btn->isHidden())
            ShowToolBarButton(*Form1, Form1->Arpa1Btn);
    };
}
