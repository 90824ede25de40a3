#include "ui/real_platform.h"

#include <QApplication>
#include <QAudioOutput>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLibrary>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSoundEffect>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QVideoWidget>

#include "ui/help_dialog.h"

namespace {

const QString kTitle = QStringLiteral("Zuvo 2001");

QString missingFileText(const QString& file) {
    return QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(QDir::toNativeSeparators(file));
}

QString unplayableText(const QString& file, const QString& reason) {
    QString text =
        QStringLiteral("Nie można odtworzyć pliku \"%1\".").arg(QDir::toNativeSeparators(file));
    if (!reason.isEmpty()) text += QLatin1Char('\n') + reason;
    return text;
}

// Qt 6.4's GStreamer player uses its decoder bins without checking that GStreamer could make
// them, so it crashes where gstreamer1.0-plugins-base is missing: ask GStreamer first. Empty when
// the bins are there (or another media backend was chosen), else what is missing.
QString missingGStreamerDecoder() {
    const QString backend = qEnvironmentVariable("QT_MEDIA_BACKEND");  // Qt 6.4: GStreamer if unset
    if (!backend.isEmpty() && backend != QLatin1String("gstreamer")) return {};
    QLibrary gst(QStringLiteral("gstreamer-1.0"), 0);
    const auto initCheck =
        reinterpret_cast<int (*)(int*, char***, void**)>(gst.resolve("gst_init_check"));
    const auto findFactory =
        reinterpret_cast<void* (*)(const char*)>(gst.resolve("gst_element_factory_find"));
    const auto unref = reinterpret_cast<void (*)(void*)>(gst.resolve("gst_object_unref"));
    if (initCheck == nullptr || findFactory == nullptr || unref == nullptr ||
        initCheck(nullptr, nullptr, nullptr) == 0)
        return QStringLiteral("Brak biblioteki GStreamer (pakiet libgstreamer1.0-0).");
    for (const char* element : {"decodebin", "uridecodebin"}) {
        void* factory = findFactory(element);
        if (factory == nullptr)
            return QStringLiteral(
                       "Brak składnika GStreamer \"%1\" (pakiet "
                       "gstreamer1.0-plugins-base).")
                .arg(QLatin1String(element));
        unref(factory);
    }
    return {};
}

const QString kRefusedText = QStringLiteral("Drukarka odmówiła przyjęcia zadania wydruku.");

// Qt hands the finished page to CUPS but drops CUPS's answer, so a refused job (a queue that
// does not accept jobs, a printer that went away) would pass for printed. CUPS keeps the status
// of this thread's last request: true when it failed, with CUPS's own words in `text`.
bool cupsRefused(QString& text) {
    QLibrary cups(QStringLiteral("cups"), 2);
    const auto lastError = reinterpret_cast<int (*)()>(cups.resolve("cupsLastError"));
    const auto lastErrorText =
        reinterpret_cast<const char* (*)()>(cups.resolve("cupsLastErrorString"));
    constexpr int kFirstErrorStatus = 0x0400;  // below: successful or redirected requests
    if (lastError == nullptr || lastError() < kFirstErrorStatus) return false;
    const char* said = lastErrorText != nullptr ? lastErrorText() : nullptr;
    text = said != nullptr ? QString::fromLocal8Bit(said) : QString();
    return true;
}

// Qt's default dialog is narrow enough to elide the size, kind and date columns.
void fitDetailColumns(QFileDialog& dialog) {
    dialog.resize(780, 460);
    auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (tree == nullptr) return;
    tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < tree->header()->count(); ++column)
        tree->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

}  // namespace

RealPlatform::RealPlatform() = default;
RealPlatform::~RealPlatform() = default;

