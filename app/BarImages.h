#pragma once
// The pictures the main tool bar, the look-ahead button and the symbol and line bars show,
// taken from the main window's image lists.

class ImageList;
class TForm1;

// The main tool bar's buttons and the look-ahead button (image 15) from list.
void ShowToolBarImages(TForm1& form, const ImageList& list);

// The symbol bar (its 17 buttons show the symbols the settings chose), the symbol selection
// and the line bar.
void ShowDrawingBarImages(TForm1& form);

// Symbol button `tag` (0..16) of the symbol bar with the image the settings chose for it.
void ShowSymbolButtonImage(TForm1& form, int tag);

// The colour buttons of the symbol and the line bar, after their glyphs were recoloured.
void ShowColourGlyphs(TForm1& form);
