#include "print/coupon_form.h"

#include <gtest/gtest.h>

#include "print/coupon_layout.h"
#include "print/page_reader.h"

namespace {

using pagereader::blackPixels;
using pagereader::readImageColumn;
using zuvo::couponLayout;
using zuvo::markRect;

const zuvo::CouponLayout& layoutA() {
    return *couponLayout(0);
}
const zuvo::CouponLayout& layoutB() {
    return *couponLayout(1);
}

TEST(CouponLayout, MarksOfFormA) {
    EXPECT_EQ(markRect(layoutA(), 6, 13, '2'), QRect(120, 364, 13, 2));
    EXPECT_EQ(markRect(layoutA(), 1, 1, '1'), QRect(0, 0, 13, 2));
    EXPECT_EQ(markRect(layoutA(), 1, 2, '0'), QRect(24, 13, 13, 2));
    EXPECT_EQ(markRect(layoutA(), 4, 1, '2'), QRect(213 + 48, 0, 13, 2));
    EXPECT_EQ(markRect(layoutA(), 5, 1, '1'), QRect(1, 208, 13, 2));
    EXPECT_EQ(markRect(layoutA(), 8, 13, '0'), QRect(1 + 213 + 24, 208 + 156, 13, 2));
}

TEST(CouponLayout, MarksOfFormB) {
    EXPECT_EQ(markRect(layoutB(), 1, 1, '1'), QRect(1, 0, 13, 3));
    EXPECT_EQ(markRect(layoutB(), 2, 3, '0'), QRect(1 + 69 + 23, 26, 13, 3));
    EXPECT_EQ(markRect(layoutB(), 4, 13, '2'), QRect(1 + 207 + 46, 156, 13, 3));
    EXPECT_EQ(markRect(layoutB(), 5, 1, '1'), QRect(3, 201, 13, 3));
    EXPECT_EQ(markRect(layoutB(), 6, 13, '2'), QRect(3 + 69 + 46, 201 + 156, 13, 3));
}

TEST(CouponLayout, NoMarkOutsidePlacesPositionsOrOutcomes) {
    EXPECT_TRUE(markRect(layoutA(), 0, 1, '1').isNull());
    EXPECT_TRUE(markRect(layoutA(), 9, 1, '1').isNull());
    EXPECT_TRUE(markRect(layoutA(), 1, 14, '1').isNull());
    EXPECT_TRUE(markRect(layoutA(), 1, 1, 'x').isNull());
}

TEST(CouponForm, ImageIsWhiteOneBitOfTheFormSize) {
    const QImage image = zuvo::newCouponImage();
    EXPECT_EQ(image.size(), QSize(279, 452));
    EXPECT_EQ(image.depth(), 1);
    EXPECT_EQ(blackPixels(image), 0);
}

TEST(CouponForm, ColumnFillsExactlyItsThirteenMarks) {
    for (int type : {0, 1}) {
        const zuvo::CouponLayout& layout = *couponLayout(type);
        QImage image = zuvo::newCouponImage();
        zuvo::composeColumn(image, layout, 6, "1021021021020");
        EXPECT_EQ(readImageColumn(image, layout, 6), "1021021021020");
        EXPECT_EQ(blackPixels(image), 13 * 13 * layout.markHeight);
        // Every pixel of the mark is black, the rows around it white.
        const QRect mark = markRect(layout, 6, 13, '0');
        for (int y = mark.top(); y <= mark.bottom(); ++y)
            for (int x = mark.left(); x <= mark.right(); ++x)
                EXPECT_EQ(qGray(image.pixel(x, y)), 0) << x << "," << y;
        EXPECT_EQ(qGray(image.pixel(mark.left(), mark.bottom() + 1)), 255);
        EXPECT_EQ(qGray(image.pixel(mark.right() + 1, mark.top())), 255);
        for (int place : {1, 2, 3, 4, 5, 7, 8})
            EXPECT_EQ(readImageColumn(image, layout, place), std::string(13, '-'));
    }
}

TEST(CouponForm, OtherCharactersAndMissingRowsStayEmpty) {
    QImage image = zuvo::newCouponImage();
    zuvo::composeColumn(image, layoutA(), 1, "1111x11111111");
    EXPECT_EQ(readImageColumn(image, layoutA(), 1), "1111-11111111");
    zuvo::composeColumn(image, layoutA(), 2, "20");
    EXPECT_EQ(readImageColumn(image, layoutA(), 2), "20-----------");
    // Only the first 13 characters count.
    zuvo::composeColumn(image, layoutA(), 3, "00000000000002222");
    EXPECT_EQ(readImageColumn(image, layoutA(), 3), "0000000000000");
    zuvo::composeColumn(image, layoutA(), 4, "");
    EXPECT_EQ(readImageColumn(image, layoutA(), 4), std::string(13, '-'));
}

TEST(CouponForm, TestPatternFillsEveryMarkOfItsLayout) {
    for (int type : {0, 1}) {
        const zuvo::CouponLayout& layout = *couponLayout(type);
        QImage image = zuvo::newCouponImage();
        zuvo::composeTestPattern(image, layout);
        // Marks never overlap, so the count is exact.
        EXPECT_EQ(blackPixels(image), 8 * 13 * 3 * 13 * layout.markHeight);
        for (int place = 1; place <= 8; ++place)
            EXPECT_EQ(readImageColumn(image, layout, place), std::string(13, '*'));
    }
}

}  // namespace
