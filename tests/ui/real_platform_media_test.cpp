// The real video player where GStreamer lacks what a file needs: the program's own message, once
// for each start, never a crash or a silently empty panel.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QLibrary>
#include <QMessageBox>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "ui/real_platform.h"

namespace {

// Picks GStreamer as the media backend, as the program does. False when GStreamer has already
// started in this process: it reads its settings once (CTest runs each case in a process of its
// own).
bool gstreamerStartsHere() {
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QLibrary gst(QStringLiteral("gstreamer-1.0"), 0);
    const auto initialized = reinterpret_cast<int (*)()>(gst.resolve("gst_is_initialized"));
    return initialized == nullptr || initialized() == 0;
}

QString runtimeFile(const QString& name) {
    return QDir(qEnvironmentVariable("ZUVO_RUNTIME_DIR")).filePath(name);
}

// Answers every message box the platform opens and keeps its text.
class MessageCatcher {
  public:
    MessageCatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts_ << box->text();
                box->accept();
            }
        });
        timer_.start(20);
    }
    const QStringList& texts() const { return texts_; }

  private:
    QTimer timer_;
    QStringList texts_;
};

TEST(RealPlatformVideo, WithoutGStreamerDecodersRefusesToPlayWithTheReason) {
    if (!gstreamerStartsHere()) GTEST_SKIP() << "GStreamer already started in this process";
    QTemporaryDir noPlugins;
    ASSERT_TRUE(noPlugins.isValid());
    qputenv("GST_PLUGIN_SYSTEM_PATH_1_0", noPlugins.path().toLocal8Bit());
    qputenv("GST_PLUGIN_PATH_1_0", noPlugins.path().toLocal8Bit());
    qputenv("GST_REGISTRY_1_0", noPlugins.filePath(QStringLiteral("registry.bin")).toLocal8Bit());

    QWidget surface;
    RealPlatform platform;
    for (int start = 0; start < 2; ++start) {
        QString error;
        EXPECT_FALSE(platform.playVideo(&surface, runtimeFile(QStringLiteral("Drav2.avi")),
                                        QRect(0, 0, 80, 60), error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można odtworzyć pliku")))
            << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("Drav2.avi"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("gstreamer1.0-plugins-base")))
            << error.toStdString();
    }
}

TEST(RealPlatformVideo, MissingDemuxerGivesOneMessageForEachStart) {
    if (!gstreamerStartsHere()) GTEST_SKIP() << "GStreamer already started in this process";
    // Ranked out, the AVI demuxer is never chosen, as if its plugin were not installed.
    qputenv("GST_PLUGIN_FEATURE_RANK", "avidemux:NONE");

    QWidget surface;
    MessageCatcher catcher;
    RealPlatform platform;
    const QString file = runtimeFile(QStringLiteral("Drav1.avi"));
    for (int start = 1; start <= 2; ++start) {
        QString error;
        ASSERT_TRUE(platform.playVideo(&surface, file, QRect(0, 0, 80, 60), error))
            << error.toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return catcher.texts().size() == start; }, 10000));
        // The pipeline's follow-up errors bring no second box.
        QTest::qWait(500);
        ASSERT_EQ(catcher.texts().size(), start);
        const QString text = catcher.texts().constLast();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Nie można odtworzyć pliku")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(file))) << text.toStdString();
    }
}

}  // namespace

// Qt's PulseAudio service, started by the player's audio output, keeps its connection to the end
// of the process; LeakSanitizer would count it against these tests.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libpulse.so\n";
}
