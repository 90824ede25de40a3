#pragma once
// Geometry of the two coupon forms on the 279 x 452 one-bit image.
#include <QRect>
#include <array>

namespace zuvo {

constexpr int kCouponImageWidth = 279;
constexpr int kCouponImageHeight = 452;
constexpr int kColumnsPerForm = 8;

struct CouponLayout {
    int markWidth;
    int markHeight;
    int rowPitch;
    std::array<int, 3> boxOffset;  // outcomes '1', '0', '2'
    int columnPitch;
    int upperTop;
    int upperLeft;
    int lowerTop;
    int lowerLeft;
};

// nullptr for a coupon type other than A (0) or B (1).
const CouponLayout* couponLayout(int couponType);

// The mark of `outcome` ('1', '0', '2') at `position` (1..13) of column place `place` (1..8).
QRect markRect(const CouponLayout& layout, int place, int position, char outcome);

}  // namespace zuvo
