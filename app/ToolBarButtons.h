#pragma once
// The width of ToolBar1's buttons. They share the bar's free width, the screen width less 246
// pixels (the room of the combo boxes, the scale panel and the Hide box), plus the width of
// DispMode while that is hidden. Twenty buttons always show; the 2D, 3D, weather, radar and AIS
// buttons and the two ARPA buttons count while they are shown.

class QToolButton;
struct MainWindowControls;

// Every button of the bar takes the width (whole pixels) and the height of 26 pixels.
void FitToolBarButtons(MainWindowControls& c);

// Shows a button of the bar (the ARPA buttons once a radar's targets arrive) and fits the
// buttons to the new count.
void ShowToolBarButton(MainWindowControls& c, QToolButton* button);
