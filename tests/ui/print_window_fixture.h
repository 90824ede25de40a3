#pragma once
// A window whose start directory holds a known set of calibration files, for the print and
// calibration panels.
#include <QByteArray>
#include <QFile>
#include <QString>

#include "io/calibration_file.h"
#include "ui/window_fixture.h"

// What the calibration files of these tests hold.
inline const zuvo::CouponCalibration kRectA{100, 988, 600, 2049};
inline const zuvo::CouponCalibration kRectB{90, 1004, 550, 2209};

class PrintWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        finishIntro();
        window->state.startDirectory = startDir.path().toStdString();
        writeCalibration(0);
    }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(startPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile(const char* name) const {
        QFile file(startPath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::ReadOnly)) return "<missing>";
        return file.readAll();
    }
    // The eight edge files from kRectA and kRectB, and "Index.txt" with `index`.
    void writeCalibration(int index) {
        const int values[8] = {kRectA.x1, kRectA.x2, kRectA.y1, kRectA.y2,
                               kRectB.x1, kRectB.x2, kRectB.y1, kRectB.y2};
        const char* names[8] = {"PrnAx1.txt", "PrnAx2.txt", "PrnAy1.txt", "PrnAy2.txt",
                                "PrnBx1.txt", "PrnBx2.txt", "PrnBy1.txt", "PrnBy2.txt"};
        for (int i = 0; i < 8; ++i)
            writeFile(QString::fromLatin1(names[i]), QByteArray::number(values[i]) + "\r\n");
        writeFile(QStringLiteral("Index.txt"), QByteArray::number(index) + "\r\n");
    }
};
