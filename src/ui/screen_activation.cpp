#include "ui/screen_activation.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace lajes {

ScreenActivation::ScreenActivation(QWidget& window, std::function<void()> activated)
    : QObject(&window), window_(window), activated_(std::move(activated)) {
    // Any other window of this program taking the focus after one of ours closed means the
    // next activation comes from outside again; so does any other window of this program
    // taking the focus after the user came back from another program. A companion is one of
    // ours: going there and back is no activation.
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            &ScreenActivation::focusWindowChanged);
    // The whole program losing the focus to another program, with the window as its active
    // window, is no activation, and neither is the focus coming back to it. Depending on the
    // platform the state changes before or after the window's deactivation.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive && window_.isVisible() &&
                    (lastActiveOfOurs_ || window_.isActiveWindow()))
                    leftForAnotherProgram_ = true;
            });
}

void ScreenActivation::focusWindowChanged(QWindow* focused) {
    if (!focused || focused == window_.windowHandle())
        return;
    if (isOwnPopup(focused)) {
        lastActiveOfOurs_ = true;
        return;
    }
    if (belongsToCompanion(focused)) {
        if (ownWindowDepth_ == 0)
            deactivatedByOwnWindow_ = true;
        lastActiveOfOurs_ = true;
        return;
    }
    if (ownWindowDepth_ == 0)
        deactivatedByOwnWindow_ = false;
    lastActiveOfOurs_ = false;
    leftForAnotherProgram_ = false;
}

void ScreenActivation::activationChanged() {
    // `activated` runs only when the activation comes from outside: not while one of the
    // window's own windows is open, nor when such a window closes and hands it back.
    if (ownWindowDepth_ > 0) {
        if (!window_.isActiveWindow())
            deactivatedByOwnWindow_ = true;
    } else if (window_.isActiveWindow()) {
        const bool handedBack = deactivatedByOwnWindow_ || leftForAnotherProgram_;
        deactivatedByOwnWindow_ = false;
        leftForAnotherProgram_ = false;
        lastActiveOfOurs_ = true;
        if (!handedBack)
            schedule();
    } else {
        // The window system may announce the new focus window before or after this event;
        // the widget that became active is known here already.
        deactivatedByOwnWindow_ = belongsToCompanion(QGuiApplication::focusWindow()) ||
                                  isCompanionWidget(QApplication::activeWindow());
        if (QGuiApplication::applicationState() != Qt::ApplicationActive)
            leftForAnotherProgram_ = true;
    }
}

void ScreenActivation::schedule() {
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (pending_ && window_.isVisible())
            activated_();
        pending_ = false;
    });
}

void ScreenActivation::closed() {
    pending_ = false;
    lastActiveOfOurs_ = false;
    leftForAnotherProgram_ = false;
    // The companions show what the window shows; they go with it.
    for (const QPointer<QWidget>& companion : companions_)
        if (companion)
            companion->hide();
}

void ScreenActivation::addCompanionWindow(QWidget* companion) {
    companions_.emplace_back(companion);
}

bool ScreenActivation::belongsToCompanion(const QWindow* window) const {
    for (; window; window = window->transientParent())
        for (const QPointer<QWidget>& companion : companions_)
            if (companion && companion->windowHandle() == window)
                return true;
    return false;
}

bool ScreenActivation::isCompanionWidget(const QWidget* widget) const {
    for (; widget; widget = widget->parentWidget())
        for (const QPointer<QWidget>& companion : companions_)
            if (companion == widget)
                return true;
    return false;
}

bool ScreenActivation::isOwnPopup(const QWindow* window) const {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() != window || widget->windowType() != Qt::Popup)
            continue;
        for (const QWidget* parent = widget->parentWidget(); parent;
             parent = parent->parentWidget())
            if (parent == &window_)
                return true;
    }
    return false;
}

} // namespace lajes
