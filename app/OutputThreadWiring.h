#pragma once
// The output thread as the start-up wires it to the main window: its one-off texts for the TCP
// connection go to the main thread, which owns ClientSocket1, and the replay button mutes it.

class TForm1;

// Fills the output thread's hook, keeps the output muted while btnReplay is down, and starts the
// thread (once; a second call finds it running).
void StartOutputThread(TForm1& form);
