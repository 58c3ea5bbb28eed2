#pragma once
// The LORAN-C time differences or the Decca lane readings of a position in the LORAN panel's value
// labels, beside the cursor readout's latitude and longitude.

#include "platform/geodesy/GeoTypes.h"

class TForm1;

// With the LORAN-C readout on, the selected chain's time differences V to Z as "%09.3f" into
// txLnVal1..txLnVal5; a slot the chain has no secondary for, or where the model has no value (at
// a station), stays empty rather than showing a zero that looks like a reading. With the Decca
// readout on, the red, green and purple readings into txLnVal2..txLnVal4, over the LORAN-C values
// should both be on. Nothing while the converter does not exist.
void ShowNavigationAidReadings(TForm1& form, const cmgbase::GeoPoint& position);
