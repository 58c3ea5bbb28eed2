#pragma once
// The sentences the output thread sends: RMC, RMB, APB, WPL and RTE, built from the own-ship
// state, the sensor settings, the output sentence bits, the route table and route following's
// values. The builders run with ComOutStateLock held and append whole sentences to `out`, each
// with its checksum and line end.

#include <cstddef>
#include <cstdint>
#include <string>

// Appends "*hh\r\n" to the sentence that starts at `start` of `text` (at its '$' or '!'): hh is
// the XOR of every character after that first one. Returns the new length (the old one + 5).
size_t AppendNmeaChecksum(std::string& text, size_t start = 0);

// A latitude or longitude as the sentences carry it: degrees and minutes of the absolute value,
// rounded once to a thousandth of a minute (59.9996' carries into the next degree), then the
// hemisphere from the sign: "DDMM.mmm,N" / "DDMM.mmm,S", "DDDMM.mmm,E" / "DDDMM.mmm,W".
void AppendNmeaLatitude(std::string& out, double degrees);
void AppendNmeaLongitude(std::string& out, double degrees);

// The output sentence bits of the port settings.
enum OutputSentenceBit : int32_t {
    OutputApb = 1,
    OutputRmb = 2,
    OutputRmc = 4,
    OutputWaypoints = 8,  // WPL and RTE
};

// Every sentence below has the status 'A', or 'V' while the GPS gives no fix quality.

// RMC: the last GPS time and received position (as the fix's text parts were received), speed
// and course over ground (the display course below 3 kn), the date (the GPS date once a GPS
// sent one, else the UTC date of the PC clock) and the magnetic variation setting.
void AppendRmc(std::string& out);

// The route sentences of the bits in `bits`, and the requests they answer:
// - the route-stop request: one route-end RTE ("$GPRTE,1,1,w,,"), then the request is cleared;
// - RMB and APB of the leg to CurrentWaypoint, while a route of our own is in the table, its
//   start is not pending and the leg's destination is one of its entries;
// - on a WPL / RTE request (NewWaypoint, cleared here whatever the bits): a WPL for each of up
//   to 10 entries from CurrentWaypoint - 1 (entry -1 being the own position) and the RTE that
//   lists their numbers (WaypointNumber, the numbers RMB and APB give the leg); with no route
//   in the table, the route-end RTE. A request waits while the route came from outside or its
//   start is pending.
void AppendRouteSentences(std::string& out, int32_t bits);
