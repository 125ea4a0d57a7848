#include "ui/pavimento_form.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>

#include "analysis/steel_grades.h"
#include "design/bar_picks.h"
#include "floor/beam_loads_csv.h"
#include "floor/floor_drawing.h"
#include "floor/floor_file.h"
#include "report/floor_memorial.h"
#include "ui/floor_editing.h"
#include "ui/glyphs.h"
#include "ui/message_boxes.h"
#include "ui/pavimento_scene.h"

namespace lajes {

namespace {

const QColor meetsColour(0, 120, 0);
const QColor failsColour(190, 0, 0);

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

std::filesystem::path pathOf(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString point(const PlanPoint& p) {
    return QStringLiteral("(%1; %2)").arg(twoDecimals(p.x), twoDecimals(p.y));
}

QString names(const Floor& floor, const std::vector<std::size_t>& slabs) {
    QStringList list;
    for (std::size_t i : slabs)
        if (i < floor.slabs.size())
            list << qText(floor.slabs[i].name);
    return list.join(QStringLiteral(" | "));
}

// "Atende" in green with a tick, "Não atende" in red with a cross, and the reason after it.
QVariant outcomeCell(FloorOutcome outcome, const std::string& message, int role) {
    const bool meets = outcome == FloorOutcome::Ready;
    switch (role) {
    case Qt::DisplayRole: {
        QString text = meets ? QStringLiteral("Atende") : QStringLiteral("Não atende");
        if (!message.empty())
            text += QStringLiteral(": ") + qText(message).simplified();
        return text;
    }
    case Qt::DecorationRole:
        return meets ? tickGlyph() : cancelGlyph();
    case Qt::ForegroundRole:
        return meets ? meetsColour : failsColour;
    case Qt::ToolTipRole:
        return message.empty() ? QVariant() : QVariant(qText(message));
    default:
        return {};
    }
}

// A table over the window's results: the cells are asked for when shown, so that a refresh
// after an edit costs nothing for the rows out of sight.
class FloorTableModel final : public QAbstractTableModel {
public:
    using Cell = std::function<QVariant(int row, int column, int role)>;
    FloorTableModel(QStringList headers, std::function<int()> rows, Cell cell, QObject* parent)
        : QAbstractTableModel(parent), headers_(std::move(headers)), rows_(std::move(rows)),
          cell_(std::move(cell)) {}

    void refresh() {
        beginResetModel();
        endResetModel();
    }
    // The columns whose cells are edited by a list of bar picks.
    std::function<bool(int column)> editable;
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (index.isValid() && editable && editable(index.column()))
            f |= Qt::ItemIsEditable;
        return f;
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : rows_();
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(headers_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        return index.isValid() ? cell_(index.row(), index.column(), role) : QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < headers_.size())
            return headers_.at(section);
        return {};
    }

private:
    QStringList headers_;
    std::function<int()> rows_;
    Cell cell_;
};

// The bar cells of the tables: a list with the diameters ("Ø8.0") and the spacings ("c12")
// the results screen would offer; choosing one is the window's pick.
class BarPickDelegate final : public QStyledItemDelegate {
public:
    using Entries = std::function<QStringList(int row, int column)>;
    using Picked = std::function<void(int row, int column, const QString& entry)>;
    BarPickDelegate(Entries entries, Picked picked, QObject* parent)
        : QStyledItemDelegate(parent), entries_(std::move(entries)), picked_(std::move(picked)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("BarrasComboBox"));
        box->addItems(entries_(index.row(), index.column()));
        // Nothing chosen yet: the bars in use stay in sight until an entry is picked.
        box->setPlaceholderText(index.data().toString());
        box->setCurrentIndex(-1);
        auto* self = const_cast<BarPickDelegate*>(this);
        connect(box, &QComboBox::activated, self, [self, box] {
            emit self->commitData(box);
            emit self->closeEditor(box);
        });
        return box;
    }
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        auto* box = static_cast<QComboBox*>(editor);
        if (box->currentIndex() >= 0)
            picked_(index.row(), index.column(), box->currentText());
    }

private:
    Entries entries_;
    Picked picked_;
};

QStringList pickEntries(const ChoiceList& diameters, const ChoiceList& spacings) {
    QStringList entries;
    if (diameters.enabled)
        for (const std::string& item : diameters.items)
            entries << QStringLiteral("Ø") + qText(item);
    if (spacings.enabled)
        for (const std::string& item : spacings.items)
            entries << QStringLiteral("c") + qText(item);
    return entries;
}

void prepareDialog(QFileDialog& dialog, const char* objectName, QFileDialog::AcceptMode mode,
                   const QString& accept) {
    dialog.setObjectName(QString::fromLatin1(objectName));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Pavimentos (*.pavimento)"));
    dialog.setDefaultSuffix(QStringLiteral("pavimento"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Examinar:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nome do arquivo:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog.setLabelText(QFileDialog::Accept, accept);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
}

std::optional<QString> runDialog(QFileDialog& dialog, QString& lastFolder) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString file = dialog.selectedFiles().first();
    lastFolder = QFileInfo(file).absolutePath();
    return file;
}

} // namespace

std::optional<QString> QtFloorFileDialogs::fileToOpen(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Abrir Pavimento"));
    prepareDialog(dialog, "AbrirPavimentoDialog", QFileDialog::AcceptOpen,
                  QStringLiteral("&Abrir"));
    if (!lastFolder_.isEmpty())
        dialog.setDirectory(lastFolder_);
    return runDialog(dialog, lastFolder_);
}

