#pragma once
// The draw companion of a view: it finishes each chart draw. The symbolization hands it the
// chart's texts while it draws the objects, and the companion draws them over everything else
// once the objects are done, so that no area or symbol covers a name. Important texts (display
// groups below 20) go first; a text that would overlap one already drawn is left out, so that
// every text shown can be read. Others may lay an underlay through it: drawn over the chart's
// area fills and under its lines, soundings, symbols and texts.

#include "platform/chartengine/DrawBlock.h"
#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/ParameterList.h"
#include "platform/chartengine/TextPainter.h"

#include <functional>
#include <memory>
#include <vector>

namespace chartengine {

class DrawCompanion {
public:
    // A text of the draw under way.
    void Defer(TextItem text);
    // Draws the texts handed over since the last close with the block's painter (pixels);
    // kInvalidArgument without one.
    HResult Draw(const DrawBlock& block, const ParameterList& parameters);
    // Ends the draw: the texts are dropped.
    HResult Close();

    // painter's transform takes device points (pixels from the window centre, y up) to pixels.
    using Underlay = std::function<void(QPainter& painter, const DrawBlock& block)>;
    // Drawn by every chart draw for as long as its owner holds it.
    void AddUnderlay(std::weak_ptr<const Underlay> underlay);
    // The underlays still held, in the order they were added.
    void DrawUnderlays(QPainter& painter, const DrawBlock& block);

private:
    std::vector<TextItem> texts_;
    std::vector<std::weak_ptr<const Underlay>> underlays_;
    TextPainter painter_;
};

}  // namespace chartengine
