#include "app/BusyState.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace lx {

namespace {
// How often waiting work looks again for the dialog it waits on to close.
constexpr int kDialogPollMs = 300;
} // namespace

BusyState::BusyState(QWidget* window)
    : QObject(window)
    , window_(window)
{
}

BusyState::Guard::Guard(BusyState& state)
    : state_(state)
{
    state_.Enter();
}

BusyState::Guard::~Guard()
{
    state_.Leave();
}

void BusyState::Enter()
{
    if (depth_++ > 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (window_)
        window_->setEnabled(false);
    Q_EMIT busyChanged(true);
}

void BusyState::Leave()
{
    if (--depth_ > 0)
        return;
    if (window_)
        window_->setEnabled(true);
    QApplication::restoreOverrideCursor();
    Q_EMIT busyChanged(false);
    // What waited runs once the work that made the window busy has returned.
    if (!queue_.empty() && !scheduled_) {
        scheduled_ = true;
        QTimer::singleShot(0, this, &BusyState::RunWaiting);
    }
}

bool BusyState::CanRun(const Pending& pending) const
{
    return !Busy() && !(pending.afterDialogs && QApplication::activeModalWidget());
}

void BusyState::WhenIdle(std::function<void()> work, bool afterDialogs)
{
    Pending pending { std::move(work), afterDialogs };
    if (queue_.empty() && CanRun(pending)) {
        pending.work();
        return;
    }
    queue_.push_back(std::move(pending));
    if (!Busy() && !scheduled_) {
        scheduled_ = true;
        QTimer::singleShot(kDialogPollMs, this, &BusyState::RunWaiting);
    }
}

void BusyState::RunWaiting()
{
    scheduled_ = false;
    while (!queue_.empty()) {
        if (!CanRun(queue_.front())) {
            // Busy again, or a dialog is open: later.
            if (!Busy()) {
                scheduled_ = true;
                QTimer::singleShot(kDialogPollMs, this, &BusyState::RunWaiting);
            }
            return;
        }
        Pending next = std::move(queue_.front());
        queue_.pop_front();
        next.work();
    }
}

} // namespace lx
