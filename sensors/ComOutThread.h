#pragma once
// The output thread, the one thread besides the main thread. Once started it waits for its
// signal, runs one output cycle (SendNmeaOutput) and pauses 10 ms before it waits again; a
// signal that comes while a cycle runs is kept for the next wait. It runs at the lowest
// priority, so that it takes processor time from no one. Start, signal and stop on the main
// thread.

// Starts the thread; false, and nothing happens, while one runs.
bool StartComOutThread();

// Wakes the thread for one output cycle with the position and route sentences (the 100 ms tick,
// after each fix); nothing while none runs.
void SignalComOutThread();

// Wakes the thread for a cycle that sends the waiting one-off text only, so that AIS messages and
// acknowledgements go out without waiting for a fix; nothing while none runs.
void WakeComOutThreadForOneOff();

// Asks the thread to end, wakes it and waits until it has; false when none ran. A cycle under
// way is finished first.
bool StopComOutThread();

// True while the thread runs at the lowest priority.
bool ComOutThreadAtLowestPriority();
