#pragma once

// The program: owns the three records and every window, runs the start-up sequence and
// writes the settings when the main window closes.

#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <optional>

#include "analysis/predimensioning.h"
#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "config/settings_file.h"
#include "design/slab_results.h"
#include "slabfile/slab_document.h"
#include "verification/nbr6118_parameters.h"

namespace lajes {

class MessageBoxes;
class SlabFileDialogs;
class TAberturaForm;
class TAjudaForm;
class TConcretoForm;
class TConfigForm;
class TDadosAddForm;
class THelpSobreForm;
class TInserirDadosForm;
class TLajeNervuradaForm;
class TNomeLajeForm;
class TPavimentoForm;
class TResultadosForm;
class TVerificacaoForm;

class LajesApplication final : public QObject {
    Q_OBJECT
public:
    // `configFile` is Quenvor.cfg in the working directory for the program.
    LajesApplication(std::unique_ptr<MessageBoxes> messages, std::filesystem::path configFile);
    ~LajesApplication() override;

    // Creates the main window, the splash screen and the slab-name prompt, shows the splash
    // screen modally (its timer creates the other windows) and shows the main window
    // maximised. The caller then runs the event loop.
    void start();

    // The program's own settings (the recent files) go to this INI file instead of the
    // user's configuration folder; for tests. Call before start().
    void setProgramSettingsFile(const QString& path) {
        recentFilesFile_ = std::filesystem::path(QFile::encodeName(path).toStdString());
    }
    // Replaces the "Abrir Laje" and "Salvar Laje" dialogs (nullptr: the real ones).
    void setFileDialogs(SlabFileDialogs* dialogs);

    // Opens a .laje file into the screens (after the question about unsaved changes, and the
    // settings question when its settings differ). A file that cannot be taken gives one
    // message and changes nothing. True when the slab was opened.
    bool openSlabFile(const QString& path);
    // The same for a file name as the file system holds it (bytes, not necessarily UTF-8);
    // `ask`: the question about the slab on the screens is still to be asked.
    bool openSlabFile(const std::filesystem::path& file, bool ask = true);
    // "&Salvar Laje" and "Salvar Laje &Como…"; true when the file was written.
    bool saveSlab();
    bool saveSlabAs();
    const SlabDocument& document() const { return document_; }
    QStringList recentFiles() const;
    // The floor window, made when first asked for (never at start-up).
    TPavimentoForm* floorWindow();
    // Opens a .pavimento file in the floor window (after its own questions).
    bool openFloorFile(const QString& path);
    // A recent file or the command line's (as the file system's bytes): a floor by its
    // extension, else a slab.
    bool openFile(const std::filesystem::path& file);

    SlabDesignData& slab() { return slab_; }
    SlabResults& results() { return results_; }
    Settings& settings() { return settings_; }
    PreDimensioning& suggestions() { return suggestions_; }
    MessageBoxes& messages() { return *messages_; }
    // The parameters of the NBR 6118:2014 verification (saved with a slab).
    Nbr6118Parameters& nbr6118() { return nbr6118_; }

    TConcretoForm* mainWindow() const { return mainWindow_.get(); }
    TAberturaForm* splash() const { return splash_; }
    TNomeLajeForm* namePrompt() const { return namePrompt_; }
    TInserirDadosForm* dataEntry() const { return dataEntry_; }
    TResultadosForm* resultsScreen() const { return resultsScreen_; }
    TLajeNervuradaForm* ribbedDialog() const { return ribbedDialog_; }
    THelpSobreForm* aboutBox() const { return aboutBox_; }
    TDadosAddForm* additionalDialog() const { return additionalDialog_; }
    TConfigForm* configDialog() const { return configDialog_; }
    TAjudaForm* help() const { return help_; }
    TVerificacaoForm* verification() const { return verification_; }

protected:
    // Return on a focused push button presses it in every window, not only in dialogs.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createRemainingWindows();
    // "&Nova Laje": after the question, the data-entry screen empty and untitled.
    void newSlab();
    void CalcularLajesClick();
    void Contedo1Click();
    void A1Click();
    void mainWindowClosing();
    QWidget* messageParent() const;
    bool saveTo(const std::filesystem::path& file);
    bool confirmDiscard();
    void slabChanged();
    void updateTitles();
    void rememberRecentFile(const std::filesystem::path& file, bool keep);
    void updateRecentMenu();

    // The records outlive the windows that refer to them.
    SlabDesignData slab_;
    SlabResults results_;
    Settings settings_;
    SettingsLoad loadedSettings_; // what Quenvor.cfg gave at start-up, kept for the exit
    PreDimensioning suggestions_;
    Nbr6118Parameters nbr6118_;
    std::unique_ptr<MessageBoxes> messages_;
    std::filesystem::path configFile_;
    SlabDocument document_;
    // Nothing: no recent list (no home to keep it in).
    std::optional<std::filesystem::path> recentFilesFile_;
    std::unique_ptr<SlabFileDialogs> ownFileDialogs_;
    SlabFileDialogs* fileDialogs_ = nullptr;
    QString dataEntryCaption_;
    QString resultsCaption_;
    QString lastPdfFolder_;        // where "Salvar PDF…" of the sheet wrote last
    bool markingFromMenu_ = false; // "&Calcular Lajes" marks the inputs without changing them

    std::unique_ptr<TConcretoForm> mainWindow_; // parent of every other window
    TAberturaForm* splash_ = nullptr;
    TNomeLajeForm* namePrompt_ = nullptr;
    TInserirDadosForm* dataEntry_ = nullptr;
    TResultadosForm* resultsScreen_ = nullptr;
    TLajeNervuradaForm* ribbedDialog_ = nullptr;
    THelpSobreForm* aboutBox_ = nullptr;
    TDadosAddForm* additionalDialog_ = nullptr;
    TConfigForm* configDialog_ = nullptr;
    TAjudaForm* help_ = nullptr;
    TVerificacaoForm* verification_ = nullptr;
    TPavimentoForm* floorWindow_ = nullptr;
};

} // namespace lajes
