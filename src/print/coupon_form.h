#pragma once
// Composing coupon forms on the one-bit image and stretching them onto the calibrated rectangle.
#include <QImage>
#include <string>
#include <vector>

#include "io/calibration_file.h"
#include "print/coupon_layout.h"

class QPainter;

namespace zuvo {

// A white 279 x 452 one-bit image.
QImage newCouponImage();

// Marks the first 13 characters of `column` at `place`; other characters leave their row empty.
void composeColumn(QImage& image, const CouponLayout& layout, int place, const std::string& column);

// Every mark of every place: the calibration test pattern.
void composeTestPattern(QImage& image, const CouponLayout& layout);

// Copies the whole image stretched onto (x1, y1)-(x2, y2) in device units.
void paintCoupon(QPainter& painter, const QImage& image, const CouponCalibration& calibration);

}  // namespace zuvo