void RealPlatform::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool RealPlatform::question(QWidget* parent, const QString& text, QuestionKind kind) {
    QMessageBox box(kind == QuestionKind::Warning ? QMessageBox::Warning : QMessageBox::Question,
                    kTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Tak"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nie"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString RealPlatform::openFileName(QWidget* parent, const QString& filter,
                                   const QString& defaultSuffix) {
    QFileDialog dialog(parent, QStringLiteral("Otwórz"), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    fitDetailColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString RealPlatform::saveFileName(QWidget* parent, const QString& filter,
                                   const QString& defaultSuffix) {
    QFileDialog dialog(parent, QStringLiteral("Zapisz jako"), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    fitDetailColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void setUpCouponPrinter(QPrinter& printer) {
    printer.setResolution(300);
    printer.setFullPage(false);
    // Qt's own default margins (10 pt) would move the origin away from the printer's printable
    // area; the printer's minimum margins put it exactly there.
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::StandardMode);
    layout.setMargins(layout.minimumMargins());
    printer.setPageLayout(layout);
    printer.setDocName(kTitle);
}

bool RealPlatform::printPage(const std::function<void(QPainter&)>& paint, QString& error) {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        error = QStringLiteral("Nie ustawiono drukarki domyślnej. Wydruk nie jest możliwy.");
        return false;
    }
    // The calibration numbers are 300-dpi units from the top left of the printable area.
    QPrinter printer(QPrinter::HighResolution);
    setUpCouponPrinter(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = kRefusedText;
        return false;
    }
    paint(painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        error = QStringLiteral("Wydruk nie powiódł się.");
        return false;
    }
    QString refusal;
    if (printer.outputFormat() == QPrinter::NativeFormat && cupsRefused(refusal)) {
        error = refusal.isEmpty() ? kRefusedText : kRefusedText + QLatin1Char('\n') + refusal;
        return false;
    }
    return true;
}

bool RealPlatform::playVideo(QWidget* surface, const QString& file, const QRect& area,
                             QString& error) {
    if (!QFileInfo(file).isFile()) {
        error = missingFileText(file);
        return false;
    }
    if (!player_) {
        const QString missing = missingGStreamerDecoder();
        if (!missing.isEmpty()) {
            error = unplayableText(file, missing);
            return false;
        }
        player_ = std::make_unique<QMediaPlayer>();
        audio_ = std::make_unique<QAudioOutput>();
        player_->setAudioOutput(audio_.get());
        // A file GStreamer cannot play (a plugin missing, a damaged file) fails only after this
        // call has returned, and the stalled pipeline adds errors of its own: one message per
        // start, shown once the player's signal has returned.
        auto reported = std::make_shared<bool>(false);
        QObject::connect(player_.get(), &QMediaPlayer::sourceChanged, player_.get(),
                         [reported] { *reported = false; });
        QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, player_.get(),
                         [this, reported](QMediaPlayer::Error, const QString& reason) {
                             if (*reported) return;
                             *reported = true;
                             if (video_) video_->hide();
                             const QString text =
                                 unplayableText(player_->source().toLocalFile(), reason);
                             QTimer::singleShot(0, player_.get(), [this, text] {
                                 message(video_ ? video_->window() : nullptr, text);
                             });
                         });
    }
    player_->stop();
    if (!video_ || video_->parentWidget() != surface) {
        delete video_;
        video_ = new QVideoWidget(surface);
        video_->setAspectRatioMode(Qt::IgnoreAspectRatio);
        player_->setVideoOutput(video_.data());
    }
    video_->setGeometry(area);
    video_->show();
    // A fresh load each time, so that a file that failed before is reported again.
    player_->setSource(QUrl());
    player_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    player_->play();
    return true;
}

void RealPlatform::stopVideo() {
    if (player_) player_->stop();
}

bool RealPlatform::playSound(const QString& file, QString& error) {
    if (!QFileInfo(file).isFile()) {
        error = missingFileText(file);
        return false;
    }
    if (!sound_) sound_ = std::make_unique<QSoundEffect>();
    sound_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    sound_->play();
    return true;
}

void RealPlatform::showHelp(QWidget* parent, const QString& helpFile) {
    showHelpDialog(parent, helpFile);
}

void RealPlatform::beep() {
    QApplication::beep();
}

uint32_t RealPlatform::utcMillisecondsOfDay() {
    return static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}
