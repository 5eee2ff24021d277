#include "ui/common/after_first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace orvane {

namespace {

// Sees the window's first paint event. The frame is flushed to the screen once the paint is
// over, before the event loop turns again: the work is queued to run after that.
class FirstPaintWatcher : public QObject {
  public:
    FirstPaintWatcher(QWidget& window, std::function<void()> work)
        : QObject(&window), window_(window), work_(std::move(work)) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            QTimer::singleShot(0, &window_, std::move(work_));
            deleteLater();
        }
        return false;
    }

  private:
    QWidget& window_;
    std::function<void()> work_;
};

}  // namespace

void after_first_frame(QWidget& window, std::function<void()> work) {
    new FirstPaintWatcher(window, std::move(work));
}

}  // namespace orvane
