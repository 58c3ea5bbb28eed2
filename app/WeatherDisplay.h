#pragma once
// The weather forecast on the main chart: the layer the weather client draws, the values at the
// readout position (the cursor, or the weather point a click fixed) with the dialog's graph, and
// their readout on the dynamic overlay. Main thread only.

#include <cstdint>

class QPainter;
class TForm1;

// The values at the readout position; a value is valid below 1.0e9.
struct WeatherReadoutValues {
    uint8_t windValid = 0;
    double windEast = 0, windNorth = 0;
    uint8_t temperatureValid = 0;
    double temperature = 0;  // K
    uint8_t precipitationValid = 0;
    double precipitation = 0;  // mm/h
    uint8_t pressureValid = 0;
    double pressure = 0;  // Pa
    uint8_t wavesValid = 0;
    double waveHeight = 0, waveDirection = 0;  // m, degrees coming from
    uint8_t currentValid = 0;
    double currentEast = 0, currentNorth = 0;
};
extern WeatherReadoutValues WeatherReadout;

// Draws the ticked layers of the weather client into WeatherBitmap (nothing without a weather
// manager; an empty layer without a client).
void PaintWeatherLayer(TForm1& form);
// Reads the values at the readout position and rebuilds the dialog's graph.
void ShowWeatherAtCursor(TForm1& form);
// The readout of the dialog's selected layer on the dynamic overlay's canvas.
void PaintWeatherReadout(TForm1& form, QPainter& canvas);
// The weather dialog's hooks into the main window.
void WireWeatherDialog(TForm1& form);
