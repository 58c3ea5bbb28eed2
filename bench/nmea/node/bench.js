// Parses the voyage log with nmea-simple, pass after pass for at least the given seconds, on
// Node's one thread, and prints the rate as JSON for bench_nmea.
"use strict";
const fs = require("fs");
const { parseUnsafeNmeaSentence } = require("nmea-simple");

const [logPath, secondsArg] = process.argv.slice(2);
const minimumSeconds = Number(secondsArg || 2);
const lines = fs.readFileSync(logPath, "latin1").split("\r\n").filter((line) => line.length > 0);

let sink = 0;
function pass() {
  for (const line of lines) {
    const packet = parseUnsafeNmeaSentence(line);
    if (packet.chxOk !== false) sink++;
  }
}

for (let i = 0; i < 3; i++) pass();  // warm-up: let the JIT compile
let sentences = 0;
const start = process.hrtime.bigint();
let elapsed = 0;
while (elapsed < minimumSeconds) {
  pass();
  sentences += lines.length;
  elapsed = Number(process.hrtime.bigint() - start) / 1e9;
}
console.log(JSON.stringify({ sentences, seconds: elapsed, perSecond: sentences / elapsed, sink }));
