#pragma once
// The end of the program's input and output. It runs as the event loop ends, before any form is
// destroyed (and from the switch-off before that); a second run finds its work done.

// In this order: stops the output thread, then closes the COM ports (so that the thread has
// written its last cycle and the instruments see the line drop); stores the seabed depths the
// recorder holds; ends the child programs still running; releases the clock record; closes the
// user database for the rest of the run (IoShutDown).
void ShutdownIo();
