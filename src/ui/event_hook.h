#pragma once
// An event filter that hands the watched widget's events to a function, so that a screen file can
// react to focus and key events without a widget subclass of its own.
#include <QEvent>
#include <QObject>
#include <functional>
#include <utility>

namespace ui {

class EventHook : public QObject {
  public:
    // Returns true when the event was consumed.
    using Handler = std::function<bool(QEvent*)>;

    EventHook(QObject* watched, Handler handler) : QObject(watched), handler_(std::move(handler)) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && handler_(event)) return true;
        return QObject::eventFilter(watched, event);
    }

  private:
    Handler handler_;
};

}  // namespace ui
