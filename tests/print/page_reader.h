#pragma once
// Reads coupon marks back, from the coupon image itself or from a printed page, so that tests
// compare what was printed with the columns that should be there.
#include <QImage>
#include <QPointF>
#include <string>

#include "io/calibration_file.h"
#include "print/coupon_layout.h"

namespace pagereader {

// Where the middle of a coupon-image point lands on the page.
inline QPointF onPage(const QPointF& point, const zuvo::CouponCalibration& c) {
    return {c.x1 + point.x() * (c.x2 - c.x1) / zuvo::kCouponImageWidth,
            c.y1 + point.y() * (c.y2 - c.y1) / zuvo::kCouponImageHeight};
}

inline QPointF markCentre(const zuvo::CouponLayout& layout, int place, int position, char outcome) {
    const QRect mark = zuvo::markRect(layout, place, position, outcome);
    return {mark.x() + mark.width() / 2.0, mark.y() + mark.height() / 2.0};
}

inline bool blackAt(const QImage& image, const QPointF& point) {
    const QPoint pixel(static_cast<int>(point.x()), static_cast<int>(point.y()));
    return image.valid(pixel) && qGray(image.pixel(pixel)) < 128;
}

// The column at `place`: per row the outcome whose mark is black, '-' for none and '*' for
// more than one. `toImage` maps coupon-image points onto `image`.
template <class Map>
std::string readColumn(const QImage& image, const zuvo::CouponLayout& layout, int place,
                       Map toImage) {
    std::string column;
    for (int position = 1; position <= 13; ++position) {
        char found = '-';
        for (char outcome : {'1', '0', '2'}) {
            if (!blackAt(image, toImage(markCentre(layout, place, position, outcome)))) continue;
            found = found == '-' ? outcome : '*';
        }
        column += found;
    }
    return column;
}

inline std::string readImageColumn(const QImage& image, const zuvo::CouponLayout& layout,
                                   int place) {
    return readColumn(image, layout, place, [](const QPointF& p) { return p; });
}

inline std::string readPageColumn(const QImage& page, const zuvo::CouponLayout& layout, int place,
                                  const zuvo::CouponCalibration& c) {
    return readColumn(page, layout, place, [&c](const QPointF& p) { return onPage(p, c); });
}

inline int blackPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return count;
}

}  // namespace pagereader
