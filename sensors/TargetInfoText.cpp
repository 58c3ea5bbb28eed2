#include "sensors/TargetInfoText.h"

#include "frame/PrintedText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const std::array<const char*, 22> ShipTypeItems{
    "20  Wing-In-Ground",       "30  Fishing",           "31  Towing",
    "32  Large Towing",         "33  Dredging operations", "34  Diving operations",
    "35  Military operations",  "36  Sailing",           "37  Pleasure craft",
    "40  High speed craft",     "50  Pilot",             "51  Search And Rescue",
    "52  Tug",                  "53  Port tender",       "54  Anti pollution",
    "55  Law enforcement",      "58  Medical transport", "59  Resolution 18 ship",
    "60  Passenger ship",       "70  Cargo ship",        "80  Tanker",
    "90  Other type of ship",
};

const std::array<const char*, 7> CargoItems{
    "---", "Hazard or pollutant cat. A", "Hazard or pollutant cat. B", "Hazard or pollutant cat. C",
    "Hazard or pollutant cat. D", "None", "---",
};

const std::array<const char*, 10> NavigationStatusItems{
    "Under way using engine",     "At anchor", "Not under command",
    "Restricted manouverability", "Constrained by her draught", "Moored",
    "Aground",                    "Engaged in fishing", "Under way sailing",
    "---",
};

namespace {

constexpr int32_t HighSpeedCraftItem = 9;
constexpr int32_t PassengerItem = 18;
constexpr double RateOfTurnFactor = 0.21126909344432004;  // 1 / 4.733

}  // namespace

std::string DegreesText(float degrees)
{
    return Printed("%05.1f \xB0", double(degrees));
}

int32_t ShipTypeItem(uint8_t shipType)
{
    if (shipType >= 20 && shipType <= 29)
        return 0;
    if (shipType >= 40 && shipType <= 49)
        return HighSpeedCraftItem;
    if (shipType >= 60)
        return PassengerItem + std::min(shipType / 10 - 6, 3);
    if ((shipType >= 30 && shipType <= 39) || (shipType >= 50 && shipType <= 59)) {
        for (size_t item = 0; item < ShipTypeItems.size(); ++item)
            if (ShipTypeCode(int32_t(item)) == shipType)
                return int32_t(item);
    }
    return -1;
}

int32_t ShipTypeCode(int32_t item)
{
    if (item < 0 || item >= int32_t(ShipTypeItems.size()))
        return 0;
    return std::atoi(ShipTypeItems[size_t(item)]);
}

bool ShipTypeCarriesCargo(int32_t item)
{
    return item == 0 || item == HighSpeedCraftItem || item >= PassengerItem;
}

int32_t CargoItem(uint8_t shipType)
{
    const int32_t digit = shipType % 10;
    return ShipTypeCarriesCargo(ShipTypeItem(shipType)) && digit <= 6 ? digit : -1;
}

int32_t NavigationStatusItem(uint8_t status)
{
    const int32_t last = int32_t(NavigationStatusItems.size()) - 1;
    return status < last ? status : last;
}

std::string TrueHeadingText(uint16_t heading)
{
    return heading >= 360 ? NotAvailableText : Printed("%d \xB0", int(heading));
}

std::string RateOfTurnText(int8_t raw)
{
    if (raw == -128)
        return NotAvailableText;
    if (raw == 0)
        return "-- 0 --";
    if (raw == 127)
        return "---->";
    if (raw == -127)
        return "<----";
    const double root = RateOfTurnFactor * raw;
    const double rate = std::copysign(root * root, root);
    return Printed(std::fabs(rate) <= 10.0 ? "%.1f \xB0/m." : "%.0f \xB0/m.", rate);
}

std::string ShipSizeText(const AisStaticBlock& block)
{
    const int length = block.dimensionA + block.dimensionB;
    const int beam = block.dimensionC + block.dimensionD;
    const int draught = block.draughtDecimetres == 255 ? 0 : block.draughtDecimetres;
    if (length == 0 && beam == 0 && draught == 0)
        return {};
    return Printed("len:%d  brd:%d  drg:%0.1f m.", length, beam, draught * 0.1);
}

std::string EtaText(const AisStaticBlock& block)
{
    std::string text;
    if (block.etaDay > 0 && block.etaMonth > 0)
        text = Printed("%02d.%02d", int(block.etaDay), int(block.etaMonth));
    if (block.etaHour < 24 && block.etaMinute < 60)
        text += (text.empty() ? "" : "  ") + Printed("%02d:%02d", int(block.etaHour), int(block.etaMinute));
    return text.empty() ? NotAvailableText : text;
}

std::string ReportSecondText(uint8_t second)
{
    return second >= 60 ? NotAvailableText : Printed("%02d s", int(second));
}

std::string FieldText(const char* field, size_t size)
{
    return std::string(field, strnlen(field, size));
}
