// Reads NMEA sentences (one a line on stdin) with nmea-simple's unsafe parse and prints one line
// per sentence: talker, sentence id, "ok" or "bad" for the checksum, then the data fields, all
// separated by tabs; "error<TAB>message" when the parse throws.
"use strict";
const { parseUnsafeNmeaSentence, getUnsafePacketId } = require("nmea-simple");

const input = require("fs").readFileSync(0, "latin1");
for (const line of input.split(/\r?\n/)) {
  if (line.length === 0) continue;
  try {
    const packet = parseUnsafeNmeaSentence(line);
    const fields = packet.dataFields || [];
    console.log([packet.talkerId, getUnsafePacketId(packet), packet.chxOk ? "ok" : "bad", ...fields].join("\t"));
  } catch (e) {
    console.log(["error", e.message].join("\t"));
  }
}
