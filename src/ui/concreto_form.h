#pragma once

// The main window: title picture, the menu, and the end of the program when it closes.

#include <QMainWindow>

class QAction;

namespace lajes {

// Said in the main window's picture and in the status tip of "&Calcular Lajes".
inline constexpr const char* calcularLajesHint = "Ctrl+I — Calcular Lajes";

class TConcretoForm final : public QMainWindow {
    Q_OBJECT
public:
    explicit TConcretoForm(QWidget* parent = nullptr);

    QAction* Saida;
    QAction* CalcularLajes;
    QAction* Contedo1;
    QAction* A1;

signals:
    // The window is closing: the settings are written, then the program ends.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace lajes
