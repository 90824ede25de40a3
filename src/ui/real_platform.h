#pragma once
// The platform services of a real desktop: Qt's boxes and dialogs, the default printer, Qt
// Multimedia, Qt Help.
#include <QPointer>
#include <memory>

#include "ui/platform.h"

class QAudioOutput;
class QPrinter;
class QMediaPlayer;
class QSoundEffect;
class QVideoWidget;

// 300 dots per inch, origin at the top left of the printer's printable area.
void setUpCouponPrinter(QPrinter& printer);

class RealPlatform : public Platform {
  public:
    RealPlatform();
    ~RealPlatform() override;

    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text, QuestionKind kind) override;
    QString openFileName(QWidget* parent, const QString& filter,
                         const QString& defaultSuffix) override;
    QString saveFileName(QWidget* parent, const QString& filter,
                         const QString& defaultSuffix) override;
    bool printPage(const std::function<void(QPainter&)>& paint, QString& error) override;
    bool playVideo(QWidget* surface, const QString& file, const QRect& area,
                   QString& error) override;
    void stopVideo() override;
    bool playSound(const QString& file, QString& error) override;
    void showHelp(QWidget* parent, const QString& helpFile) override;
    void beep() override;
    uint32_t utcMillisecondsOfDay() override;

  private:
    std::unique_ptr<QMediaPlayer> player_;
    std::unique_ptr<QAudioOutput> audio_;
    std::unique_ptr<QSoundEffect> sound_;
    QPointer<QVideoWidget> video_;
};
