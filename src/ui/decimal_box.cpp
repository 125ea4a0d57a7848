#include "ui/decimal_box.h"

#include <QComboBox>
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
    KeyFilter(QObject* parent, QString allowed) : QObject(parent), allowed_(std::move(allowed)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
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
    box->installEventFilter(new KeyFilter(box, decimalKeys));
    box->setContextMenuPolicy(Qt::PreventContextMenu);
}

void makeDecimalBox(QComboBox* box) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setValidator(new DecimalValidator(box));
    box->lineEdit()->installEventFilter(new KeyFilter(box, decimalKeys));
    box->lineEdit()->setContextMenuPolicy(Qt::PreventContextMenu);
    box->setContextMenuPolicy(Qt::PreventContextMenu);
}

void makeDigitsBox(QLineEdit* box) {
    box->setValidator(new DigitsValidator(box));
    box->installEventFilter(new KeyFilter(box, digitKeys));
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
                       QStringLiteral("'%1' is not a valid floating point value").arg(text));
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

void commitNumberBox(const NumberBox& number, MessageBoxes& messages) {
    if (auto value = commitDecimalBox(number.box, messages, number.reformat)) {
        *number.field = *value * number.scale;
        if (number.alsoStore)
            number.alsoStore(*value);
    }
}

void commitFocusedNumberBox(const std::vector<NumberBox>& boxes, const QWidget* focused,
                            MessageBoxes& messages) {
    for (const NumberBox& number : boxes)
        if (focused && (focused == number.focusWidget() || focused == number.box)) {
            commitNumberBox(number, messages);
            return;
        }
}

} // namespace lajes
