#pragma once
// The route panel WpPanel while a route is followed: its texts (userdata/RouteEtaPanel.h), the
// steering arrow in PaintCrs and the cross-track bar in paintXTE.

class QColor;
class QPainter;
class QRect;
class TForm1;
struct MainWindowControls;

// Writes the panel's texts from the route state now and repaints the arrow and the bar.
void ShowRouteEtaPanel(TForm1& f);

// PaintCrs and paintXTE paint themselves from route following's values.
void InstallRoutePanelPainters(MainWindowControls& c);

// The steering arrow, 45 x 45 pixels around (22, 22), turned by `deviation` degrees (course
// over ground less the bearing to steer) and filled in `colour`, on the button face.
void PaintSteeringArrow(QPainter& canvas, double deviation, const QColor& colour);

// The cross-track bar in `box`: from the middle to the left while the own ship is to port of the
// track (positive `crossTrack`, user colour 1), to the right while to starboard (user colour 3),
// the whole half width at the lane's edge (`lane` in 0.01 nm) and beyond.
void PaintCrossTrackBar(QPainter& canvas, const QRect& box, double crossTrack, int lane);
