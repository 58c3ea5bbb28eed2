#include "sensors/TargetStaticData.h"

#include "frame/SharedTables.h"
#include "sensors/SensorHooks.h"
#include "sensors/TargetTable.h"

#include <cstring>
#include <vector>

namespace {

constexpr uint8_t StoredMarker = 99;
constexpr int8_t RateOfTurnUnknown = -128;

struct StaticWork {
    int32_t index = 0;
    int32_t mmsi = 0;
    uint8_t parts = 0;  // 0: the look-up, else the parts to store
};

std::vector<StaticWork> pending;

template <size_t N>
void CopyText(char (&to)[N], const char (&from)[N])
{
    std::memcpy(to, from, N);
}

void Lookup(TargetRecord& target, uint32_t mmsi)
{
    AisStaticBlock stored{};
    if (!SensorHook.readAisStatic || !SensorHook.readAisStatic(mmsi, stored))
        return;
    AisStaticBlock merged = stored;
    CopyStaticFields(merged, target.staticData, target.staticParts);
    merged.mmsi = mmsi;
    target.staticData = merged;
    target.dynamic.rateOfTurn = RateOfTurnUnknown;
    if (!(target.staticParts & (AisPartA | AisMessage5)))
        SetTargetLabel(target, stored.name, sizeof stored.name);
}

void Store(const TargetRecord& target, uint32_t mmsi, uint8_t parts)
{
    if (!SensorHook.writeAisStatic)
        return;
    AisStaticBlock block{};
    if (!SensorHook.readAisStatic || !SensorHook.readAisStatic(mmsi, block))
        block = AisStaticBlock{};
    CopyStaticFields(block, target.staticData, parts);
    block.mmsi = mmsi;
    block.storedMarker = StoredMarker;
    block.storedTime = uint32_t(ClockSeconds);
    SensorHook.writeAisStatic(block, target.dynamic.navigationStatus,
                              uint16_t(target.staticData.imoNumber & 0xFFFFu));
}

}  // namespace

void CopyStaticFields(AisStaticBlock& to, const AisStaticBlock& from, uint8_t parts)
{
    if (parts & (AisPartA | AisMessage5))
        CopyText(to.name, from.name);
    if (parts & (AisPartB | AisMessage5)) {
        CopyText(to.callSign, from.callSign);
        CopyText(to.destination, from.destination);  // part B: the vendor text
        to.shipType = from.shipType;
        to.dimensionA = from.dimensionA;
        to.dimensionB = from.dimensionB;
        to.dimensionC = from.dimensionC;
        to.dimensionD = from.dimensionD;
    }
    if (parts & AisMessage5) {
        to.imoNumber = from.imoNumber;
        to.etaMonth = from.etaMonth;
        to.etaDay = from.etaDay;
        to.etaHour = from.etaHour;
        to.etaMinute = from.etaMinute;
        to.draughtDecimetres = from.draughtDecimetres;
        to.dteFlag = from.dteFlag;
    }
}

void QueueStaticLookup(int32_t index)
{
    pending.push_back({index, TargetTable[size_t(index)].id, 0});
}

void QueueStaticStore(int32_t index, uint8_t parts)
{
    pending.push_back({index, TargetTable[size_t(index)].id, parts});
}

void RunTargetFileWork()
{
    if (pending.empty())
        return;
    // Taken out first: work queued meanwhile waits for the next call.
    std::vector<StaticWork> work;
    work.swap(pending);
    for (const StaticWork& w : work) {
        TargetRecord& target = TargetTable[size_t(w.index)];
        if (target.id != w.mmsi)
            continue;
        if (w.parts == 0)
            Lookup(target, uint32_t(w.mmsi));
        else
            Store(target, uint32_t(w.mmsi), w.parts);
    }
}

void DropTargetFileWork()
{
    pending.clear();
}
