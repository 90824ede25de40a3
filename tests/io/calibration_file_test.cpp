#include "io/calibration_file.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace {

using zuvo::parseCalibrationValue;

bool parses(std::string_view bytes, int32_t& value) {
    QString error;
    return parseCalibrationValue(bytes, value, error);
}

TEST(CalibrationValue, FirstLineUpToCarriageReturnOrCtrlZ) {
    int32_t value = -1;
    ASSERT_TRUE(parses("140", value));
    EXPECT_EQ(value, 140);
    ASSERT_TRUE(parses("  140\r\n", value));
    EXPECT_EQ(value, 140);
    ASSERT_TRUE(parses("12\r\n34\r\n", value));
    EXPECT_EQ(value, 12);
    ASSERT_TRUE(
        parses("77\x1A"
               "rubbish",
               value));
    EXPECT_EQ(value, 77);
    ASSERT_TRUE(parses("-5\r\n", value));
    EXPECT_EQ(value, -5);
    ASSERT_TRUE(parses("+8\r", value));
    EXPECT_EQ(value, 8);
}

TEST(CalibrationValue, AnythingButLeadingBlanksFailsAndNamesTheText) {
    int32_t value = 99;
    QString error;
    EXPECT_FALSE(parseCalibrationValue("140 \r\n", value, error));
    EXPECT_TRUE(error.contains(QStringLiteral("\"140 \""))) << error.toStdString();
    EXPECT_EQ(value, 99);
    // A lone LF does not end the line here.
    EXPECT_FALSE(parseCalibrationValue("140\n", value, error));
    EXPECT_FALSE(parseCalibrationValue("\t140", value, error));
    EXPECT_FALSE(parseCalibrationValue("", value, error));
    EXPECT_FALSE(parseCalibrationValue("\r\n140\r\n", value, error));
    EXPECT_FALSE(parseCalibrationValue("   ", value, error));
    EXPECT_FALSE(parseCalibrationValue("-", value, error));
    EXPECT_FALSE(parseCalibrationValue("- 5", value, error));
    EXPECT_FALSE(parseCalibrationValue("0x10", value, error));
    EXPECT_FALSE(parseCalibrationValue(std::string_view("1\0"
                                                        "2",
                                                        3),
                                       value, error));
    EXPECT_EQ(value, 99);
}

TEST(CalibrationValue, StaysWithinThirtyTwoBits) {
    int32_t value = 0;
    ASSERT_TRUE(parses("2147483647", value));
    EXPECT_EQ(value, 2147483647);
    ASSERT_TRUE(parses("-2147483648", value));
    EXPECT_EQ(value, INT32_MIN);
    EXPECT_FALSE(parses("2147483648", value));
    EXPECT_FALSE(parses("-2147483649", value));
    EXPECT_FALSE(parses("99999999999999999999999", value));
}

TEST(CalibrationValue, MessageOfAHugeTextStaysShort) {
    int32_t value = 0;
    QString error;
    EXPECT_FALSE(parseCalibrationValue(std::string(100000, '7'), value, error));
    EXPECT_LT(error.size(), 200);
}

class CalibrationFilesTest : public ::testing::Test {
  protected:
    QString path(const char* name) const {
        return QDir(dir.path()).filePath(QString::fromLatin1(name));
    }
    void write(const char* name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const char* name) {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly)) return "<missing>";
        return file.readAll();
    }
    // Nine distinct values, 10 .. 17 for the edges and `index` for "Index.txt".
    void writeAll(int index) {
        const auto& names = zuvo::calibrationFileNames();
        for (int i = 0; i < 8; ++i) write(names[i], QByteArray::number(10 + i) + "\r\n");
        write(names[8], QByteArray::number(index) + "\r\n");
    }
    QTemporaryDir dir;
};

TEST_F(CalibrationFilesTest, ReadsTheNineFilesInOrder) {
    writeAll(1);
    zuvo::CalibrationSet set;
    QString error;
    ASSERT_TRUE(zuvo::loadCalibration(dir.path(), set, error)) << error.toStdString();
    EXPECT_EQ(set.types[0].x1, 10);
    EXPECT_EQ(set.types[0].x2, 11);
    EXPECT_EQ(set.types[0].y1, 12);
    EXPECT_EQ(set.types[0].y2, 13);
    EXPECT_EQ(set.types[1].x1, 14);
    EXPECT_EQ(set.types[1].x2, 15);
    EXPECT_EQ(set.types[1].y1, 16);
    EXPECT_EQ(set.types[1].y2, 17);
    EXPECT_EQ(set.couponType, 1);
}

TEST_F(CalibrationFilesTest, MissingFileStopsTheReadingAndNamesTheFile) {
    writeAll(1);
    QFile::remove(path("PrnBx1.txt"));
    zuvo::CalibrationSet set;
    set.types[1] = {-1, -2, -3, -4};
    set.couponType = 0;
    QString error;
    EXPECT_FALSE(zuvo::loadCalibration(dir.path(), set, error));
    EXPECT_TRUE(error.contains(QStringLiteral("PrnBx1.txt"))) << error.toStdString();
    // Values before the missing file were taken, later ones keep their previous values.
    EXPECT_EQ(set.types[0].y2, 13);
    EXPECT_EQ(set.types[1].x1, -1);
    EXPECT_EQ(set.types[1].y2, -4);
    EXPECT_EQ(set.couponType, 0);
}

