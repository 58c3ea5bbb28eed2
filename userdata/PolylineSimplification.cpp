#include "userdata/PolylineSimplification.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace {

PlanePoint Minus(const PlanePoint& p, const PlanePoint& q)
{
    return {p.x - q.x, p.y - q.y};
}

double Dot(const PlanePoint& p, const PlanePoint& q)
{
    return p.x * q.x + p.y * q.y;
}

double Length(const PlanePoint& v)
{
    return std::sqrt(Dot(v, v));
}

// The chord from a to b, measured against points. Distances are compared squared: the order is
// the same and the loops over the points need no root.
class Chord {
public:
    Chord(const PlanePoint& a, const PlanePoint& b)
        : a_(a), b_(b), along_(Minus(b, a)), squaredLength_(Dot(along_, along_)),
          inverseSquaredLength_(squaredLength_ > 0.0 ? 1.0 / squaredLength_ : 0.0)
    {
    }

    // P's offset from the chord's line, square to it (a chord of some length only).
    PlanePoint perpendicular(const PlanePoint& p) const
    {
        const PlanePoint v = Minus(p, a_);
        const double f = Dot(along_, v) * inverseSquaredLength_;
        return {v.x - f * along_.x, v.y - f * along_.y};
    }

    // From P to the segment: beyond either end (or when the ends coincide) to that end.
    double squaredDistance(const PlanePoint& p) const
    {
        const PlanePoint v = Minus(p, a_);
        const double along = Dot(along_, v);
        if (squaredLength_ == 0.0 || along < 0.0)
            return Dot(v, v);
        if (along > squaredLength_) {
            const PlanePoint w = Minus(p, b_);
            return Dot(w, w);
        }
        const double across = along_.x * v.y - along_.y * v.x;
        return across * across * inverseSquaredLength_;
    }

private:
    PlanePoint a_;
    PlanePoint b_;
    PlanePoint along_;
    double squaredLength_;
    double inverseSquaredLength_;
};

// "On the same side" as the adjustment counts it: offsets whose x and whose y components are
// both negative or both not.
bool SameSide(const PlanePoint& p, const PlanePoint& q)
{
    return (p.x < 0.0) == (q.x < 0.0) && (p.y < 0.0) == (q.y < 0.0);
}

struct Farthest {
    int32_t index = -1;  // -1: no point beyond the tolerance
    double squaredDistance = 0.0;
};

// The farthest points of the two halves a-k and k-b of a part, where already found.
struct Halves {
    std::optional<Farthest> before;
    std::optional<Farthest> after;
};

// A part of the polyline to split: from a to b, c being the end of the part that encloses it.
struct Part {
    int32_t a;
    int32_t b;
    int32_t c;
    int32_t depth;
    Halves known;  // of a-b and b-c, found by the adjustment of b at its final position
};

