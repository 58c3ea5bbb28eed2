#pragma once
// The entry of varnikapp: one instance per user, the splash window, the forms, the message loop.

#include <string>

class QCoreApplication;

// Runs the program and returns its exit code.
int VarnikMain(int argc, char** argv);

// Gives the application its name and no display name: the window system would append a display
// name to every window's title, and the dialogs and message boxes keep their own captions.
void NameApplication(QCoreApplication& application);

// Keeps the decimal point in the C library's number formats whatever the user's locale: Qt takes
// that locale for the C library as the application starts, and the sentences, files and texts the
// program writes and reads with printf and scanf formats must not get a decimal comma.
void KeepDecimalPoint();

// True when the command line asks for no splash window ("/NOSPLASH" in any case, anywhere).
bool SplashSuppressed(const std::string& commandLine);

// What the entry does with an exception that reached it: while the stored settings are being
// applied it reports them as corrupt and moves "dta.res" aside so that the next start uses the
// defaults; any other exception is reported as it is.
void HandleEntryException(const std::exception* error);
