#include "ui/dialog_loop.h"

#include <QDialog>
#include <QEvent>
#include <QObject>

#include <optional>

#include "ui/placement.h"

namespace lajes {

namespace {

// Places the dialog as its Show event arrives: the layout has given it its size by then,
// and the native window is not yet mapped, so it never appears elsewhere first.
class Placement final : public QObject {
public:
    Placement(QDialog& dialog, const QWidget* centreOver)
        : dialog_(dialog), centreOver_(centreOver) {
        dialog_.installEventFilter(this);
    }
    ~Placement() override { dialog_.removeEventFilter(this); }
    Placement(const Placement&) = delete;
    Placement& operator=(const Placement&) = delete;

    // Called when the dialog has closed with incomplete data.
    void rememberWhereItWas() { reshowAt_ = dialog_.geometry(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &dialog_ && event->type() == QEvent::Show) {
            if (reshowAt_)
                // The client rectangle, which a window manager's frame does not shift.
                dialog_.setGeometry(*reshowAt_);
            else
                centreOverClientArea(&dialog_, centreOver_);
        }
        return false;
    }

private:
    QDialog& dialog_;
    const QWidget* centreOver_;
    std::optional<QRect> reshowAt_;
};

} // namespace

bool execUntilAcceptable(QDialog& dialog, const QWidget* centreOver,
                         const std::function<bool()>& acceptable) {
    Placement placement(dialog, centreOver);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (acceptable())
            return true;
        placement.rememberWhereItWas();
    }
}

} // namespace lajes
