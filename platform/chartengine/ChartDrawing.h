#pragma once
// One draw of a symbolization: the objects of a query portrayed by the S-52 look-up tables and
// painted through the draw block's painter. Each object takes the row of its class in the point
// (simplified or paper-chart), line or area (plain or symbolized boundaries) table, its
// conditional procedures are run, objects beyond their minimum scale (SCAMIN) or the display
// category of the parameters are left out, and the rest is drawn by display priority, in the
// order the query gave within one priority. Texts go to the draw companion when the block has
// one (it draws them last), else they are drawn at once; the companion's underlays are drawn
// after the area fills of depth and land.

#include "platform/chartengine/DrawBlock.h"
#include "platform/chartengine/ObjectEnumerator.h"
#include "platform/chartengine/ParameterList.h"
#include "platform/chartengine/SymbolPainter.h"
#include "platform/chartengine/TextPainter.h"

#include <array>

#include <QColor>

namespace chartengine {

// The texts and symbols drawn so far, kept from one draw to the next.
struct DrawingCaches {
    TextPainter texts;
    SymbolPainter symbols;
};

class ChartDrawing {
public:
    // colours: the 63 colours as the painter shows them; pixelsPerMm: the symbology's millimetre.
    ChartDrawing(const DrawBlock& block, const ParameterList& parameters, const std::array<QColor, 63>& colours,
                 double pixelsPerMm, DrawingCaches& caches);

    // kInvalidArgument without a painter or a projection.
    HResult Draw(ObjectEnumerator& objects);

private:
    const DrawBlock& block_;
    const ParameterList& parameters_;
    std::array<QColor, 63> colours_;
    double pixelsPerMm_;
    DrawingCaches& caches_;
};

}  // namespace chartengine
