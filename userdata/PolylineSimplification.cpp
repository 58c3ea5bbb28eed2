#include "userdata/PolylineSimplification.h"

#include <cmath>
#include <cstdint>

namespace {

PlanePoint Minus(const PlanePoint& p, const PlanePoint& q)
{
    return {p.x - q.x, p.y - q.y};
}

double Length(const PlanePoint& v)
{
    return std::sqrt(v.x * v.x + v.y * v.y);
}

// The chord from a to b, measured against points.
class Chord {
public:
    Chord(const PlanePoint& a, const PlanePoint& b)
        : a_(a), b_(b), along_(Minus(b, a)), length_(Length(along_))
    {
    }

    bool degenerate() const { return length_ == 0.0; }

    // P's offset from the chord's line, square to it (a non-degenerate chord only).
    PlanePoint perpendicular(const PlanePoint& p) const
    {
        const PlanePoint v = Minus(p, a_);
        const double t = (along_.x * v.x + along_.y * v.y) / length_;
        return {v.x - t * along_.x / length_, v.y - t * along_.y / length_};
    }

    double distance(const PlanePoint& p) const
    {
        const PlanePoint v = Minus(p, a_);
        if (degenerate())
            return Length(v);
        const double t = (along_.x * v.x + along_.y * v.y) / length_;
        const double f = t / length_;
        if (f < 0.0)
            return Length(v);
        if (f > 1.0)
            return Length(Minus(p, b_));
        return Length({v.x - t * along_.x / length_, v.y - t * along_.y / length_});
    }

private:
    PlanePoint a_;
    PlanePoint b_;
    PlanePoint along_;
    double length_;
};

// "On the same side" as the adjustment counts it: offsets whose x and whose y components are
// both negative or both not.
bool SameSide(const PlanePoint& p, const PlanePoint& q)
{
    return (p.x < 0.0) == (q.x < 0.0) && (p.y < 0.0) == (q.y < 0.0);
}

struct Farthest {
    int32_t index = -1;  // -1: no point beyond the tolerance
    double distance = 0.0;
};

// A part of the polyline to split: from a to b, c being the end of the part that encloses it.
struct Part {
    int32_t a;
    int32_t b;
    int32_t c;
    int32_t depth;
};

class Simplifier {
public:
    Simplifier(std::span<const PlanePoint> points, double tolerance, bool adjust)
        : points_(points.begin(), points.end()),
          kept_(points.size(), false),
          count_(int32_t(points.size())),
          tolerance_(tolerance),
          adjust_(adjust)
    {
    }

    std::vector<KeptPoint> run()
    {
        const PlanePoint& first = points_.front();
        const PlanePoint& last = points_.back();
        const bool ring = first.x == last.x && first.y == last.y;
        if (ring) {
            int32_t lowest = 0;
            int32_t highest = 0;
            for (int32_t k = 1; k < count_; ++k) {
                if (points_[size_t(k)].y < points_[size_t(lowest)].y)
                    lowest = k;
                if (points_[size_t(k)].y > points_[size_t(highest)].y)
                    highest = k;
            }
            kept_[size_t(lowest)] = true;
            split({lowest, highest, lowest, 0});
        } else {
            kept_[0] = true;
            split({0, count_ - 1, 0, 0});
        }

        std::vector<KeptPoint> result;
        for (int32_t k = 0; k < count_; ++k) {
            if (kept_[size_t(k)])
                result.push_back({points_[size_t(k)], k});
        }
        if (ring)
            result.push_back(result.front());
        return result;
    }

private:
    int32_t next(int32_t k) const { return k + 1 == count_ ? 0 : k + 1; }

    // The point between a and b (walking forward, past the end to 0) farthest from the chord
    // a-b beyond the tolerance; of equals the first.
    Farthest farthest(int32_t a, int32_t b) const
    {
        const Chord chord(points_[size_t(a)], points_[size_t(b)]);
        Farthest found;
        for (int32_t k = next(a); k != b; k = next(k)) {
            const double d = chord.distance(points_[size_t(k)]);
            if (d > tolerance_ && d > found.distance)
                found = {k, d};
        }
        return found;
    }

    // No point between a and b lies beyond the tolerance of the chord a-b.
    bool covered(int32_t a, int32_t b) const
    {
        const Chord chord(points_[size_t(a)], points_[size_t(b)]);
        for (int32_t k = next(a); k != b; k = next(k)) {
            if (chord.distance(points_[size_t(k)]) > tolerance_)
                return false;
        }
        return true;
    }

