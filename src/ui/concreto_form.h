#pragma once

// The main window: title picture, the menu, and the end of the program when it closes.

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;

namespace lajes {

// Said in the main window's picture and in the status tip of "&Calcular Lajes".
inline constexpr const char* calcularLajesHint = "Ctrl+I — Calcular Lajes";

class TConcretoForm final : public QMainWindow {
    Q_OBJECT
public:
    explicit TConcretoForm(QWidget* parent = nullptr);

    // The slab file commands; the data-entry screen's "&Arquivo" menu shows the same actions.
    QAction* NovaLaje;
    QAction* AbrirLaje;
    QAction* SalvarLaje;
    QAction* SalvarLajeComo;
    // The floor's file commands; the floor window opens with them.
    QAction* NovoPavimento;
    QAction* AbrirPavimento;
    QAction* SalvarPavimento;
    QAction* SalvarPavimentoComo;
    QAction* RecentSeparator;
    std::array<QAction*, 4> RecentFiles{}; // hidden while unused; data() is the path
    QAction* Saida;
    QAction* CalcularLajes;
    QAction* CalcularPavimento;
    QAction* Contedo1;
    QAction* A1;

    // Asked before the window closes; false keeps it open (the user cancelled).
    std::function<bool()> confirmClose;

signals:
    // The window is closing: the settings are written, then the program ends.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace lajes
