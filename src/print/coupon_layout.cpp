#include "print/coupon_layout.h"

namespace zuvo {

namespace {

// Measured on the operator's forms, in coupon-image pixels.
constexpr CouponLayout kLayoutA{13, 2, 13, {0, 24, 48}, 71, 0, 0, 208, 1};
constexpr CouponLayout kLayoutB{13, 3, 13, {0, 23, 46}, 69, 0, 1, 201, 3};

int outcomeIndex(char outcome) {
    switch (outcome) {
        case '1':
            return 0;
        case '0':
            return 1;
        case '2':
            return 2;
        default:
            return -1;
    }
}

}  // namespace

const CouponLayout* couponLayout(int couponType) {
    switch (couponType) {
        case 0:
            return &kLayoutA;
        case 1:
            return &kLayoutB;
        default:
            return nullptr;
    }
}

QRect markRect(const CouponLayout& layout, int place, int position, char outcome) {
    const int box = outcomeIndex(outcome);
    if (place < 1 || place > kColumnsPerForm || position < 1 || position > 13 || box < 0) return {};
    const bool upper = place <= 4;
    const int slot = (place - 1) % 4;
    const int left = (upper ? layout.upperLeft : layout.lowerLeft) + layout.columnPitch * slot +
                     layout.boxOffset[static_cast<size_t>(box)];
    const int top = (upper ? layout.upperTop : layout.lowerTop) + layout.rowPitch * (position - 1);
    return QRect(left, top, layout.markWidth, layout.markHeight);
}

}  // namespace zuvo
