#pragma once

// The splash screen: shown modally at start-up; its one-shot timer creates the other windows.

#include <QDialog>
#include <QTimer>

#include <functional>

namespace lajes {

class TAberturaForm final : public QDialog {
    Q_OBJECT
public:
    // `createWindows` runs on the first timer tick, inside the modal showing.
    TAberturaForm(std::function<void()> createWindows, QWidget* parent = nullptr);

    QTimer Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Timer1Timer();
    std::function<void()> createWindows_;
};

} // namespace lajes
