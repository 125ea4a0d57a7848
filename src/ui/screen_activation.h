#pragma once

// Which activations of a window are its own, as the results screen needs them: the window
// becoming the active one among this program's windows (coming back from the report preview,
// shown by the data-entry screen) is an activation; coming back from its own dialogs and
// messages, from a companion window (the steel table, the verification) or from another
// program is not.

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;
class QWindow;

namespace lajes {

class ScreenActivation final : public QObject {
public:
    // `activated` runs from the event loop, never inside the activation event, because it
    // may ask a question or show messages.
    ScreenActivation(QWidget& window, std::function<void()> activated);

    // Counts one of the window's own modal windows while it is open: its closing hands the
    // activation back without running `activated`.
    class OwnWindow {
    public:
        explicit OwnWindow(ScreenActivation& activation) : activation_(activation) {
            ++activation_.ownWindowDepth_;
        }
        ~OwnWindow() { --activation_.ownWindowDepth_; }
        OwnWindow(const OwnWindow&) = delete;
        OwnWindow& operator=(const OwnWindow&) = delete;

    private:
        ScreenActivation& activation_;
    };

    // A non-modal window that belongs to the window: going to it and back is no activation,
    // and it is hidden when the window closes.
    void addCompanionWindow(QWidget* companion);
    // The window's ActivationChange event.
    void activationChanged();
    // The window was shown while already active: no activation event follows.
    void schedule();
    // `activated` is running now (also when a test calls it directly): nothing is pending.
    void clearPending() { pending_ = false; }
    // The window closed: nothing pending, the companions hidden.
    void closed();

private:
    void focusWindowChanged(QWindow* focused);
    // A companion window, or a dialog or popup opened over one.
    bool belongsToCompanion(const QWindow* window) const;
    bool isCompanionWidget(const QWidget* widget) const;
    // A list's popup takes the focus window (on some platforms also the activation) while the
    // user stays on the window.
    bool isOwnPopup(const QWindow* window) const;

    QWidget& window_;
    std::function<void()> activated_;
    std::vector<QPointer<QWidget>> companions_;
    int ownWindowDepth_ = 0;
    bool deactivatedByOwnWindow_ = false;
    bool pending_ = false;
    // The window was the last of the program's windows to be active, and the program then
    // lost the focus to another program: the focus coming back is not an activation.
    bool lastActiveOfOurs_ = false;
    bool leftForAnotherProgram_ = false;
};

} // namespace lajes