std::optional<QString> QtFloorFileDialogs::fileToSave(QWidget* parent, const QString& current) {
    QFileDialog dialog(parent, QStringLiteral("Salvar Pavimento"));
    prepareDialog(dialog, "SalvarPavimentoDialog", QFileDialog::AcceptSave,
                  QStringLiteral("&Salvar"));
    if (!current.isEmpty()) {
        dialog.setDirectory(QFileInfo(current).absolutePath());
        dialog.selectFile(QFileInfo(current).fileName());
    } else if (!lastFolder_.isEmpty()) {
        dialog.setDirectory(lastFolder_);
    }
    return runDialog(dialog, lastFolder_);
}

std::optional<QString> QtFloorOutputDialogs::outputFile(QWidget* parent, const QString& title,
                                                        const QString& filter,
                                                        const QString& suffix,
                                                        const QString& suggested) {
    QFileDialog dialog(parent, title);
    dialog.setObjectName(QStringLiteral("SalvarSaidaPavimentoDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Salvar em:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nome do arquivo:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Salvar"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

TPavimentoForm::TPavimentoForm(Settings& settings, MessageBoxes& messages, QWidget* parent)
    : QMainWindow(parent), settings_(settings), messages_(messages),
      ownFileDialogs_(std::make_unique<QtFloorFileDialogs>()), fileDialogs_(ownFileDialogs_.get()),
      ownOutputDialogs_(std::make_unique<QtFloorOutputDialogs>()),
      outputDialogs_(ownOutputDialogs_.get()) {
    setObjectName(QStringLiteral("PavimentoForm"));
    setWindowFlag(Qt::Window);
    setWindowIcon(applicationIcon());
    floor_.name = "Pavimento";
    floor_.settings = settings_;

    scene_ = new PavimentoScene(this);
    scene_->edit = [this](FloorEditKind kind, const QString& text, Floor after, int drag) {
        edit(kind, text, std::move(after), drag);
    };
    scene_->status = [this](const QString& text) { showStatus(text); };
    view_ = new PavimentoView(scene_, this);
    view_->setObjectName(QStringLiteral("PlantaView"));
    connect(scene_, &PavimentoScene::slabSelectionChanged, this,
            &TPavimentoForm::selectionFromScene);

    buildMenus();
    buildTables();
    auto* top = new QSplitter(Qt::Horizontal, this);
    top->addWidget(view_);
    top->addWidget(buildPanel());
    top->setStretchFactor(0, 1);
    top->setStretchFactor(1, 0);
    auto* whole = new QSplitter(Qt::Vertical, this);
    whole->addWidget(top);
    whole->addWidget(Tabs);
    whole->setStretchFactor(0, 3);
    whole->setStretchFactor(1, 2);
    setCentralWidget(whole);
    SituacaoLabel = new QLabel(this);
    SituacaoLabel->setObjectName(QStringLiteral("SituacaoLabel"));
    statusBar()->addPermanentWidget(SituacaoLabel);

    connect(&undo_, &QUndoStack::cleanChanged, this, &TPavimentoForm::updateTitle);
    apply(floor_);
    updateTitle();
}

TPavimentoForm::~TPavimentoForm() {
    // The commands and the scene refer to this window; they go before it.
    undo_.clear();
    scene_->disconnect(this);
    // The tables read this window's results: hidden and gone while those still exist, not from
    // QWidget's destructor after them.
    hide();
    delete Tabs;
    Tabs = nullptr;
}

void TPavimentoForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Pavimento"));
    QAction* novo = file->addAction(QStringLiteral("&Novo Pavimento"));
    novo->setObjectName(QStringLiteral("NovoPavimento"));
    connect(novo, &QAction::triggered, this, [this] { newFloor(); });
    QAction* abrir = file->addAction(QStringLiteral("&Abrir Pavimento…"));
    abrir->setObjectName(QStringLiteral("AbrirPavimento"));
    connect(abrir, &QAction::triggered, this, [this] { openFromDialog(); });
    QAction* salvar = file->addAction(QStringLiteral("&Salvar Pavimento"));
    salvar->setObjectName(QStringLiteral("SalvarPavimento"));
    salvar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(salvar, &QAction::triggered, this, [this] { saveFloor(); });
    QAction* salvarComo = file->addAction(QStringLiteral("Salvar Pavimento &Como…"));
    salvarComo->setObjectName(QStringLiteral("SalvarPavimentoComo"));
    connect(salvarComo, &QAction::triggered, this, [this] { saveFloorAs(); });
    file->addSeparator();
    GerarDxf = file->addAction(QStringLiteral("Gerar &DXF…"));
    GerarDxf->setObjectName(QStringLiteral("GerarDxfPavimento"));
    connect(GerarDxf, &QAction::triggered, this, [this] { exportDrawing(); });
    ExportarCargas = file->addAction(QStringLiteral("Exportar cargas nas &vigas…"));
    ExportarCargas->setObjectName(QStringLiteral("ExportarCargasVigas"));
    connect(ExportarCargas, &QAction::triggered, this, [this] { exportLoads(); });
    Memorial = file->addAction(QStringLiteral("&Memorial de cálculo…"));
    Memorial->setObjectName(QStringLiteral("MemorialPavimento"));
    connect(Memorial, &QAction::triggered, this, [this] { showMemorial(); });
    file->addSeparator();
    QAction* fechar = file->addAction(QStringLiteral("&Fechar"));
    fechar->setObjectName(QStringLiteral("FecharPavimento"));
    connect(fechar, &QAction::triggered, this, &QWidget::close);

    QMenu* editMenu = menuBar()->addMenu(QStringLiteral("&Editar"));
    Desfazer = undo_.createUndoAction(this, QStringLiteral("&Desfazer"));
    Desfazer->setObjectName(QStringLiteral("Desfazer"));
    Desfazer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Refazer = undo_.createRedoAction(this, QStringLiteral("&Refazer"));
    Refazer->setObjectName(QStringLiteral("Refazer"));
    Refazer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    editMenu->addAction(Desfazer);
    editMenu->addAction(Refazer);
    editMenu->addSeparator();
    Excluir = editMenu->addAction(QStringLiteral("E&xcluir Laje"));
    Excluir->setObjectName(QStringLiteral("ExcluirLaje"));
    Excluir->setShortcut(QKeySequence(Qt::Key_Delete));
    Excluir->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    view_->addAction(Excluir);
    connect(Excluir, &QAction::triggered, scene_, &PavimentoScene::deleteSelected);
    Duplicar = editMenu->addAction(QStringLiteral("D&uplicar Laje"));
    Duplicar->setObjectName(QStringLiteral("DuplicarLaje"));
    Duplicar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(Duplicar, &QAction::triggered, scene_, &PavimentoScene::duplicateSelected);
    editMenu->addSeparator();
    auto* modes = new QActionGroup(this);
    Desenhar = editMenu->addAction(QStringLiteral("Desen&har Lajes"));
    Desenhar->setObjectName(QStringLiteral("Desenhar"));
    Selecionar = editMenu->addAction(QStringLiteral("&Selecionar"));
    Selecionar->setObjectName(QStringLiteral("Selecionar"));
    for (QAction* action : {Desenhar, Selecionar}) {
        action->setCheckable(true);
        modes->addAction(action);
    }
    Desenhar->setChecked(true);
    connect(Desenhar, &QAction::toggled, this, [this](bool on) {
        scene_->setMode(on ? PavimentoScene::Mode::Draw : PavimentoScene::Mode::Select);
    });

    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("E&xibir"));
    Ajustar = viewMenu->addAction(QStringLiteral("&Ajustar"));
    Ajustar->setObjectName(QStringLiteral("Ajustar"));
    Ajustar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(Ajustar, &QAction::triggered, view_, &PavimentoView::fitFloor);

    QToolBar* tools = addToolBar(QStringLiteral("Planta"));
    tools->setObjectName(QStringLiteral("PlantaToolBar"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addAction(Desenhar);
    tools->addAction(Selecionar);
    tools->addSeparator();
    tools->addAction(Desfazer);
    tools->addAction(Refazer);
    tools->addSeparator();
    tools->addAction(Ajustar);
}

QWidget* TPavimentoForm::buildPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PainelLaje"));
    auto* layout = new QVBoxLayout(panel);
    auto* slabGroup = new QGroupBox(QStringLiteral("Laje"), panel);
    auto* slabForm = new QFormLayout(slabGroup);
    auto box = [&](QLineEdit*& edit, const char* name, const QString& caption) {
        edit = new QLineEdit(slabGroup);
        edit->setObjectName(QString::fromLatin1(name));
        makeDecimalBox(edit);
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000,00")));
        slabForm->addRow(caption, edit);
    };
    NomeEdit = new QLineEdit(slabGroup);
    NomeEdit->setObjectName(QStringLiteral("NomeEdit"));
    NomeEdit->setMaxLength(40);
    slabForm->addRow(QStringLiteral("Nome"), NomeEdit);
    box(LxEdit, "LxEdit", QStringLiteral("Lx (m)"));
    box(LyEdit, "LyEdit", QStringLiteral("Ly (m)"));
    box(HEdit, "HEdit", QStringLiteral("h (cm)"));
    box(GEdit, "GEdit", QStringLiteral("g (kg/m²)"));
    box(QEdit, "QEdit", QStringLiteral("q (kg/m²)"));
    NervuradaCheckBox = new QCheckBox(QStringLiteral("Laje Nervurada"), slabGroup);
    NervuradaCheckBox->setObjectName(QStringLiteral("NervuradaCheckBox"));
    slabForm->addRow(NervuradaCheckBox);
    box(AEdit, "AEdit", QStringLiteral("a (cm)"));
    box(BwEdit, "BwEdit", QStringLiteral("bw (cm)"));
    box(HbEdit, "HbEdit", QStringLiteral("hb (cm)"));
    box(BfEdit, "BfEdit", QStringLiteral("bf (cm)"));
    box(DensidadeEdit, "DensidadeEdit", QStringLiteral("Densidade do bloco (kgf/m³)"));
    ribbedBoxes_ = {AEdit, BwEdit, HbEdit, BfEdit, DensidadeEdit};

    const std::pair<QLineEdit*, double FloorSlab::*> fields[] = {
        {LxEdit, &FloorSlab::Lx}, {LyEdit, &FloorSlab::Ly},
        {HEdit, &FloorSlab::h},   {GEdit, &FloorSlab::g},
        {QEdit, &FloorSlab::q},   {AEdit, &FloorSlab::a},
        {BwEdit, &FloorSlab::bw}, {HbEdit, &FloorSlab::hb},
        {BfEdit, &FloorSlab::bf}, {DensidadeEdit, &FloorSlab::BlockDensity}};
    for (const auto& [edit, field] : fields) {
        QLineEdit* target = edit;
        double FloorSlab::*member = field;
        const QString key = slabForm->labelForField(target)
                                ? qobject_cast<QLabel*>(slabForm->labelForField(target))->text()
                                : QString();
        new FocusWatcher(target, [this, target, member, key] { slabBoxLeft(target, member, key); });
    }
    connect(NomeEdit, &QLineEdit::editingFinished, this, [this] {
        const std::vector<std::size_t> selected = scene_->selectedSlabs();
        if (filling_ || selected.size() != 1)
            return;
        const std::string name = NomeEdit->text().trimmed().toStdString();
        if (name.empty() || name == floor_.slabs[selected[0]].name) {
            NomeEdit->setText(qText(floor_.slabs[selected[0]].name));
            return;
        }
        Floor after = floor_;
        after.slabs[selected[0]].name = name;
        edit(FloorEditKind::ChangeSlab,
             QStringLiteral("Renomear %1").arg(qText(floor_.slabs[selected[0]].name)),
             std::move(after));
    });
    connect(NervuradaCheckBox, &QCheckBox::clicked, this, [this](bool ribbed) {
        const std::vector<std::size_t> selected = scene_->selectedSlabs();
        if (selected.size() != 1)
            return;
        Floor after = floor_;
        after.slabs[selected[0]].Ribbed = ribbed;
        edit(FloorEditKind::ChangeSlab,
             QStringLiteral("Laje Nervurada em %1").arg(qText(floor_.slabs[selected[0]].name)),
             std::move(after));
    });

    auto* floorGroup = new QGroupBox(QStringLiteral("Pavimento"), panel);
    auto* floorForm = new QFormLayout(floorGroup);
    ConcretoComboBox = new QComboBox(floorGroup);
    ConcretoComboBox->setObjectName(QStringLiteral("ConcretoComboBox"));
    makeListOnly(ConcretoComboBox);
    for (const char* fck : {"20", "25", "30", "35", "40", "45", "50"})
        ConcretoComboBox->addItem(QStringLiteral("C%1").arg(QLatin1String(fck)),
                                  QString::fromLatin1(fck).toDouble());
    AcoComboBox = new QComboBox(floorGroup);
    AcoComboBox->setObjectName(QStringLiteral("AcoComboBox"));
    makeListOnly(AcoComboBox);
    for (const SteelGradeRow& grade : steelGrades)
        AcoComboBox->addItem(
            QString::fromUtf8(grade.name.data(), static_cast<qsizetype>(grade.name.size())));
    CompatibilizacaoComboBox = new QComboBox(floorGroup);
    CompatibilizacaoComboBox->setObjectName(QStringLiteral("CompatibilizacaoComboBox"));
    makeListOnly(CompatibilizacaoComboBox);
    CompatibilizacaoComboBox->addItem(QStringLiteral("Média (0,8·X maior)"));
    CompatibilizacaoComboBox->addItem(QStringLiteral("Maior momento"));
    floorForm->addRow(QStringLiteral("Concreto"), ConcretoComboBox);
    floorForm->addRow(QStringLiteral("Aço"), AcoComboBox);
    floorForm->addRow(QStringLiteral("Compatibilização"), CompatibilizacaoComboBox);
    for (QComboBox* combo : {ConcretoComboBox, AcoComboBox, CompatibilizacaoComboBox})
        connect(combo, &QComboBox::activated, this, &TPavimentoForm::floorMaterialChanged);
    // The floor's materials first: the slab's boxes below may scroll on a small screen.
    layout->addWidget(floorGroup);
    layout->addWidget(slabGroup);
    layout->addStretch(1);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(panel);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(panel->sizeHint().width() + 24);
    scroll->setMaximumWidth(panel->sizeHint().width() + 80);
    return scroll;
}

void TPavimentoForm::buildTables() {
    Tabs = new QTabWidget(this);
    Tabs->setObjectName(QStringLiteral("Tabs"));
    auto table = [this](QTableView*& view, const char* name, const QStringList& headers,
                        std::function<int()> rows, FloorTableModel::Cell cell,
                        const QString& caption) {
        view = new QTableView(Tabs);
        view->setObjectName(QString::fromLatin1(name));
        view->setModel(new FloorTableModel(headers, std::move(rows), std::move(cell), view));
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->verticalHeader()->setVisible(false);
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
        view->setWordWrap(false);
        view->horizontalHeader()->setStretchLastSection(true);
        // Column widths from the first rows: measuring hundreds of rows on every edit is what
        // would make drawing slow.
        view->horizontalHeader()->setResizeContentsPrecision(30);
        Tabs->addTab(view, caption);
        QTableView* self = view;
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, self] { selectionFromTable(self); });
    };
    table(
        LajesTable, "LajesTable",
        {QStringLiteral("Laje"), QStringLiteral("Caso"), QStringLiteral("Mx"), QStringLiteral("My"),
         QStringLiteral("Asx+"), QStringLiteral("Asy+"), QStringLiteral("Barras x"),
         QStringLiteral("Barras y"), QStringLiteral("Flecha"), QStringLiteral("Cisalhamento"),
         QStringLiteral("Situação")},
        [this] { return designed_ ? static_cast<int>(results_.slabs.size()) : 0; },
        [this](int row, int column, int role) { return slabCell(row, column, role); },
        QStringLiteral("&Lajes"));
    table(
        BordasTable, "BordasTable",
        {QStringLiteral("Trecho"), QStringLiteral("Lajes"), QStringLiteral("X de cada laje"),
         QStringLiteral("X compatibilizado"), QStringLiteral("As"), QStringLiteral("Barras"),
         QStringLiteral("Situação")},
        [this] { return designed_ ? static_cast<int>(results_.edges.size()) : 0; },
        [this](int row, int column, int role) { return stretchCell(row, column, role); },
        QStringLiteral("&Bordas"));
    const auto pickable = [this](QTableView* view, std::function<bool(int)> columns) {
        auto* model = static_cast<FloorTableModel*>(view->model());
        model->editable = columns;
        view->setEditTriggers(QAbstractItemView::DoubleClicked |
                              QAbstractItemView::SelectedClicked);
        const bool slabs = view == LajesTable;
        view->setItemDelegate(new BarPickDelegate(
            [this, slabs](int row, int column) { return barEntries(slabs, row, column); },
            [this, slabs](int row, int column, const QString& entry) {
                pickBar(slabs, row, column, entry);
            },
            view));
    };
    pickable(LajesTable, [](int column) { return column == 6 || column == 7; });
    pickable(BordasTable, [](int column) { return column == 5; });
    table(
        VigasTable, "VigasTable",
        {QStringLiteral("Viga"), QStringLiteral("Trecho"), QStringLiteral("Lajes"),
         QStringLiteral("Carga (kg/m)")},
        [this] { return static_cast<int>(beamRows_.size()); },
        [this](int row, int column, int role) { return beamCell(row, column, role); },
        QStringLiteral("&Vigas"));
}

