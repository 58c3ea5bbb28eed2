#pragma once
// The "Boat" page of the tool dialog: the off-centre display, the own-ship vector, the track
// conversion, the waypoint lane and radius and the magnetic variation.

class TForm1;

void ConnectBoatPage(TForm1& form);
