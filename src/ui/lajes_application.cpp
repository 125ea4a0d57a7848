#include "ui/lajes_application.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "config/settings_file.h"
#include "report/report_preview.h"
#include "slabfile/recent_files.h"
#include "slabfile/slab_file.h"
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
#include "ui/pavimento_form.h"
#include "ui/placement.h"
#include "ui/resultados_form.h"
#include "ui/slab_file_dialogs.h"
#include "ui/verificacao_form.h"

namespace lajes {

namespace {

// File names go to the file system as the bytes it holds: a name from an old disk that is
// not UTF-8 still opens.
std::filesystem::path pathOf(const QString& file) {
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

QString nameOf(const std::filesystem::path& file) {
    return QFile::decodeName(QByteArray::fromStdString(file.native()));
}

std::filesystem::path absoluteOf(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return error ? file : absolute.lexically_normal();
}

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

LajesApplication::LajesApplication(std::unique_ptr<MessageBoxes> messages,
                                   std::filesystem::path configFile)
    : messages_(std::move(messages)), configFile_(std::move(configFile)),
      recentFilesFile_(recentFilesFile(configHomeOfProcess())),
      ownFileDialogs_(std::make_unique<QtSlabFileDialogs>()), fileDialogs_(ownFileDialogs_.get()) {}

LajesApplication::~LajesApplication() {
    if (qApp)
        qApp->removeEventFilter(this);
}

bool LajesApplication::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        // A dialog's own buttons already do so (autoDefault).
        if (button && !button->autoDefault() && button->isEnabled() &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & ~Qt::KeypadModifier)) {
            button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void LajesApplication::start() {
    qApp->installEventFilter(this);
    mainWindow_ = std::make_unique<TConcretoForm>();
    splash_ = new TAberturaForm([this] { createRemainingWindows(); }, mainWindow_.get());
    namePrompt_ = new TNomeLajeForm(mainWindow_.get());

    connect(mainWindow_->CalcularLajes, &QAction::triggered, this,
            &LajesApplication::CalcularLajesClick);
    connect(mainWindow_->Contedo1, &QAction::triggered, this, &LajesApplication::Contedo1Click);
    connect(mainWindow_->A1, &QAction::triggered, this, &LajesApplication::A1Click);
    connect(mainWindow_.get(), &TConcretoForm::closing, this, &LajesApplication::mainWindowClosing);
    // The question about the slab on the screens comes before the file dialog.
    connect(mainWindow_->AbrirLaje, &QAction::triggered, this, [this] {
        if (!dataEntry_ || !confirmDiscard())
            return;
        if (const auto file = fileDialogs_->fileToOpen(messageParent()))
            openSlabFile(pathOf(*file), false);
    });
    connect(mainWindow_->NovaLaje, &QAction::triggered, this, &LajesApplication::newSlab);
    connect(mainWindow_->SalvarLaje, &QAction::triggered, this, [this] {
        // Ctrl+S on the results screen keeps the bars it shows.
        if (resultsScreen_ && resultsScreen_->isActiveWindow())
            resultsScreen_->runWithOwnWindows([this] { saveSlab(); });
        else
            saveSlab();
    });
    connect(mainWindow_->SalvarLajeComo, &QAction::triggered, this, [this] { saveSlabAs(); });
    for (QAction* recent : mainWindow_->RecentFiles)
        connect(recent, &QAction::triggered, this, [this, recent] {
            openFile(std::filesystem::path(recent->data().toByteArray().toStdString()));
        });
    connect(mainWindow_->CalcularPavimento, &QAction::triggered, this,
            [this] { floorWindow()->showWindow(); });
    connect(mainWindow_->NovoPavimento, &QAction::triggered, this, [this] {
        if (floorWindow()->newFloor())
            floorWindow()->showWindow();
    });
    connect(mainWindow_->AbrirPavimento, &QAction::triggered, this, [this] {
        if (floorWindow()->openFromDialog())
            floorWindow_->showWindow();
    });
    connect(mainWindow_->SalvarPavimento, &QAction::triggered, this,
            [this] { floorWindow()->saveFloor(); });
    connect(mainWindow_->SalvarPavimentoComo, &QAction::triggered, this,
            [this] { floorWindow()->saveFloorAs(); });
    mainWindow_->confirmClose = [this] {
        return confirmDiscard() && (!floorWindow_ || floorWindow_->confirmDiscard());
    };
    updateRecentMenu();

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
        resultsScreen_->recalculation().calculateSucceeded(dataEntry_->designInputs());
        resultsScreen_->showScreen();
    });
    // What is typed now against what the results were calculated from; the box being typed
    // in counts with what it shows.
    resultsScreen_->inputsOutdated = [this] {
        dataEntry_->commitBox(dataEntry_->focusWidget());
        return resultsScreen_->recalculation().inputsChangedSinceCalculation(
            dataEntry_->designInputs());
    };
    resultsScreen_->calculateAgain = [this] {
        if (dataEntry_->calculateAgain()) {
            resultsScreen_->recalculation().calculateSucceeded(dataEntry_->designInputs());
            return true;
        }
        resultsScreen_->close();
        dataEntry_->showScreen();
        return false;
    };
    // "&Sair" of the results screen closes the data-entry screen, which takes this one along.
    connect(resultsScreen_, &TResultadosForm::leaveCalculation, dataEntry_, &QWidget::close);
    // "&Imprimir" (after the screen has set its flags): the report page filled afresh from what
    // the screen shows, in its print preview.
    resultsScreen_->printRequested = [this] {
        report::printReport(resultsScreen_->shown(), slab_, results_, settings_,
                            localeDecimalSeparator(), resultsScreen_, {},
                            {namePrompt_->NomeLajeEdit->text().toStdString(), &lastPdfFolder_, {}});
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

    // Slab files: the same commands in the data-entry screen's menu, Ctrl+S also on the
    // results screen; every change of what a file holds marks the slab as changed.
    dataEntry_->addFileMenu({mainWindow_->NovaLaje, mainWindow_->AbrirLaje, mainWindow_->SalvarLaje,
                             mainWindow_->SalvarLajeComo, mainWindow_->RecentSeparator,
                             mainWindow_->RecentFiles[0], mainWindow_->RecentFiles[1],
                             mainWindow_->RecentFiles[2], mainWindow_->RecentFiles[3]});
    resultsScreen_->addAction(mainWindow_->SalvarLaje);
    dataEntryCaption_ = dataEntry_->windowTitle();
    resultsCaption_ = resultsScreen_->windowTitle();
    connect(dataEntry_, &TInserirDadosForm::inputsChanged, this, [this] {
        if (markingFromMenu_)
            return;
        resultsScreen_->forgetPicks();
        slabChanged();
    });
    for (QWidget* dialog : std::initializer_list<QWidget*>{ribbedDialog_, additionalDialog_})
        for (QLineEdit* box : dialog->findChildren<QLineEdit*>())
            connect(box, &QLineEdit::textChanged, this, &LajesApplication::slabChanged);
    connect(namePrompt_->NomeLajeEdit, &QLineEdit::textChanged, this,
            &LajesApplication::slabChanged);
    connect(resultsScreen_, &TResultadosForm::barsPicked, this, &LajesApplication::slabChanged);
    dataEntry_->confirmClose = [this] { return confirmDiscard(); };
    connect(dataEntry_, &TInserirDadosForm::inputsReset, this, [this] {
        // The results screen and its companions never outlive the inputs they show.
        resultsScreen_->close();
        resultsScreen_->setFileChoices({});
        document_.closed();
        updateTitles();
    });
    // "&NBR 6118:2014" of the results screen: the window is made when first asked for and
    // then follows the screen's results.
    resultsScreen_->verificationRequested = [this] {
        if (!verification_) {
            // A window of the results screen: it stays above it.
            verification_ = new TVerificacaoForm(slab_, results_, settings_, nbr6118_, *messages_,
                                                 resultsScreen_);
            resultsScreen_->addCompanionWindow(verification_);
            connect(verification_, &TVerificacaoForm::parametersChanged, this,
                    [this] { slabChanged(); });
        }
        const bool placed = verification_->isVisible();
        verification_->showWindow();
        if (!placed)
            placeBeside(verification_, resultsScreen_);
    };
    resultsScreen_->resultsChanged = [this] {
        if (verification_)
            verification_->refresh();
    };
}

void LajesApplication::setFileDialogs(SlabFileDialogs* dialogs) {
    fileDialogs_ = dialogs ? dialogs : ownFileDialogs_.get();
}

QWidget* LajesApplication::messageParent() const {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return mainWindow_.get();
}

void LajesApplication::slabChanged() {
    document_.changed();
    updateTitles();
}

void LajesApplication::updateTitles() {
    if (!dataEntry_)
        return;
    dataEntry_->setWindowTitle(qText(document_.title(dataEntryCaption_.toStdString())));
    resultsScreen_->setWindowTitle(qText(document_.title(resultsCaption_.toStdString())));
}

bool LajesApplication::confirmDiscard() {
    if (!document_.mustAskBeforeDiscarding())
        return true;
    switch (messages_->askSave(messageParent(), qText(document_.saveQuestion()))) {
    case SaveAnswer::Save:
        return saveSlab();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool LajesApplication::openSlabFile(const QString& path) {
    return openSlabFile(pathOf(path), true);
}

bool LajesApplication::openSlabFile(const std::filesystem::path& file, bool ask) {
    if (!dataEntry_ || (ask && !confirmDiscard()))
        return false;
    QWidget* parent = messageParent();
    auto read = readSlabFile(file, settings_);
    if (const auto* message = std::get_if<std::string>(&read)) {
        messages_->error(parent, qText(*message));
        // A recent file that is gone leaves the list; any other stays as it was.
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(file, error)))
            rememberRecentFile(absoluteOf(file), false);
        return false;
    }
    const SlabRequest& slab = std::get<SlabRequest>(read);
    // The schema has refused settings the settings dialog would not accept.
    if (!sameDesignSettings(slab.settings, settings_) &&
        messages_->confirm(
            parent, qText(settingsQuestion(slab.settings, settings_, localeDecimalSeparator()))))
        configDialog_->adoptDesignSettings(slab.settings);

    // The results on screen belong to the slab being replaced.
    if (resultsScreen_->isVisible())
        resultsScreen_->close();
    dataEntry_->fillFrom(slab);
    nbr6118_ = slab.nbr6118;
    if (verification_)
        verification_->showParameters();
    namePrompt_->NomeLajeEdit->setText(qText(slab.name.value_or(std::string())));
    resultsScreen_->setFileChoices(slab.choices);
    document_.opened(absoluteOf(file));
    rememberRecentFile(absoluteOf(file), true);
    updateTitles();
    dataEntry_->showScreen();
    return true;
}

bool LajesApplication::saveSlab() {
    if (!document_.hasFile())
        return saveSlabAs();
    return saveTo(document_.path());
}

bool LajesApplication::saveSlabAs() {
    const QString current = document_.hasFile() ? nameOf(document_.path()) : QString();
    const auto file = fileDialogs_->fileToSave(messageParent(), current);
    return file && saveTo(pathOf(*file));
}

bool LajesApplication::saveTo(const std::filesystem::path& file) {
    if (!dataEntry_)
        return false;
    SlabRequest slab = dataEntry_->typedSlab();
    slab.settings = settings_;
    slab.choices = resultsScreen_->choicesToSave();
    slab.nbr6118 = nbr6118_;
    slab.name = namePrompt_->NomeLajeEdit->text().toStdString();
    if (const auto error = writeSlabFile(file, slab, WriteTarget::regularFile)) {
        messages_->error(messageParent(), qText(*error));
        return false;
    }
    document_.saved(absoluteOf(file));
    rememberRecentFile(absoluteOf(file), true);
    updateTitles();
    return true;
}

QStringList LajesApplication::recentFiles() const {
    QStringList files;
    if (recentFilesFile_)
        for (const std::string& file : readRecentFiles(*recentFilesFile_))
            files << nameOf(file);
    return files;
}

// `keep`: the file was opened or saved (it goes first); otherwise it is gone and leaves the list.
// Re-read and written under the list's lock: another instance may have changed it meanwhile.
void LajesApplication::rememberRecentFile(const std::filesystem::path& file, bool keep) {
    if (!recentFilesFile_)
        return;
    updateRecentFiles(*recentFilesFile_, [&](std::vector<std::string> list) {
        if (keep)
            return withRecentFile(std::move(list), file.native());
        std::erase(list, file.native());
        return list;
    });
    updateRecentMenu();
}

void LajesApplication::updateRecentMenu() {
    std::vector<std::string> bytes;
    if (recentFilesFile_)
        bytes = readRecentFiles(*recentFilesFile_);
    QStringList files;
    for (const std::string& file : bytes)
        files << nameOf(file);
    mainWindow_->RecentSeparator->setVisible(!files.isEmpty());
    for (std::size_t i = 0; i < mainWindow_->RecentFiles.size(); ++i) {
        QAction* action = mainWindow_->RecentFiles[i];
        const bool used = static_cast<qsizetype>(i) < files.size();
        action->setVisible(used);
        if (!used)
            continue;
        const QString& file = files.at(static_cast<qsizetype>(i));
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(file).fileName()));
        action->setData(QByteArray::fromStdString(bytes.at(i)));
        action->setToolTip(file);
        action->setStatusTip(file);
    }
}

