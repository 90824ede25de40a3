#pragma once
// A platform for timed runs through the real window: nothing modal may stop them.
#include <QDateTime>
#include <QString>
#include <cstdio>

#include "ui/platform.h"

// Boxes print their text, questions answer No, the open dialog answers `openAnswer`.
class BenchPlatform : public Platform {
  public:
    QString openAnswer;
    QString saveAnswer;
    int messageCount = 0;
    QString lastMessage;

    void message(QWidget*, const QString& text) override {
        ++messageCount;
        lastMessage = text;
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    }
    bool question(QWidget*, const QString& text, QuestionKind) override {
        std::fprintf(stderr, "question: %s\n", text.toUtf8().constData());
        return false;
    }
    QString openFileName(QWidget*, const QString&, const QString&) override { return openAnswer; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return saveAnswer; }
    bool printPage(const std::function<void(QPainter&)>&, QString& error) override {
        error = QStringLiteral("no printer");
        return false;
    }
    bool playVideo(QWidget*, const QString&, const QRect&, QString& error) override {
        error = QStringLiteral("no media");
        return false;
    }
    void stopVideo() override {}
    bool playSound(const QString&, QString& error) override {
        error = QStringLiteral("no media");
        return false;
    }
    void showHelp(QWidget*, const QString&) override {}
    void beep() override {}
    uint32_t utcMillisecondsOfDay() override {
        return static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
    }
};
