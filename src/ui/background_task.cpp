#include "ui/background_task.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <atomic>
#include <thread>

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
    if (!done) loop.exec(QEventLoop::ExcludeSocketNotifiers);
    worker.join();
    return !worker.get_stop_token().stop_requested();
}
