#pragma once
// The symbol bar at the chart's left edge with its palette SymbSelection, and the tool bar's
// SymbolBtn. The bar's tools (delete, move, place) only set the editing state; the chart's
// clicks then do the work. The symbol buttons choose the current symbol, the palette the symbol
// a button holds, the colour buttons the symbol colour.

#include <array>
#include <cstdint>

class TForm1;

// The symbol code of each symbol image 0..49 of ImageList2.
inline constexpr std::array<uint8_t, 50> SymbolCodeTable{
    30, 1,  3,  18, 8,  19, 20, 9,  27, 28, 0,  2,  21, 4,  29, 22, 23, 24, 25, 26, 31, 32, 33, 34, 35,
    11, 36, 37, 10, 14, 15, 16, 38, 39, 40, 13, 41, 42, 12, 17, 7,  5,  6,  43, 44, 45, 46, 47, 48, 49};

// The bar's buttons, the palette's and SymbolBtn to their handlers; of the symbol buttons and of
// the colours one is down at a time.
void ConnectSymbolBar(TForm1& f);

// SymbolBtn: a pending object pick is given up, and the symbol dialog shown.
void SymbolExecute(TForm1& f);
// Symbol button `tag` (0..16) becomes the bar's chosen button; its symbol the current one.
void SyExecute(TForm1& f, int tag);
// SymbSelBtn: the palette shown, or hidden when it is.
void SyChange(TForm1& f);
// Palette image `image` (0..49) goes on the chosen symbol button and its symbol becomes current.
void SymbToolBtnClick(TForm1& f, int image);
// The symbol of the bar's chosen button (the current symbol may be a mark key's code meanwhile).
uint8_t ChosenBarSymbol();
// The symbol colour, 1..6.
void SymbolColourClick(int colour);

void sy_delExecute(TForm1& f);
void sy_editExecute(TForm1& f);
void sy_drawExecute(TForm1& f);
// Finish: ends the action under way (its tool raised) and keeps the bar; with none, closes the bar.
void SyOkExecute(TForm1& f);
// The bar finished and closed whatever was under way, as opening another bar does.
void CloseSymbolBar(TForm1& f);
