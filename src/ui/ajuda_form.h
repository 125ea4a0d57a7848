#pragma once

// The program's help, an HTML page compiled into the program.

#include <QWidget>

class QTextBrowser;

namespace lajes {

class TAjudaForm final : public QWidget {
    Q_OBJECT
public:
    explicit TAjudaForm(QWidget* parent = nullptr);

    // Shows the contents page, brought forward.
    void showContents();
    QTextBrowser* browser() const { return browser_; }

private:
    void placeOverMainWindow();
    QTextBrowser* browser_;
};

} // namespace lajes