    // Moves the new kept point k, between a and b, sideways towards the points its two chords
    // miss, when there is a position within AdjustmentSteps halvings or growths of the step
    // from which both chords cover their points; otherwise k stays where it is.
    void adjust(int32_t k, int32_t a, int32_t b)
    {
        // Both parts need a point beyond the tolerance; the shorter is searched first.
        const auto searchPart = [&](bool beforeK) { return beforeK ? farthest(a, k) : farthest(k, b); };
        const bool beforeIsShorter = (k - a + count_) % count_ <= (b - k + count_) % count_;
        const Farthest shorter = searchPart(beforeIsShorter);
        if (shorter.index < 0)
            return;
        const Farthest longer = searchPart(!beforeIsShorter);
        if (longer.index < 0)
            return;
        const Farthest& before = beforeIsShorter ? shorter : longer;
        const Farthest& after = beforeIsShorter ? longer : shorter;

        PlanePoint& moved = points_[size_t(k)];
        const PlanePoint start = moved;
        const PlanePoint& pa = points_[size_t(a)];
        const PlanePoint& pb = points_[size_t(b)];
        const PlanePoint towardFromA = Minus(start, pa);
        const PlanePoint towardFromB = Minus(start, pb);
        const double lengthFromA = Length(towardFromA);
        const double lengthFromB = Length(towardFromB);
        if (lengthFromA == 0.0 || lengthFromB == 0.0)
            return;

        const Chord chordA(pa, start);
        const Chord chordB(start, pb);
        double d1 = before.distance;
        double d2 = after.distance;
        if (SameSide(chordA.perpendicular(points_[size_t(before.index)]), chordA.perpendicular(pb)))
            d1 = -d1;
        if (SameSide(chordB.perpendicular(points_[size_t(after.index)]), chordB.perpendicular(pa)))
            d2 = -d2;
        PlanePoint direction{d1 * towardFromB.x / lengthFromB + d2 * towardFromA.x / lengthFromA,
                             d1 * towardFromB.y / lengthFromB + d2 * towardFromA.y / lengthFromA};
        const double directionLength = Length(direction);
        if (directionLength == 0.0)
            return;
        direction = {direction.x / directionLength, direction.y / directionLength};

        double step = tolerance_;
        const auto tryStep = [&] {
            moved = {start.x + step * direction.x, start.y + step * direction.y};
            return covered(a, k) && covered(k, b);
        };
        bool good = tryStep();
        if (good)
            return;
        // A search of the step: longer after a good position, shorter after one that is not;
        // the last position stands only when it is good.
        for (int n = 0; n < AdjustmentSteps; ++n) {
            step *= good ? 1.5 : 0.5;
            good = tryStep();
        }
        if (!good)
            moved = start;
    }

    // Marks b kept and splits the parts a-b and b-c at their farthest points, depth first.
    void split(const Part& whole)
    {
        std::vector<Part> pending{whole};
        while (!pending.empty()) {
            const Part part = pending.back();
            pending.pop_back();
            if (part.depth > MaxSplitDepth)
                continue;
            kept_[size_t(part.b)] = true;
            // The parts a-b and b-c share no point between their ends, so the order in which
            // their splits run does not change the result.
            const Farthest inFirst = farthest(part.a, part.b);
            if (inFirst.index >= 0) {
                if (adjust_)
                    adjust(inFirst.index, part.a, part.b);
                pending.push_back({part.a, inFirst.index, part.b, part.depth + 1});
            }
            const Farthest inSecond = farthest(part.b, part.c);
            if (inSecond.index >= 0) {
                if (adjust_)
                    adjust(inSecond.index, part.b, part.c);
                pending.push_back({part.b, inSecond.index, part.c, part.depth + 1});
            }
        }
    }

    std::vector<PlanePoint> points_;
    std::vector<bool> kept_;
    int32_t count_;
    double tolerance_;
    bool adjust_;
};

}  // namespace

std::vector<KeptPoint> SimplifyPolyline(std::span<const PlanePoint> points, double tolerance,
                                         bool adjust)
{
    if (points.size() < 2)
        return {};
    return Simplifier(points, tolerance, adjust).run();
}
