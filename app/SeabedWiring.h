#pragma once
// The seabed file's place in the program: the recorder loads the tile it enters from the file,
// and the seabed sweep reaches the main view, the chart picture and the data tab through the main
// window. The hooks reach the window through Form1, which is null once the window is gone.

void WireSeabedHooks();
