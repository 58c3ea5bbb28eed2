#pragma once
// The end of the program's input and output, run as the main window goes (and by the switch-off
// before it): a second run finds its work done.

// Stops the output thread, then closes the COM ports (so that the thread writes nothing more),
// ends the child programs still running and releases the clock record.
void ShutdownIo();
