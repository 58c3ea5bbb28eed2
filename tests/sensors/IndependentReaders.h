#pragma once
// Programs that read our AIS output independently of our code: nmea-simple's unsafe parse under
// Node.js (the npm package in bench/nmea/node) for the sentences, and gpsdecode (gpsd-clients)
// for the AIS messages they carry, put on the air as the transponder would send them.

#include <QJsonObject>

#include <cstdint>
#include <string>
#include <vector>

struct NmeaSimpleSentence {
    std::string error;  // set when nmea-simple threw
    std::string talker;
    std::string id;
    bool checksumOk = false;
    std::vector<std::string> fields;  // the data fields after the sentence name
};

// True when Node.js finds nmea-simple (npm ci --prefix bench/nmea/node).
bool NmeaSimpleInstalled();

// The sentences of `text` (each ended by CR LF) as nmea-simple reads them, in order.
std::vector<NmeaSimpleSentence> ReadWithNmeaSimple(const std::string& text);

// What `gpsdecode -u` makes of `sentences`: one JSON object per decoded message.
std::vector<QJsonObject> DecodeWithGpsdecode(const std::string& sentences);

// The "!AIVDM" sentence of the message that a transponder with MMSI `source` sends for the BBM
// or ABM sentences of one text message: type 8 or 14 for a broadcast, 6 or 12 for an addressed
// message (sequence number 0, no retransmission), the sentences' payload as its data or text.
std::string OnAirMessage(const std::vector<NmeaSimpleSentence>& sentences, uint32_t source);

// The application data bits of a binary message as gpsdecode gives them: DAC, FI and the data,
// as a string of '0' and '1'.
std::string BinaryMessageBits(const QJsonObject& message);
