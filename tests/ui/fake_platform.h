#pragma once
// A platform that records every call and answers from queues the test fills. A box, dialog or
// question the test did not expect fails the test, and so does an expected one that never came.
#include <QImage>
#include <QRect>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "ui/platform.h"

class FakePlatform : public Platform {
  public:
    ~FakePlatform() override;

    // Expectations, consumed in order.
    void expectMessage(const QString& text) { expectedMessages.push_back(text); }
    void expectQuestion(const QString& text, QuestionKind kind, bool answer) {
        expectedQuestions.push_back({text, kind, answer});
    }
    // An empty name answers the dialog with "cancel".
    void expectSaveDialog(const QString& fileName) { saveAnswers.push_back(fileName); }
    void expectOpenDialog(const QString& fileName) { openAnswers.push_back(fileName); }
    // Every message is accepted and recorded, none is checked.
    bool anyMessage = false;
    // Runs while a message box would be open (a real box takes the window's activation).
    std::function<void()> whileMessageShown;
    // Verifies that every expectation was used (also done by the destructor).
    void verify();

    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text, QuestionKind kind) override;
    QString openFileName(QWidget* parent, const QString& filter,
                         const QString& defaultSuffix) override;
    QString saveFileName(QWidget* parent, const QString& filter,
                         const QString& defaultSuffix) override;
    bool printPage(const std::function<void(QPainter&)>& paint, QString& error) override;
    bool playVideo(QWidget* surface, const QString& file, const QRect& area,
                   QString& error) override;
    void stopVideo() override { ++videoStops; }
    bool playSound(const QString& file, QString& error) override;
    void showHelp(QWidget* parent, const QString& helpFile) override;
    void beep() override { ++beeps; }
    uint32_t utcMillisecondsOfDay() override { return clockMs; }

    struct Question {
        QString text;
        QuestionKind kind;
        bool answer;
    };
    std::deque<QString> expectedMessages;
    std::deque<Question> expectedQuestions;
    std::deque<QString> saveAnswers;
    std::deque<QString> openAnswers;

    // What happened.
    std::vector<QString> messages;
    std::vector<QString> questions;
    std::vector<QString> dialogFilters;  // filter of every file dialog, in order
    std::vector<QString> dialogSuffixes;
    std::vector<QImage> pages;  // one per printed job, 300 dpi A4, origin at the printable area
    std::vector<QString> videos;
    std::vector<QRect> videoAreas;
    std::vector<QString> sounds;
    std::vector<QString> helpFiles;
    int videoStops = 0;
    int beeps = 0;
    uint32_t clockMs = 0;

    // Failure injection: the next `failPrints` jobs fail with `printError`.
    int failPrints = 0;
    QString printError = QStringLiteral("Drukarka niedostępna");
    // Media files that fail as missing, regardless of the disk.
    bool mediaMissing = false;
};
