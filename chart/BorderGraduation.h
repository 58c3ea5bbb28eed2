#pragma once
// The latitude / longitude graduation of the main chart: a grid with graduated borders and
// degree / minute labels, a double frame round the chart and a distance scale bar along the
// left edge whose segments are a fixed distance per chart level. Angles are in 1/18000 degree
// (one minute = 300, also one nautical mile of latitude).

#include <array>
#include <cstdint>
#include <string>

struct ChartWindow;
class QPainter;

inline constexpr int32_t GraduationDegree = 18000;

// The grid steps to choose from, 0.01' to 120 degrees; latitude takes entries 0..24, longitude
// 0..25.
extern const std::array<float, 28> GraduationSteps;

// The step for a span: the first of entries 0..last - 1 at least span / parts, else entry last.
int GraduationStepIndex(double span, int parts, int last);
// The label precision of a step entry: 2 minutes with a decimal, 1 whole minutes, 0 degrees.
int GraduationPrecision(int stepIndex);
// The scale-bar segment (1/18000 degree) and its user colour at a chart level.
struct ScaleBarSegment {
    int32_t length;
    int32_t colour;
};
ScaleBarSegment ScaleBarSegmentAt(int32_t chartLevel);

// The ticks of one axis, in 1/18000 degree: every minor step from start up to end (latitude:
// end included; longitude: end excluded, the values unfolded past 180 degrees), a labelled grid
// line on every fifth counted from start - phase minor steps.
struct GraduationAxis {
    double step = 0;
    double minor = 0;
    int precision = 0;
    double start = 0;
    double end = 0;
    int phase = 0;
};
// From the view's southern and northern edge: a step of a third of the span at least, the ticks
// held inside +-90 degrees.
GraduationAxis LatitudeGraduation(double south, double north);
// From the view's western and eastern edge, the eastern one above the western across 180.
GraduationAxis LongitudeGraduation(double west, double east);

// "150", "12 05'", "0 30.1'": whole degrees and minutes of the value's absolute amount, at most
// 180 degrees, without a hemisphere letter; empty for an unknown precision.
std::string FormatGraduationLabel(int32_t value, int precision);

// Draws the graduation of the main view's last redraw (ViewGeoRect) on the canvas; nothing for
// an empty view or one spanning 180 degrees of latitude or more.
void DrawBorderGraduation(ChartWindow& window, QPainter& canvas);
