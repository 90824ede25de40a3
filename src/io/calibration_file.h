#pragma once
// The coupon calibration files in the start directory.
#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

namespace zuvo {

enum CouponType : int32_t { CouponA = 0, CouponB = 1 };

// The calibration panel's boxes hold at most this many characters; a file value that does not
// fit is a reading error, never cut.
constexpr int kCalibrationBoxLength = 4;

struct CouponCalibration {
    int32_t x1 = 0;  // left
    int32_t x2 = 0;  // right
    int32_t y1 = 0;  // top
    int32_t y2 = 0;  // bottom
};

struct CalibrationSet {
    std::array<CouponCalibration, 2> types{};
    int32_t couponType = CouponA;  // may hold any value read from "Index.txt"
};

// "PrnAx1.txt" ... "PrnBy2.txt", then "Index.txt": the reading order.
const std::array<const char*, 9>& calibrationFileNames();

// Converts the first line (up to CR, Ctrl-Z or the end). On failure `error` is the conversion
// message naming the text.
bool parseCalibrationValue(std::string_view bytes, int32_t& value, QString& error);

// Reads the nine files in order, storing each value as it is read; stops at the first failure.
bool loadCalibration(const QString& directory, CalibrationSet& set, QString& error);

// Writes "Index.txt" with `couponType` and the four files of that type from the box texts
// (L, P, G, D), storing each value; stops at the first failure.
bool saveCalibration(const QString& directory, int32_t couponType,
                     const std::array<QString, 4>& boxTexts, CalibrationSet& set, QString& error);

// Empty when the rectangle of `couponType` has room (right of left, below top); otherwise the
// message naming the files of the offending edges. A kind without a layout has no rectangle.
QString rectangleError(const CalibrationSet& set, int32_t couponType);

// Spinner arithmetic of the calibration panel.
int32_t rightEdgeFor(int32_t couponType, int32_t left);  // + 888 (A) or + 914 (B)
int32_t bottomEdgeFor(int32_t couponType, int32_t top);  // + 1449 (A) or + 1659 (B)

}  // namespace zuvo