TEST_F(CalibrationFilesTest, BadValueStopsTheReadingWithAConversionMessage) {
    writeAll(1);
    write("PrnAy1.txt", "6OO\r\n");
    zuvo::CalibrationSet set;
    QString error;
    EXPECT_FALSE(zuvo::loadCalibration(dir.path(), set, error));
    EXPECT_TRUE(error.contains(QStringLiteral("6OO"))) << error.toStdString();
    EXPECT_EQ(set.types[0].x2, 11);
    EXPECT_EQ(set.types[0].y1, 0);
    EXPECT_EQ(set.types[1].x1, 0);
}

// The panel's boxes hold four characters: a longer value would be shown cut and saved cut.
TEST_F(CalibrationFilesTest, ValueTooLongForItsBoxIsAReadingErrorOfItsFile) {
    writeAll(0);
    write("PrnAy2.txt", "10000\r\n");
    zuvo::CalibrationSet set;
    QString error;
    EXPECT_FALSE(zuvo::loadCalibration(dir.path(), set, error));
    EXPECT_TRUE(error.contains(QStringLiteral("PrnAy2.txt"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("10000"))) << error.toStdString();
    EXPECT_EQ(set.types[0].y2, 0);
    EXPECT_EQ(set.types[1].x1, 0) << "the files after it are not read";

    write("PrnAy2.txt", "-999\r\n");
    ASSERT_TRUE(zuvo::loadCalibration(dir.path(), set, error)) << error.toStdString();
    EXPECT_EQ(set.types[0].y2, -999);
}

TEST(CalibrationRectangle, EmptyOrReversedEdgesAreNamedByTheirFiles) {
    zuvo::CalibrationSet set;
    set.types[0] = {100, 988, 600, 2049};
    set.types[1] = {90, 90, 600, 2259};
    EXPECT_TRUE(zuvo::rectangleError(set, zuvo::CouponA).isEmpty());
    const QString width = zuvo::rectangleError(set, zuvo::CouponB);
    EXPECT_TRUE(width.contains(QStringLiteral("PrnBx2.txt")) &&
                width.contains(QStringLiteral("PrnBx1.txt")))
        << width.toStdString();
    set.types[0].y2 = 500;
    const QString height = zuvo::rectangleError(set, zuvo::CouponA);
    EXPECT_TRUE(height.contains(QStringLiteral("PrnAy2.txt")) &&
                height.contains(QStringLiteral("PrnAy1.txt")))
        << height.toStdString();
    EXPECT_TRUE(zuvo::rectangleError(set, 7).isEmpty()) << "no layout, no rectangle";
}

TEST_F(CalibrationFilesTest, HugeFilesAreReadOnlyAsFarAsNeeded) {
    writeAll(0);
    // Any number of leading blanks is allowed.
    write("PrnAx1.txt", QByteArray(3 << 20, ' ') + "42\r\n");
    zuvo::CalibrationSet set;
    QString error;
    ASSERT_TRUE(zuvo::loadCalibration(dir.path(), set, error)) << error.toStdString().substr(0, 80);
    EXPECT_EQ(set.types[0].x1, 42);

    write("PrnAx1.txt", QByteArray(3 << 20, '5'));
    EXPECT_FALSE(zuvo::loadCalibration(dir.path(), set, error));
    EXPECT_LT(error.size(), 200);
}

TEST_F(CalibrationFilesTest, SaveWritesIndexAndTheFourFilesOfOneKindOnly) {
    writeAll(0);
    zuvo::CalibrationSet set;
    QString error;
    ASSERT_TRUE(zuvo::saveCalibration(dir.path(), zuvo::CouponB,
                                      {QStringLiteral("37"), QStringLiteral("951"),
                                       QStringLiteral("600"), QStringLiteral("2259")},
                                      set, error))
        << error.toStdString();
    EXPECT_EQ(read("Index.txt"), "1\r\n");
    EXPECT_EQ(read("PrnBx1.txt"), "37\r\n");
    EXPECT_EQ(read("PrnBx2.txt"), "951\r\n");
    EXPECT_EQ(read("PrnBy1.txt"), "600\r\n");
    EXPECT_EQ(read("PrnBy2.txt"), "2259\r\n");
    EXPECT_EQ(read("PrnAx1.txt"), "10\r\n");
    EXPECT_EQ(read("PrnAy2.txt"), "13\r\n");
    EXPECT_EQ(set.couponType, 1);
    EXPECT_EQ(set.types[1].x1, 37);
    EXPECT_EQ(set.types[1].y2, 2259);
    EXPECT_EQ(set.types[0].x1, 0);

    // What was saved reads back.
    zuvo::CalibrationSet again;
    ASSERT_TRUE(zuvo::loadCalibration(dir.path(), again, error));
    EXPECT_EQ(again.types[1].x2, 951);
    EXPECT_EQ(again.couponType, 1);
}

TEST_F(CalibrationFilesTest, BadBoxTextLeavesItsFileAsItWas) {
    writeAll(0);
    zuvo::CalibrationSet set;
    QString error;
    EXPECT_FALSE(zuvo::saveCalibration(
        dir.path(), zuvo::CouponA,
        {QStringLiteral("5"), QStringLiteral("x"), QStringLiteral("600"), QStringLiteral("2049")},
        set, error));
    EXPECT_TRUE(error.contains(QStringLiteral("\"x\""))) << error.toStdString();
    EXPECT_EQ(read("PrnAx1.txt"), "5\r\n");
    EXPECT_EQ(read("PrnAx2.txt"), "11\r\n");
    EXPECT_EQ(read("PrnAy1.txt"), "12\r\n");
}

}  // namespace
