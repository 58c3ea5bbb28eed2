#pragma once
// The "2D/3D" page of the tool dialog: the data, palette, depth range, contours, relief, marks,
// depth scale, tide correction and dot size of the 3D views. Most changes reach the 3D library
// at the one-second tick's 3D refresh.

class TForm1;

void ConnectViewPage(TForm1& form);
