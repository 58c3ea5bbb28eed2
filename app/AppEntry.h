#pragma once
// The entry of varnikapp: one instance per user, the splash window, the forms, the message loop.

#include <string>

// Runs the program and returns its exit code.
int VarnikMain(int argc, char** argv);

// True when the command line asks for no splash window ("/NOSPLASH" in any case, anywhere).
bool SplashSuppressed(const std::string& commandLine);

// What the entry does with an exception that reached it: while the stored settings are being
// applied it reports them as corrupt and moves "dta.res" aside so that the next start uses the
// defaults; any other exception is reported as it is.
void HandleEntryException(const std::exception* error);
