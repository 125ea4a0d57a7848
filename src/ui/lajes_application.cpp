#include "ui/lajes_application.h"

#include <QAction>
#include <QCoreApplication>

#include "config/settings_file.h"
#include "report/report_preview.h"
#include "ui/abertura_form.h"
#include "ui/ajuda_form.h"
#include "ui/concreto_form.h"
#include "ui/config_form.h"
#include "ui/dados_add_form.h"
#include "ui/decimal_box.h"
#include "ui/help_sobre_form.h"
#include "ui/inserir_dados_form.h"
#include "ui/laje_nervurada_form.h"
#include "ui/message_boxes.h"
#include "ui/nome_laje_form.h"
#include "ui/resultados_form.h"

namespace lajes {

LajesApplication::LajesApplication(std::unique_ptr<MessageBoxes> messages,
                                   std::filesystem::path configFile)
    : messages_(std::move(messages)), configFile_(std::move(configFile)) {}

LajesApplication::~LajesApplication() = default;

void LajesApplication::start() {
    mainWindow_ = std::make_unique<TConcretoForm>();
    splash_ = new TAberturaForm([this] { createRemainingWindows(); }, mainWindow_.get());
    namePrompt_ = new TNomeLajeForm(mainWindow_.get());

    connect(mainWindow_->CalcularLajes, &QAction::triggered, this,
            &LajesApplication::CalcularLajesClick);
    connect(mainWindow_->Contedo1, &QAction::triggered, this, &LajesApplication::Contedo1Click);
    connect(mainWindow_->A1, &QAction::triggered, this, &LajesApplication::A1Click);
    connect(mainWindow_.get(), &TConcretoForm::closing, this, &LajesApplication::mainWindowClosing);

    splash_->exec();
    mainWindow_->showMaximized();
}

void LajesApplication::createRemainingWindows() {
    QWidget* main = mainWindow_.get();
    dataEntry_ = new TInserirDadosForm(slab_, results_, suggestions_, settings_, *messages_, main);
    resultsScreen_ = new TResultadosForm(slab_, results_, settings_, *messages_, namePrompt_, main);
    // The changes of the input (and the main window's "Calcular Lajes", which marks them)
    // decide how the results screen's next activation goes.
    connect(dataEntry_, &TInserirDadosForm::inputsChanged, resultsScreen_,
            [this] { resultsScreen_->recalculation().inputChanged(); });
    connect(dataEntry_, &TInserirDadosForm::showResults, resultsScreen_, [this] {
        resultsScreen_->recalculation().calculateSucceeded();
        resultsScreen_->showScreen();
    });
    connect(resultsScreen_, &TResultadosForm::leaveCalculation, dataEntry_, &QWidget::close);
    // "&Imprimir" (after the screen has set its flags): the report page filled afresh from what
    // the screen shows, in its print preview.
    resultsScreen_->printRequested = [this] {
        report::printReport(resultsScreen_->shown(), slab_, results_, settings_,
                            localeDecimalSeparator(), resultsScreen_);
    };
    ribbedDialog_ = new TLajeNervuradaForm(slab_, *messages_, dataEntry_, dataEntry_);
    aboutBox_ = new THelpSobreForm(main);
    additionalDialog_ = new TDadosAddForm(slab_, *messages_, dataEntry_, dataEntry_);

    loadedSettings_ = loadSettings(configFile_);
    const SettingsLoad& loaded = loadedSettings_;
    settings_ = loaded.settings;
    configDialog_ = new TConfigForm(settings_, *messages_, dataEntry_, dataEntry_);
    if (loaded.error)
        messages_->error(splash_, QString::fromStdString(*loaded.error));

    dataEntry_->setDialogs(ribbedDialog_, additionalDialog_, configDialog_);
    // A setting that enters the design counts as a change of the input.
    connect(configDialog_, &TConfigForm::inputsChanged, dataEntry_,
            &TInserirDadosForm::markInputsChanged);
}

void LajesApplication::CalcularLajesClick() {
    dataEntry_->markInputsChanged();
    dataEntry_->showScreen();
}

void LajesApplication::Contedo1Click() {
    if (!help_)
        help_ = new TAjudaForm(mainWindow_.get());
    help_->showContents();
}

void LajesApplication::A1Click() {
    aboutBox_->exec();
}

void LajesApplication::mainWindowClosing() {
    // A file that could not be read completely is left alone unless the user changed a
    // setting: its good values would otherwise be replaced by defaults.
    if (settingsToWriteAtExit(loadedSettings_, settings_)) {
        if (auto error = saveSettings(settings_, configFile_))
            messages_->error(mainWindow_.get(), QString::fromStdString(*error));
    }
    // Other windows may still be open; closing the main window ends the program anyway.
    QCoreApplication::quit();
}

} // namespace lajes
