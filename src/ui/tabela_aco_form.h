#pragma once

// "Tabela de Aço": the steel table of the slab on the results screen, which it follows at
// every computation and bar pick. One instance, non-modal. From it the tables go to the
// clipboard (for a spreadsheet), to a CSV file or to a printed sheet.

#include <QString>
#include <QWidget>

#include <optional>

#include "design/steel_schedule.h"

class QLabel;
class QPushButton;
class QStatusBar;
class QTableWidget;

namespace lajes {

class MessageBoxes;
class TNomeLajeForm;
struct SlabDesignData;
struct SlabResults;
struct Settings;

class TTabelaAcoForm final : public QWidget {
    Q_OBJECT
public:
    // `namePrompt` (may be null) holds the slab name the printed sheet carries.
    TTabelaAcoForm(const SlabDesignData& slab, const SlabResults& results, const Settings& settings,
                   MessageBoxes& messages, TNomeLajeForm* namePrompt, QWidget* parent = nullptr);

    // Recomputes the table from the records; `designComplete` false (a refused calculation,
    // the no-bar failure) empties it and disables the three buttons.
    void refresh(bool designComplete);
    const std::optional<SteelSchedule>& schedule() const { return schedule_; }

    void CopiarBitBtnClick();
    void SalvarCsvBitBtnClick();
    void ImprimirBitBtnClick();

    QTableWidget* PosicoesTable;
    QTableWidget* ResumoTable;
    QTableWidget* TotaisTable;
    QPushButton* CopiarBitBtn;
    QPushButton* SalvarCsvBitBtn;
    QPushButton* ImprimirBitBtn;
    QPushButton* FecharBitBtn;
    // "Arquivo gravado: L7.csv" for 5 s after the table was saved.
    QStatusBar* StatusBar = nullptr;

private:
    QString slabName() const;
    QString lastFolder_; // of the last table saved

    const SlabDesignData& slab_;
    const SlabResults& results_;
    const Settings& settings_;
    MessageBoxes& messages_;
    TNomeLajeForm* namePrompt_;
    std::optional<SteelSchedule> schedule_;
};

} // namespace lajes