class Simplifier {
public:
    Simplifier(std::span<const PlanePoint> points, double tolerance, bool adjust)
        : points_(points.begin(), points.end()),
          kept_(points.size(), false),
          count_(int32_t(points.size())),
          tolerance_(tolerance),
          squaredTolerance_(tolerance * tolerance),
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
            split({lowest, highest, lowest, 0, {}});
        } else {
            kept_[0] = true;
            split({0, count_ - 1, 0, 0, {}});
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
            const double d = chord.squaredDistance(points_[size_t(k)]);
            if (d > squaredTolerance_ && d > found.squaredDistance)
                found = {k, d};
        }
        return found;
    }

    // No point between a and b lies beyond the tolerance of the chord a-b.
    bool covered(int32_t a, int32_t b) const
    {
        const Chord chord(points_[size_t(a)], points_[size_t(b)]);
        for (int32_t k = next(a); k != b; k = next(k)) {
            if (chord.squaredDistance(points_[size_t(k)]) > squaredTolerance_)
                return false;
        }
        return true;
    }

    // Moves the new kept point k, between a and b, sideways towards the points its two chords
    // miss, when there is a position within AdjustmentSteps halvings or growths of the step
    // from which both chords cover their points; otherwise k stays where it is. Returns what
    // it found of the halves a-k and k-b at k's final position.
    Halves adjust(int32_t k, int32_t a, int32_t b)
    {
        // Both halves need a point beyond the tolerance; the shorter is searched first.
        const bool beforeIsShorter = (k - a + count_) % count_ <= (b - k + count_) % count_;
        const Farthest shorter = beforeIsShorter ? farthest(a, k) : farthest(k, b);
        if (shorter.index < 0)
            return beforeIsShorter ? Halves{shorter, std::nullopt} : Halves{std::nullopt, shorter};
        const Farthest longer = beforeIsShorter ? farthest(k, b) : farthest(a, k);
        const Farthest& before = beforeIsShorter ? shorter : longer;
        const Farthest& after = beforeIsShorter ? longer : shorter;
        const Halves unmoved{before, after};
        if (longer.index < 0)
            return unmoved;

        PlanePoint& moved = points_[size_t(k)];
        const PlanePoint start = moved;
        const PlanePoint& pa = points_[size_t(a)];
        const PlanePoint& pb = points_[size_t(b)];
        const PlanePoint towardFromA = Minus(start, pa);
        const PlanePoint towardFromB = Minus(start, pb);
        const double lengthFromA = Length(towardFromA);
        const double lengthFromB = Length(towardFromB);
        if (lengthFromA == 0.0 || lengthFromB == 0.0)
            return unmoved;

        // Each distance counts against the move when its point lies on the side of the other
        // end of the part.
        const Chord chordA(pa, start);
        const Chord chordB(start, pb);
        double d1 = std::sqrt(before.squaredDistance);
        double d2 = std::sqrt(after.squaredDistance);
        if (SameSide(chordA.perpendicular(points_[size_t(before.index)]), chordA.perpendicular(pb)))
            d1 = -d1;
        if (SameSide(chordB.perpendicular(points_[size_t(after.index)]), chordB.perpendicular(pa)))
            d2 = -d2;
        PlanePoint direction{d1 * towardFromB.x / lengthFromB + d2 * towardFromA.x / lengthFromA,
                             d1 * towardFromB.y / lengthFromB + d2 * towardFromA.y / lengthFromA};
        const double directionLength = Length(direction);
        if (directionLength == 0.0)
            return unmoved;
        direction = {direction.x / directionLength, direction.y / directionLength};

        double step = tolerance_;
        const auto tryStep = [&] {
            moved = {start.x + step * direction.x, start.y + step * direction.y};
            return covered(a, k) && covered(k, b);
        };
        bool good = tryStep();
        if (!good) {
            // A search of the step: longer after a good position, shorter after one that is
            // not; the last position stands only when it is good.
            for (int n = 0; n < AdjustmentSteps; ++n) {
                step *= good ? 1.5 : 0.5;
                good = tryStep();
            }
        }
        // Where the move stands both halves are covered.
        if (good)
            return {Farthest{}, Farthest{}};
        moved = start;
        return unmoved;
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
            // their splits run does not change the result, nor what the adjustment found.
            const Farthest inFirst =
                part.known.before ? *part.known.before : farthest(part.a, part.b);
            if (inFirst.index >= 0) {
                const Halves halves = adjust_ ? adjust(inFirst.index, part.a, part.b) : Halves{};
                pending.push_back({part.a, inFirst.index, part.b, part.depth + 1, halves});
            }
            // A ring whose lowest point is also its highest has one part, not two.
            if (part.a == part.b && part.b == part.c)
                continue;
            const Farthest inSecond =
                part.known.after ? *part.known.after : farthest(part.b, part.c);
            if (inSecond.index >= 0) {
                const Halves halves = adjust_ ? adjust(inSecond.index, part.b, part.c) : Halves{};
                pending.push_back({part.b, inSecond.index, part.c, part.depth + 1, halves});
            }
        }
    }

    std::vector<PlanePoint> points_;
    std::vector<bool> kept_;
    int32_t count_;
    double tolerance_;
    double squaredTolerance_;
    bool adjust_;
};

}  // namespace

std::vector<KeptPoint> SimplifyPolyline(std::span<const PlanePoint> points, double tolerance,
                                         bool adjust)
{
    if (points.size() < 2)
        return {};
    return Simplifier(points, tolerance > 0.0 ? tolerance : 0.0, adjust).run();
}
