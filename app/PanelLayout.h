#pragma once
// Places of the floating panels beside the main window's bars.

class QWidget;
class TForm1;

// `panel` at the window's bottom with its right edge at MainPanel's left edge.
void PlaceBesideMainPanel(TForm1& form, QWidget& panel);
