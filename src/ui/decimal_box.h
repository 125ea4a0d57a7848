#pragma once

// The number boxes of every screen: what may be typed or pasted into them, and what happens
// when the user leaves one.

#include <QObject>
#include <QValidator>

#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QComboBox;
class QWidget;

namespace lajes {

class MessageBoxes;

// The decimal separator of the current locale (QLocale's default), "," or ".".
char localeDecimalSeparator();

// Digits and the decimal separator only. A typed or pasted "," or "." becomes the locale's
// separator; any other character makes the whole change invalid, so a paste or a drop cannot
// bring in what typing cannot. Two separators pass here and fail the conversion later.
class DecimalValidator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Digits only (the layer colour numbers).
class DigitsValidator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Makes `box` a decimal box: the validator, a key filter that discards every printable
// character but digits, "," and ".", and an empty context menu.
void makeDecimalBox(QLineEdit* box);
void makeDecimalBox(QComboBox* box);
void makeDigitsBox(QLineEdit* box);
// A list-only combo box that ignores typed characters (no keyboard search).
void makeListOnly(QComboBox* box);

// Leaving a number box: an empty box becomes "0"; the text is converted; on failure the
// message "'4,5,2' não é um número válido." is shown and nothing is returned; on
// success, when `reformat`, the box is rewritten with two decimals. Returns the value.
std::optional<double> commitDecimalBox(QLineEdit* box, MessageBoxes& messages, bool reformat);

// A number box bound to the field it sets. Leaving the box (or committing it while it has the
// focus) stores its value times `scale` in `field` (a wall width typed in cm is held in m:
// 0.01), then calls `alsoStore` if given. `watched` is the widget that holds the focus (the
// combo box of an editable combo box's line edit).
struct NumberBox {
    QLineEdit* box = nullptr;
    double* field = nullptr;
    double scale = 1.0;
    bool reformat = true;
    QWidget* watched = nullptr; // null: the box itself
    std::function<void(double)> alsoStore = {};

    QWidget* focusWidget() const;
};

// Commits `box` as leaving it does (commitDecimalBox, then the field). A text that is no
// number gives the message, puts the field's value back into the box and the focus in it;
// false then.
bool commitNumberBox(const NumberBox& box, MessageBoxes& messages);

// Commits the one of `boxes` that is `focused` (the window's focus widget), if any: a button
// pressed while a box still has the focus takes the box's value. False when its text was no
// number (the button's action should stop).
bool commitFocusedNumberBox(const std::vector<NumberBox>& boxes, const QWidget* focused,
                            MessageBoxes& messages);

// "%0.2f" with the locale's decimal separator.
QString twoDecimals(double value);

// Puts `value` into `box` as the user would type it (every digit, the locale's separator);
// the caller then runs the box's leaving handler. Nothing empties the box.
void typeIntoBox(QLineEdit* box, std::optional<double> value);

// Calls `onExit` when the focus leaves `box` for another widget of the same window, and
// `onEnter` when it arrives from one by Tab, Backtab, a mouse click or a shortcut. Focus
// moves caused by another window opening or closing (a message box, a dialog) are not
// leaving or entering the box.
class FocusWatcher final : public QObject {
    Q_OBJECT
public:
    FocusWatcher(QWidget* box, std::function<void()> onExit, std::function<void()> onEnter = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> onExit_;
    std::function<void()> onEnter_;
};

} // namespace lajes
