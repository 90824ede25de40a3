#include "print/coupon_form.h"

#include <QPainter>
#include <algorithm>

namespace zuvo {

namespace {

constexpr char kOutcomes[3] = {'1', '0', '2'};
// Colour-table indices of the one-bit image.
constexpr uint kWhite = 0;
constexpr uint kBlack = 1;

// QPainter cannot draw on a one-bit image, so the marks are set pixel by pixel.
void fillMark(QImage& image, const QRect& rect) {
    const QRect clipped = rect.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) image.setPixel(x, y, kBlack);
}

}  // namespace

QImage newCouponImage() {
    QImage image(kCouponImageWidth, kCouponImageHeight, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(kWhite);
    return image;
}

void composeColumn(QImage& image, const CouponLayout& layout, int place,
                   const std::string& column) {
    const int rows = static_cast<int>(std::min<size_t>(column.size(), 13));
    for (int position = 1; position <= rows; ++position) {
        const QRect mark =
            markRect(layout, place, position, column[static_cast<size_t>(position - 1)]);
        if (!mark.isNull()) fillMark(image, mark);
    }
}

void composeTestPattern(QImage& image, const CouponLayout& layout) {
    for (int place = 1; place <= kColumnsPerForm; ++place)
        for (int position = 1; position <= 13; ++position)
            for (char outcome : kOutcomes)
                fillMark(image, markRect(layout, place, position, outcome));
}

void paintCoupon(QPainter& painter, const QImage& image, const CouponCalibration& calibration) {
    const QRect target(QPoint(calibration.x1, calibration.y1),
                       QSize(calibration.x2 - calibration.x1, calibration.y2 - calibration.y1));
    if (target.isEmpty()) return;  // edges given the wrong way round: nothing sensible to print
    // Marks must stay solid one-bit blocks, so no smoothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, image, image.rect());
}

}  // namespace zuvo
