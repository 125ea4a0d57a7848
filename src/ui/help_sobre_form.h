#pragma once

// The about box: title, version and credits, and an OK button that keeps the focus.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace lajes {

class THelpSobreForm final : public QDialog {
    Q_OBJECT
public:
    explicit THelpSobreForm(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* Memo1;
    QPushButton* OkBitBtn;
};

} // namespace lajes