TPavimentoForm* LajesApplication::floorWindow() {
    if (!floorWindow_) {
        floorWindow_ = new TPavimentoForm(settings_, *messages_, mainWindow_.get());
        floorWindow_->fileUsed = [this](const QString& path, bool keep) {
            rememberRecentFile(pathOf(path), keep);
        };
        floorWindow_->adoptSettings = [this](const Settings& fromFile) {
            if (configDialog_)
                configDialog_->adoptDesignSettings(fromFile);
            else
                settings_ = fromFile;
        };
    }
    return floorWindow_;
}

bool LajesApplication::openFloorFile(const QString& path) {
    if (!floorWindow()->openFloorFile(path))
        return false;
    floorWindow_->showWindow();
    return true;
}

bool LajesApplication::openFile(const std::filesystem::path& file) {
    if (nameOf(file.extension()).compare(QStringLiteral(".pavimento"), Qt::CaseInsensitive) == 0)
        return openFloorFile(nameOf(file));
    return openSlabFile(file);
}

void LajesApplication::newSlab() {
    if (!dataEntry_ || !confirmDiscard())
        return;
    // Closing the data-entry screen resets its inputs and closes the results screen; the slab
    // was already discarded or saved above, so it asks nothing more.
    const auto ask = std::exchange(dataEntry_->confirmClose, nullptr);
    dataEntry_->close();
    dataEntry_->confirmClose = ask;
    namePrompt_->NomeLajeEdit->clear();
    nbr6118_ = Nbr6118Parameters{};
    if (verification_)
        verification_->showParameters();
    document_.closed();
    updateTitles();
    CalcularLajesClick();
}

void LajesApplication::CalcularLajesClick() {
    // Marks the inputs for the results screen; the slab itself is unchanged.
    markingFromMenu_ = true;
    dataEntry_->markInputsChanged();
    markingFromMenu_ = false;
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
    if (settingsToWriteAtExit(loadedSettings_, settings_, configFile_)) {
        if (auto error = saveSettings(settings_, configFile_))
            messages_->error(mainWindow_.get(), QString::fromStdString(*error));
    }
    // Other windows may still be open; closing the main window ends the program anyway.
    QCoreApplication::quit();
}

} // namespace lajes
