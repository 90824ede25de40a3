#include "ui/background_task.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QWidget>
#include <atomic>
#include <thread>

namespace {

// While the work runs, the player's input reaches only the progress box: the work may read the
// program's state, and a command or a closing window must not change it underneath.
class InputGate : public QObject {
  public:
    explicit InputGate(const QWidget* allowed) : allowed_(allowed) {
        qApp->installEventFilter(this);
    }
    ~InputGate() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::Wheel:
            case QEvent::Close:
                break;
            default:
                return false;
        }
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (widget != nullptr && allowed_ != nullptr &&
            (widget == allowed_ || allowed_->isAncestorOf(widget)))
            return false;
        event->ignore();
        return true;
    }

  private:
    const QWidget* allowed_;
};

}  // namespace

bool runWhileAnswering(QWidget* parent, const QString& title, const QString& text,
                       const std::function<void(std::stop_token)>& work) {
    QEventLoop loop;
    std::atomic<bool> done = false;
    std::jthread worker([&](std::stop_token stop) {
        work(stop);
        done = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    QProgressDialog progress(text, QStringLiteral("Anuluj"), 0, 0, parent);
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QObject::connect(&progress, &QProgressDialog::canceled, &loop,
                     [&worker] { worker.request_stop(); });
    const InputGate gate(&progress);
    if (!done) loop.exec(QEventLoop::ExcludeSocketNotifiers);
    worker.join();
    return !worker.get_stop_token().stop_requested();
}
