#pragma once

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>

class QWidget;

namespace lx {

// The window's one busy state. While a grid is made or versions are printed,
// the window takes no input (disabled, the wait cursor shown) but its event
// loop still turns: what arrives meanwhile from outside (a second launch's
// document, a dropped file, the update check's report) waits in one queue and
// runs, in order, once the work is over. Nothing that could ask about unsaved
// work or replace the document runs while it is busy.
class BusyState : public QObject {
    Q_OBJECT
public:
    explicit BusyState(QWidget* window);

    bool Busy() const { return depth_ > 0; }

    // Busy for the lifetime of the guard; guards nest.
    class Guard {
    public:
        explicit Guard(BusyState& state);
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        BusyState& state_;
    };

    // Runs the work now when the window is idle, else once it is. With
    // afterDialogs, the work also waits for an open dialog to close (a
    // document must not replace the one a dialog is about).
    void WhenIdle(std::function<void()> work, bool afterDialogs = false);

Q_SIGNALS:
    void busyChanged(bool busy);

private:
    struct Pending {
        std::function<void()> work;
        bool afterDialogs = false;
    };
    void Enter();
    void Leave();
    void RunWaiting();
    bool CanRun(const Pending& pending) const;

    QPointer<QWidget> window_;
    int depth_ = 0;
    std::deque<Pending> queue_;
    bool scheduled_ = false;
};

} // namespace lx
