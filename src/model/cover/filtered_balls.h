#pragma once
// Balls among the points a filter admits, each point named by its place among them: the local
// search then runs on the admitted points alone, as centres and as points to cover, unchanged.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/cover/engine.h"
#include "model/cover/filter.h"

namespace zuvo::cover::detail {

class FilteredBalls {
  public:
    // Listed when that takes no more than this many entries (four bytes each), else walked.
    static constexpr std::uint64_t kMaxListed = std::uint64_t{4} << 20;

    template <class Expired>
    FilteredBalls(const Filter& filter, int radius, Expired&& expired)
        : filter_(filter), stride_(filter.space(), radius) {
        const auto& points = filter.points();
        const std::uint64_t m = points.size();
        if (m * stride_.ballSize() > kMaxListed) {
            complete_ = true;
            return;
        }
        listed_ = true;
        offset_.reserve(m + 1);
        offset_.push_back(0);
        for (std::size_t i = 0; i < m; ++i) {
            if ((i & 0xFFF) == 0 && expired()) return;
            walk(static_cast<Point>(i), [&](Point k) { entries_.push_back(k); });
            offset_.push_back(static_cast<std::uint32_t>(entries_.size()));
        }
        complete_ = true;
    }
    bool complete() const { return complete_; }
    Point points() const { return static_cast<Point>(filter_.points().size()); }
    std::size_t ballSize() const { return stride_.ballSize(); }
    template <class F>
    void forEach(Point i, F&& f) const {
        if (!listed_) return walk(i, f);
        for (std::uint32_t e = offset_[i]; e < offset_[i + 1]; ++e) f(entries_[e]);
    }

  private:
    template <class F>
    void walk(Point i, F&& f) const {
        stride_.forEach(filter_.points()[i], [&](Point q) {
            const Point k = filter_.place(q);
            if (k != Filter::kOut) f(k);
        });
    }

    const Filter& filter_;
    StrideBalls stride_;
    bool listed_ = false;
    bool complete_ = false;
    std::vector<std::uint32_t> offset_;
    std::vector<Point> entries_;
};

}  // namespace zuvo::cover::detail
