#pragma once
// The side panel MainPanel and its controls, and the places of the two bars that line the window:
// ToolBar1 across the top edge and MainPanel along the right edge, below the tool bar while that
// shows. The chart CM93 lies under both; its place is the Hide boxes' (PanelLayout.h).

class QMainWindow;
struct MainWindowControls;

// Design sizes in pixels.
inline constexpr int ToolBarHeight = 30;
inline constexpr int MainPanelWidth = 160;

// MainPanel, from the top: the mini chart, which takes the free height, with the look-ahead
// button and its minimum speed over its top-left corner; the clock; the tool dialog ToolDlg
// while it is shown, its bottom 2 pixels above the route panel WpPanel while that shows, else
// above the message line Notice; then the message line and the readout panels, down to the
// bottom edge. Hidden until the start-up ends.
void BuildMainPanel(QMainWindow& window, MainWindowControls& c);

// Keeps ToolBar1 and MainPanel at the window's edges as the window is resized and as the tool
// bar is shown and hidden.
void KeepBarsAtEdges(QMainWindow& window, MainWindowControls& c);
