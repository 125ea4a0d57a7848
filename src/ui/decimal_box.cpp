#include "ui/decimal_box.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include "text/number_text.h"
#include "ui/message_boxes.h"

namespace lajes {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Discards printable characters outside `allowed`; control characters (backspace, the
// clipboard shortcuts) and keys without text (arrows, Delete) go through.
class KeyFilter final : public QObject {
public:
    // `returnMovesOn`: Return and Enter move to the next box, as Tab does.
    KeyFilter(QObject* parent, QString allowed, bool returnMovesOn = false)
        : QObject(parent), allowed_(std::move(allowed)), returnMovesOn_(returnMovesOn) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // In a dialog Return keeps pressing its default button ("&Ok").
            if (returnMovesOn_ &&
                !qobject_cast<QDialog*>(static_cast<QWidget*>(watched)->window()) &&
                (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                !(key->modifiers() & ~Qt::KeypadModifier)) {
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(watched, &tab);
                return true;
            }
            // Ctrl and Alt combinations are commands (paste, undo), not characters; what a
            // paste brings in is checked by the validator.
            const bool command =
                key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
            const QString text = key->text();
            if (!command && text.size() == 1 && text.at(0).isPrint() &&
                !allowed_.contains(text.at(0)))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString allowed_;
    bool returnMovesOn_;
};

const QString decimalKeys = QStringLiteral("0123456789,.");
const QString digitKeys = QStringLiteral("0123456789");

} // namespace

char localeDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

QValidator::State DecimalValidator::validate(QString& input, int& /*pos*/) const {
    const QChar separator = QLatin1Char(localeDecimalSeparator());
    for (QChar& c : input) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            c = separator;
        else if (!isDigit(c))
            return Invalid;
    }
    return Acceptable;
}

QValidator::State DigitsValidator::validate(QString& input, int& /*pos*/) const {
    for (QChar c : input)
        if (!isDigit(c))
            return Invalid;
    return Acceptable;
}

void makeDecimalBox(QLineEdit* box) {
    box->setValidator(new DecimalValidator(box));
    box->installEventFilter(new KeyFilter(box, decimalKeys, true));
    box->setContextMenuPolicy(Qt::PreventContextMenu);
}

void makeDecimalBox(QComboBox* box) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setValidator(new DecimalValidator(box));
    box->lineEdit()->installEventFilter(new KeyFilter(box, decimalKeys, true));
    box->lineEdit()->setContextMenuPolicy(Qt::PreventContextMenu);
    box->setContextMenuPolicy(Qt::PreventContextMenu);
}

void makeDigitsBox(QLineEdit* box) {
    box->setValidator(new DigitsValidator(box));
    box->installEventFilter(new KeyFilter(box, digitKeys, true));
}

void makeListOnly(QComboBox* box) {
    box->setEditable(false);
    box->installEventFilter(new KeyFilter(box, QString()));
    box->setContextMenuPolicy(Qt::PreventContextMenu);
}

QString twoDecimals(double value) {
    return QString::fromStdString(formatFixed(value, 2, localeDecimalSeparator()));
}

std::optional<double> commitDecimalBox(QLineEdit* box, MessageBoxes& messages, bool reformat) {
    if (box->text().isEmpty())
        box->setText(QStringLiteral("0"));
    const QString text = box->text();
    const std::optional<double> value = parseUserReal(text.toStdString());
    if (!value) {
        messages.error(box->window(),
                       QString::fromStdString(notANumberMessage(text.toStdString())));
        return std::nullopt;
    }
    if (reformat)
        box->setText(twoDecimals(*value));
    return value;
}

FocusWatcher::FocusWatcher(QWidget* box, std::function<void()> onExit,
                           std::function<void()> onEnter)
    : QObject(box), onExit_(std::move(onExit)), onEnter_(std::move(onEnter)) {
    box->installEventFilter(this);
}

bool FocusWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (onExit_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            onExit_();
    } else if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (onEnter_ && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason))
            onEnter_();
    }
    return QObject::eventFilter(watched, event);
}

void typeIntoBox(QLineEdit* box, std::optional<double> value) {
    if (!value) {
        box->clear();
        return;
    }
    box->setText(QString::fromStdString(formatShortest(*value, localeDecimalSeparator())));
}

QWidget* NumberBox::focusWidget() const {
    return watched ? watched : box;
}

bool commitNumberBox(const NumberBox& number, MessageBoxes& messages) {
    if (auto value = commitDecimalBox(number.box, messages, number.reformat)) {
        *number.field = *value * number.scale;
        if (number.alsoStore)
            number.alsoStore(*value);
        return true;
    }
    // What the box shows is what is used: the value kept, and the user stays to correct it.
    const double kept = *number.field / number.scale;
    number.box->setText(
        number.reformat ? twoDecimals(kept)
                        : QString::fromStdString(formatShortest(kept, localeDecimalSeparator())));
    number.focusWidget()->setFocus(Qt::OtherFocusReason);
    return false;
}

bool commitFocusedNumberBox(const std::vector<NumberBox>& boxes, const QWidget* focused,
                            MessageBoxes& messages) {
    for (const NumberBox& number : boxes)
        if (focused && (focused == number.focusWidget() || focused == number.box))
            return commitNumberBox(number, messages);
    return true;
}

} // namespace lajes