QVariant TPavimentoForm::slabCell(int row, int column, int role) const {
    const FloorSlabResult& slab = results_.slabs.at(static_cast<std::size_t>(row));
    if (column == 10)
        return outcomeCell(slab.outcome, slab.message, role);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case 0:
        return qText(slab.name);
    case 1:
        return slab.rotated ? QStringLiteral("%1 (girada)").arg(slab.SupportCase)
                            : QString::number(slab.SupportCase);
    case 2:
        return twoDecimals(slab.Mx);
    case 3:
        return twoDecimals(slab.My);
    case 4:
        return twoDecimals(slab.AsxP);
    case 5:
        return twoDecimals(slab.AsyP);
    case 6:
        return qText(slab.barX.text);
    case 7:
        return qText(slab.barY.text);
    case 8:
        return QStringLiteral("%1 / %2").arg(twoDecimals(slab.finalDeflection),
                                             twoDecimals(slab.admissibleDeflection));
    default:
        return QStringLiteral("%1 / %2").arg(twoDecimals(slab.tauD), twoDecimals(slab.tauU));
    }
}

QVariant TPavimentoForm::stretchCell(int row, int column, int role) const {
    const FloorStretch& stretch = results_.edges.at(static_cast<std::size_t>(row));
    if (column == 6)
        return outcomeCell(stretch.outcome, stretch.message, role);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case 0:
        return QStringLiteral("%1 – %2").arg(point(stretch.from), point(stretch.to));
    case 1:
        return names(floor_, stretch.slabs);
    case 2: {
        QStringList own;
        for (std::size_t k = 0; k < stretch.slabs.size() && k < stretch.ownX.size(); ++k)
            own << QStringLiteral("%1: %2").arg(qText(floor_.slabs[stretch.slabs[k]].name),
                                                twoDecimals(stretch.ownX[k]));
        return own.join(QStringLiteral("; "));
    }
    case 3:
        return twoDecimals(stretch.Xc);
    case 4:
        return twoDecimals(stretch.As);
    default:
        return qText(stretch.bar.text);
    }
}

