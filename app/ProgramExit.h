#pragma once
// The program's end. The exit is one path, whoever asks for it: the shut-down dialog's exit
// button, a fatal numbered message after the start-up, the desktop's logout and a termination
// signal. The switch-off is the exit with the computer powered down after it.

class QGuiApplication;
class QObject;

// Stops the radar overlay while it runs (its running field set).
void StopRadarWhileRunning();

// Stops both timers and the radar, saves the settings (giving the system colours back), tells
// the 3D programs that the program ends and then gives them 500 ms, and asks the program to end;
// ShutdownIo follows as the event loop ends. Runs once: a later call does nothing.
void ExitProgram();

// The switch-off the user has confirmed: the exit's steps with ShutdownIo before the end, 500 ms
// in every case, the end, then the request to power the computer off (the PowerOff command of
// Startup.ini). Does nothing while the program is already ending.
void SwitchOffProgram();

// ExitProgram from the event loop, once the handler that asks for it has returned.
void ExitProgramLater();

// Wires the end of the run: ShutdownIo as the event loop ends, before any form is destroyed; the
// settings saved when the desktop session asks its programs to save their data; the exit when the
// window system asks the program to end (the session's end) and for the termination signals. The
// wiring is a child of the application; deleting it undoes it.
QObject* ConnectProgramEnd(QGuiApplication& application);
