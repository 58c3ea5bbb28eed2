#pragma once
// The radar overlay in the main window: the overlay lies over the chart paint box, the side panel
// works for this window, and the chart's zooms and redraws reach the radar.

class TForm1;

void ConnectRadar(TForm1& form);