QVariant TPavimentoForm::beamCell(int row, int column, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    const auto [b, k] = beamRows_.at(static_cast<std::size_t>(row));
    const Beam& beam = results_.beams[b];
    const BeamSegment& segment = beam.segments[k];
    switch (column) {
    case 0:
        return qText(beam.name);
    case 1:
        return QStringLiteral("%1 – %2").arg(point(segment.from), point(segment.to));
    case 2:
        return names(floor_, segment.slabs);
    default:
        return twoDecimals(segment.load);
    }
}

void TPavimentoForm::showWindow() {
    if (firstShow_) {
        firstShow_ = false;
        showMaximized();
        view_->fitFloor();
        for (QTableView* table : {LajesTable, BordasTable, VigasTable})
            table->resizeColumnsToContents();
    } else if (isMinimized()) {
        showMaximized();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void TPavimentoForm::edit(FloorEditKind kind, const QString& text, Floor after, int drag) {
    undo_.push(new FloorEditCommand(
        kind, text, floor_, std::move(after), [this](const Floor& floor) { apply(floor); }, drag));
}

void TPavimentoForm::apply(const Floor& floor) {
    floor_ = floor;
    FloorOptions options;
    options.decimalSeparator = localeDecimalSeparator();
    results_ = designFloor(floor_, settings_, options);
    scene_->showFloor(floor_, results_);
    fillTables();
    fillPanel();
    if (results_.inputError) {
        SituacaoLabel->setText(qText(*results_.inputError));
        SituacaoLabel->setStyleSheet(QStringLiteral("color: rgb(190, 0, 0)"));
    } else if (floor_.slabs.empty()) {
        SituacaoLabel->clear();
    } else {
        const bool meets = results_.outcome == FloorOutcome::Ready;
        SituacaoLabel->setText(meets ? QStringLiteral("✔ Pavimento: Atende")
                                     : QStringLiteral("✘ Pavimento: Não atende"));
        SituacaoLabel->setStyleSheet(meets ? QStringLiteral("color: rgb(0, 120, 0)")
                                           : QStringLiteral("color: rgb(190, 0, 0)"));
    }
    // Picks the new lists no longer offer: the core has kept the proposal in their place.
    // They leave the floor, so that the file saved next holds only picks that apply.
    QStringList fallen;
    for (std::size_t i = 0; i < results_.slabs.size() && i < floor_.slabs.size(); ++i) {
        const FloorSlabResult& slab = results_.slabs[i];
        if (slab.skippedChoices.empty())
            continue;
        fallen << qText(slab.name) + QStringLiteral(": ") +
                      qText(skippedPicksMessage(slab.skippedChoices)).simplified();
        std::vector<BarPick>& choices = floor_.slabs[i].choices;
        for (const BarPick& skipped : slab.skippedChoices)
            std::erase(choices, skipped);
    }
    for (const FloorStretch& stretch : results_.edges) {
        if (!stretch.pickSkipped)
            continue;
        fallen << names(floor_, stretch.slabs) + QStringLiteral(": ") + qText(stretch.bar.text);
        std::erase_if(floor_.stretchChoices, [&](const StretchPick& pick) {
            return std::fabs(pick.fromX - stretch.from.x) <= floorTolerance &&
                   std::fabs(pick.fromY - stretch.from.y) <= floorTolerance &&
                   std::fabs(pick.toX - stretch.to.x) <= floorTolerance &&
                   std::fabs(pick.toY - stretch.to.y) <= floorTolerance;
        });
    }
    if (!fallen.isEmpty())
        showStatus(QStringLiteral("Vale a barra proposta — ") + fallen.join(QStringLiteral("; ")));
    updateTitle();
}

QStringList TPavimentoForm::barEntries(bool slabs, int row, int column) const {
    const auto at = static_cast<std::size_t>(row);
    if (slabs) {
        if (at >= results_.slabs.size() || results_.slabs[at].outcome != FloorOutcome::Ready)
            return {};
        const FloorSlabResult& r = results_.slabs[at];
        return column == 6 ? pickEntries(r.diametersX, r.spacingsX)
                           : pickEntries(r.diametersY, r.spacingsY);
    }
    if (at >= results_.edges.size() || results_.edges[at].outcome != FloorOutcome::Ready)
        return {};
    return pickEntries(results_.edges[at].diameters, results_.edges[at].spacings);
}

void TPavimentoForm::pickBar(bool slabs, int row, int column, const QString& entry) {
    const auto at = static_cast<std::size_t>(row);
    const bool diameter = entry.startsWith(QStringLiteral("Ø"));
    const std::string value = entry.mid(1).toStdString();
    Floor after = floor_;
    QString what;
    if (slabs) {
        if (at >= after.slabs.size())
            return;
        BarPick pick;
        pick.direction = column == 6 ? BarDirection::xp : BarDirection::yp;
        if (diameter)
            pick.diameter = value;
        else
            pick.spacing = std::stoi(value);
        BarPickLog log;
        for (const BarPick& earlier : after.slabs[at].choices)
            log.record(earlier);
        log.record(pick);
        after.slabs[at].choices = log.picks();
        what = QStringLiteral("Barras %1 de %2")
                   .arg(column == 6 ? QStringLiteral("x") : QStringLiteral("y"),
                        qText(after.slabs[at].name));
    } else {
        if (at >= results_.edges.size())
            return;
        const FloorStretch& stretch = results_.edges[at];
        StretchPick pick;
        for (std::size_t s : stretch.slabs)
            pick.slabs.push_back(floor_.slabs[s].name);
        pick.fromX = stretch.from.x;
        pick.fromY = stretch.from.y;
        pick.toX = stretch.to.x;
        pick.toY = stretch.to.y;
        auto& picks = after.stretchChoices;
        const auto same = [&pick](const StretchPick& other) {
            return other.slabs == pick.slabs && other.fromX == pick.fromX &&
                   other.fromY == pick.fromY && other.toX == pick.toX && other.toY == pick.toY;
        };
        const auto old = std::find_if(picks.begin(), picks.end(), same);
        // A diameter starts the pick again; a spacing goes with the diameter in use.
        if (diameter) {
            pick.diameter = value;
        } else {
            if (old != picks.end())
                pick.diameter = old->diameter;
            pick.spacing = std::stoi(value);
        }
        std::erase_if(picks, same);
        picks.push_back(pick);
        what = QStringLiteral("Barras de %1").arg(names(floor_, stretch.slabs));
    }
    edit(FloorEditKind::ChangeSlab, what, std::move(after));
}

void TPavimentoForm::fillTables() {
    filling_ = true;
    designed_ = !results_.inputError && results_.slabs.size() == floor_.slabs.size();
    beamRows_.clear();
    if (designed_)
        for (std::size_t b = 0; b < results_.beams.size(); ++b)
            for (std::size_t k = 0; k < results_.beams[b].segments.size(); ++k)
                beamRows_.emplace_back(b, k);
    for (QTableView* table : {LajesTable, BordasTable, VigasTable}) {
        const int rows = table->model()->rowCount();
        static_cast<FloorTableModel*>(table->model())->refresh();
        if (rows != table->model()->rowCount())
            table->resizeColumnsToContents();
    }
    filling_ = false;
    selectionFromScene();
}

void TPavimentoForm::fillPanel() {
    filling_ = true;
    const std::vector<std::size_t> selected = scene_->selectedSlabs();
    const bool one = selected.size() == 1;
    const FloorSlab empty;
    const FloorSlab& slab = one ? floor_.slabs[selected[0]] : empty;
    NomeEdit->setText(one ? qText(slab.name) : QString());
    const std::pair<QLineEdit*, double> values[] = {
        {LxEdit, slab.Lx}, {LyEdit, slab.Ly},
        {HEdit, slab.h},   {GEdit, slab.g},
        {QEdit, slab.q},   {AEdit, slab.a},
        {BwEdit, slab.bw}, {HbEdit, slab.hb},
        {BfEdit, slab.bf}, {DensidadeEdit, slab.BlockDensity}};
    for (const auto& [box, value] : values)
        box->setText(one ? twoDecimals(value) : QString());
    for (QWidget* widget : std::initializer_list<QWidget*>{NomeEdit, LxEdit, LyEdit, HEdit, GEdit,
                                                           QEdit, NervuradaCheckBox})
        widget->setEnabled(one);
    NervuradaCheckBox->setChecked(one && slab.Ribbed);
    for (QLineEdit* box : ribbedBoxes_)
        box->setEnabled(one && slab.Ribbed);
    ConcretoComboBox->setCurrentIndex(std::max(0, ConcretoComboBox->findData(floor_.fck)));
    AcoComboBox->setCurrentIndex(std::max(0, AcoComboBox->findText(qText(floor_.SteelGrade))));
    CompatibilizacaoComboBox->setCurrentIndex(floor_.compatibility == Compatibility::Maior ? 1 : 0);
    filling_ = false;
}

void TPavimentoForm::slabBoxLeft(QLineEdit* box, double FloorSlab::*field, const QString& key) {
    const std::vector<std::size_t> selected = scene_->selectedSlabs();
    if (filling_ || selected.size() != 1)
        return;
    const std::optional<double> value = commitDecimalBox(box, messages_, true);
    if (!value)
        return;
    const std::size_t index = selected[0];
    if (floor_.slabs[index].*field == *value)
        return;
    Floor after = floor_;
    after.slabs[index].*field = *value;
    if (const std::optional<std::size_t> other = overlappedSlab(after, index)) {
        showStatus(QStringLiteral("%1 sobreporia a laje %2: não foi feito.")
                       .arg(qText(after.slabs[index].name), qText(after.slabs[*other].name)));
        box->setText(twoDecimals(floor_.slabs[index].*field));
        return;
    }
    QString caption = key;
    caption = caption.section(QLatin1Char(' '), 0, 0);
    edit(FloorEditKind::ChangeSlab,
         QStringLiteral("%1 de %2").arg(caption, qText(floor_.slabs[index].name)),
         std::move(after));
}

void TPavimentoForm::floorMaterialChanged() {
    if (filling_)
        return;
    Floor after = floor_;
    after.fck = ConcretoComboBox->currentData().toDouble();
    after.SteelGrade = AcoComboBox->currentText().toStdString();
    after.compatibility =
        CompatibilizacaoComboBox->currentIndex() == 1 ? Compatibility::Maior : Compatibility::Media;
    if (after.fck == floor_.fck && after.SteelGrade == floor_.SteelGrade &&
        after.compatibility == floor_.compatibility)
        return;
    edit(FloorEditKind::ChangeFloor, QStringLiteral("Materiais do pavimento"), std::move(after));
}

void TPavimentoForm::selectionFromScene() {
    if (filling_)
        return;
    filling_ = true;
    const std::vector<std::size_t> selected = scene_->selectedSlabs();
    QItemSelection rows;
    const QAbstractItemModel* model = LajesTable->model();
    for (std::size_t i : selected)
        if (static_cast<int>(i) < model->rowCount())
            rows.select(model->index(static_cast<int>(i), 0),
                        model->index(static_cast<int>(i), model->columnCount() - 1));
    LajesTable->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    filling_ = false;
    fillPanel();
}

void TPavimentoForm::selectionFromTable(QTableView* table) {
    if (filling_)
        return;
    std::vector<std::size_t> slabs;
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    for (const QModelIndex& index : rows) {
        const auto row = static_cast<std::size_t>(index.row());
        if (table == LajesTable) {
            slabs.push_back(row);
        } else if (table == BordasTable && row < results_.edges.size()) {
            for (std::size_t slab : results_.edges[row].slabs)
                slabs.push_back(slab);
        } else if (table == VigasTable && row < beamRows_.size()) {
            const auto [b, k] = beamRows_[row];
            const std::vector<std::size_t>& onBeam = results_.beams[b].segments[k].slabs;
            slabs.insert(slabs.end(), onBeam.begin(), onBeam.end());
        }
    }
    std::sort(slabs.begin(), slabs.end());
    slabs.erase(std::unique(slabs.begin(), slabs.end()), slabs.end());
    filling_ = true;
    scene_->selectSlabs(slabs);
    filling_ = false;
    fillPanel();
}

void TPavimentoForm::updateTitle() {
    const QString file =
        document_.hasFile()
            ? QFileInfo(QString::fromStdU16String(document_.path().u16string())).fileName()
            : QStringLiteral("sem arquivo");
    QString title = QStringLiteral("Pavimento — %1").arg(file);
    if (!undo_.isClean())
        title += QStringLiteral(" *");
    setWindowTitle(title);
}

void TPavimentoForm::showStatus(const QString& text) {
    statusBar()->showMessage(text, 8000);
}

bool TPavimentoForm::confirmDiscard() {
    if (undo_.isClean() || (floor_.slabs.empty() && !document_.hasFile()))
        return true;
    const QString question = document_.hasFile()
                                 ? qText(document_.saveQuestion())
                                 : QStringLiteral("Salvar as alterações do pavimento?");
    switch (messages_.askSave(this, question)) {
    case SaveAnswer::Save:
        return saveFloor();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool TPavimentoForm::newFloor() {
    if (!confirmDiscard())
        return false;
    undo_.clear();
    document_.closed();
    Floor floor;
    floor.name = "Pavimento";
    floor.settings = settings_;
    apply(floor);
    undo_.setClean();
    updateTitle();
    view_->fitFloor();
    return true;
}

bool TPavimentoForm::openFloorFile(const QString& path) {
    if (!confirmDiscard())
        return false;
    auto read = readFloorFile(pathOf(path), settings_);
    if (const auto* message = std::get_if<std::string>(&read)) {
        messages_.error(this, qText(*message));
        if (fileUsed && !QFileInfo::exists(path))
            fileUsed(QFileInfo(path).absoluteFilePath(), false);
        return false;
    }
    Floor floor = std::get<Floor>(std::move(read));
    // What the file holds must be a floor that can be drawn (no overlap, no repeated name).
    if (const std::optional<std::string> message = checkFloor(floor)) {
        messages_.error(this, qText(*message));
        return false;
    }
    if (!sameDesignSettings(floor.settings, settings_) &&
        messages_.confirm(this,
                          qText(settingsQuestion(floor.settings, settings_,
                                                 localeDecimalSeparator(), DocumentKind::Floor)))) {
        if (adoptSettings)
            adoptSettings(floor.settings);
        else
            settings_ = floor.settings;
    }
    undo_.clear();
    apply(floor);
    undo_.setClean();
    document_.opened(pathOf(QFileInfo(path).absoluteFilePath()));
    updateTitle();
    view_->fitFloor();
    if (fileUsed)
        fileUsed(QFileInfo(path).absoluteFilePath(), true);
    return true;
}

bool TPavimentoForm::openFromDialog() {
    const auto path = fileDialogs_->fileToOpen(isVisible() ? this : parentWidget());
    return path && openFloorFile(*path);
}

bool TPavimentoForm::saveFloor() {
    if (!document_.hasFile())
        return saveFloorAs();
    return saveFloorTo(QString::fromStdU16String(document_.path().u16string()));
}

bool TPavimentoForm::saveFloorAs() {
    const QString current =
        document_.hasFile() ? QString::fromStdU16String(document_.path().u16string()) : QString();
    const auto file = fileDialogs_->fileToSave(this, current);
    return file && saveFloorTo(*file);
}

bool TPavimentoForm::saveFloorTo(const QString& path) {
    Floor floor = floor_;
    floor.settings = settings_;
    const std::filesystem::path file = pathOf(path);
    if (const auto error = writeFloorFile(file, floor, WriteTarget::regularFile)) {
        messages_.error(this, qText(*error));
        return false;
    }
    document_.saved(pathOf(QFileInfo(path).absoluteFilePath()));
    undo_.setClean();
    updateTitle();
    if (fileUsed)
        fileUsed(QFileInfo(path).absoluteFilePath(), true);
    return true;
}

void TPavimentoForm::setOutputDialogs(FloorOutputDialogs* dialogs) {
    outputDialogs_ = dialogs ? dialogs : ownOutputDialogs_.get();
}

std::optional<QString> TPavimentoForm::refusal() const {
    if (results_.inputError)
        return qText(*results_.inputError);
    if (results_.outcome == FloorOutcome::Ready)
        return std::nullopt;
    for (const FloorSlabResult& slab : results_.slabs)
        if (slab.outcome != FloorOutcome::Ready)
            return QStringLiteral("%1: %2").arg(qText(slab.name), qText(slab.message).simplified());
    for (const FloorStretch& stretch : results_.edges)
        if (stretch.outcome != FloorOutcome::Ready)
            return QStringLiteral("%1: %2").arg(names(floor_, stretch.slabs),
                                                qText(stretch.message).simplified());
    return QStringLiteral("O pavimento não atende.");
}

std::optional<QString> TPavimentoForm::askOutput(const QString& title, const QString& filter,
                                                 const QString& suffix) {
    if (const auto reason = refusal()) {
        messages_.error(this, QStringLiteral("O pavimento não foi calculado; nenhum arquivo foi "
                                             "gravado.\n%1")
                                  .arg(*reason));
        return std::nullopt;
    }
    const auto file =
        outputDialogs_->outputFile(this, title, filter, suffix, suggestedOutput(suffix));
    if (!file)
        return std::nullopt;
    const QFileInfo chosen(*file);
    lastOutputFolder_ = chosen.absolutePath();
    // Outputs go to ordinary files only: a device, a pipe or a folder is refused here.
    if (chosen.exists() && !chosen.isFile()) {
        messages_.error(this, QStringLiteral("%1\nNão é um arquivo comum; nada foi gravado.")
                                  .arg(QDir::toNativeSeparators(chosen.absoluteFilePath())));
        return std::nullopt;
    }
    return chosen.absoluteFilePath();
}

QString TPavimentoForm::suggestedOutput(const QString& suffix) const {
    QString folder = lastOutputFolder_;
    if (folder.isEmpty() && document_.hasFile())
        folder = QFileInfo(QString::fromStdU16String(document_.path().u16string())).absolutePath();
    if (folder.isEmpty())
        folder = QDir::currentPath();
    // A name is one path component: a slash would name another folder.
    QString name = qText(floor_.name).trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (name.isEmpty())
        name = QStringLiteral("Pavimento");
    return QDir(folder).filePath(name + QLatin1Char('.') + suffix);
}

void TPavimentoForm::outputWritten(const QString& path) {
    lastOutputFolder_ = QFileInfo(path).absolutePath();
    statusBar()->showMessage(QStringLiteral("Arquivo gravado: %1").arg(QFileInfo(path).fileName()),
                             5000);
}

bool TPavimentoForm::exportDrawing() {
    const auto file = askOutput(QStringLiteral("Gerar DXF"),
                                QStringLiteral("AutoCAD (DXF) (*.dxf)"), QStringLiteral("dxf"));
    if (!file)
        return false;
    if (const auto error = exportFloorDrawing(pathOf(*file), floor_, results_, settings_,
                                              localeDecimalSeparator())) {
        messages_.error(this, qText(*error));
        return false;
    }
    outputWritten(*file);
    return true;
}

bool TPavimentoForm::exportLoads() {
    const auto file = askOutput(QStringLiteral("Exportar cargas nas vigas"),
                                QStringLiteral("Planilhas CSV (*.csv)"), QStringLiteral("csv"));
    if (!file)
        return false;
    if (const auto error =
            exportBeamLoads(pathOf(*file), floor_, results_, localeDecimalSeparator())) {
        messages_.error(this, qText(*error));
        return false;
    }
    outputWritten(*file);
    return true;
}

bool TPavimentoForm::showMemorial() {
    if (const auto reason = refusal()) {
        messages_.error(
            this,
            QStringLiteral("O pavimento não foi calculado; não há memorial.\n%1").arg(*reason));
        return false;
    }
    report::showFloorMemorialPreview(
        report::fillFloorMemorial(floor_, results_, settings_, localeDecimalSeparator(), false),
        this, suggestedOutput(QStringLiteral("pdf")), [this](const std::filesystem::path& file) {
            outputWritten(QString::fromStdU16String(file.u16string()));
        });
    return true;
}

void TPavimentoForm::setFileDialogs(SlabFileDialogs* dialogs) {
    fileDialogs_ = dialogs ? dialogs : ownFileDialogs_.get();
}

void TPavimentoForm::closeEvent(QCloseEvent* event) {
    if (!confirmDiscard()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace lajes
