#include "platform/chartengine/DrawCompanion.h"

#include <QPainter>

#include <algorithm>

namespace chartengine {

void DrawCompanion::Defer(TextItem text) { texts_.push_back(std::move(text)); }

HResult DrawCompanion::Draw(const DrawBlock& block, const ParameterList&)
{
    if (!block.painter)
        return kInvalidArgument;
    std::stable_sort(texts_.begin(), texts_.end(), [](const TextItem& a, const TextItem& b) {
        return (a.style.group < 20) > (b.style.group < 20);
    });
    QPainter& painter = *block.painter;
    painter.save();
    painter.resetTransform();
    std::vector<QRectF> taken;
    for (const TextItem& text : texts_) {
        const QRectF bounds = painter_.Bounds(text);
        if (std::any_of(taken.begin(), taken.end(), [&](const QRectF& r) { return r.intersects(bounds); }))
            continue;
        taken.push_back(bounds);
        painter_.Draw(painter, text);
    }
    painter.restore();
    return kOk;
}

void DrawCompanion::AddUnderlay(std::weak_ptr<const Underlay> underlay) { underlays_.push_back(std::move(underlay)); }

void DrawCompanion::DrawUnderlays(QPainter& painter, const DrawBlock& block)
{
    std::erase_if(underlays_, [](const std::weak_ptr<const Underlay>& u) { return u.expired(); });
    for (const std::weak_ptr<const Underlay>& underlay : underlays_)
        if (const std::shared_ptr<const Underlay> held = underlay.lock()) {
            painter.save();
            (*held)(painter, block);
            painter.restore();
        }
}

HResult DrawCompanion::Close()
{
    texts_.clear();
    return kOk;
}

}  // namespace chartengine
