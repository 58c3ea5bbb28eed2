#pragma once
// The LORAN-C and Decca rows of the Setup page and the chain panel. The two readouts are
// exclusive; the LORAN panel takes the labels, rows, height and colours of the one shown, and the
// chain panel the chain list of its converter (with the Decca lane corrections). TForm1's
// ckLoranPosClick, ckDeccaPosClick, cmbLoranChange, btnChainOkClick and csRedCorrChange,
// csGreenCorrChange, csPurpleCorrChange are in LoranDeccaRows.cpp.

#include <cstdint>

// Selects the Decca chain at `index` of the chain table (0..5) and gives it the stored lane
// corrections (hundredths of a lane); false, with nothing changed, for an index outside the
// table or while the converter does not exist.
bool SelectStoredDeccaChain(int32_t index);
