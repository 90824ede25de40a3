#include "ui/fake_platform.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QPainter>

FakePlatform::~FakePlatform() {
    verify();
}

void FakePlatform::verify() {
    for (const QString& text : expectedMessages)
        ADD_FAILURE() << "expected message never shown: " << text.toStdString();
    for (const Question& q : expectedQuestions)
        ADD_FAILURE() << "expected question never asked: " << q.text.toStdString();
    for (const QString& name : saveAnswers)
        ADD_FAILURE() << "expected save dialog never shown (answer " << name.toStdString() << ")";
    for (const QString& name : openAnswers)
        ADD_FAILURE() << "expected open dialog never shown (answer " << name.toStdString() << ")";
    expectedMessages.clear();
    expectedQuestions.clear();
    saveAnswers.clear();
    openAnswers.clear();
}

void FakePlatform::message(QWidget*, const QString& text) {
    messages.push_back(text);
    if (whileMessageShown) whileMessageShown();
    if (anyMessage) return;
    if (expectedMessages.empty()) {
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
        return;
    }
    EXPECT_EQ(expectedMessages.front().toStdString(), text.toStdString());
    expectedMessages.pop_front();
}

bool FakePlatform::question(QWidget*, const QString& text, QuestionKind kind) {
    questions.push_back(text);
    if (expectedQuestions.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const Question expected = expectedQuestions.front();
    expectedQuestions.pop_front();
    EXPECT_EQ(expected.text.toStdString(), text.toStdString());
    EXPECT_EQ(expected.kind, kind) << text.toStdString();
    return expected.answer;
}

QString FakePlatform::openFileName(QWidget*, const QString& filter, const QString& defaultSuffix) {
    dialogFilters.push_back(filter);
    dialogSuffixes.push_back(defaultSuffix);
    if (openAnswers.empty()) {
        ADD_FAILURE() << "unexpected open dialog";
        return {};
    }
    QString answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

QString FakePlatform::saveFileName(QWidget*, const QString& filter, const QString& defaultSuffix) {
    dialogFilters.push_back(filter);
    dialogSuffixes.push_back(defaultSuffix);
    if (saveAnswers.empty()) {
        ADD_FAILURE() << "unexpected save dialog";
        return {};
    }
    QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

bool FakePlatform::printPage(const std::function<void(QPainter&)>& paint, QString& error) {
    if (failPrints > 0) {
        --failPrints;
        error = printError;
        return false;
    }
    // A4 at 300 dpi, as the real printer's device.
    QImage page(2480, 3508, QImage::Format_Grayscale8);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        paint(painter);
    }
    pages.push_back(page);
    return true;
}

bool FakePlatform::playVideo(QWidget*, const QString& file, const QRect& area, QString& error) {
    videos.push_back(file);
    videoAreas.push_back(area);
    if (mediaMissing || !QFileInfo(file).isFile()) {
        error = QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(file);
        return false;
    }
    return true;
}

bool FakePlatform::playSound(const QString& file, QString& error) {
    sounds.push_back(file);
    if (mediaMissing || !QFileInfo(file).isFile()) {
        error = QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(file);
        return false;
    }
    return true;
}

void FakePlatform::showHelp(QWidget*, const QString& helpFile) {
    helpFiles.push_back(helpFile);
}
