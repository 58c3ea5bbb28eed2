#pragma once
// What the start-up gives the AIS decoding: the info file for received text messages and the
// target dialog for them, for the own transponder's data and for AIS alarms.

void WireAisHooks();
