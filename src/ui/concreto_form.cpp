#include "ui/concreto_form.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ui/artwork.h"
#include "ui/glyphs.h"

namespace lajes {

namespace {

class TitlePicture final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintTitleArt(painter, rect(), false);
        // A top-level menu item cannot show its shortcut: the picture says it, discreetly.
        QFont font = painter.font();
        font.setPixelSize(qMax(12, height() / 40));
        painter.setFont(font);
        painter.setPen(QColor(0xb8, 0xcc, 0xea));
        const int margin = qMax(10, height() / 30);
        painter.drawText(rect().adjusted(margin, margin, -margin, -margin),
                         Qt::AlignLeft | Qt::AlignBottom, QString::fromUtf8(calcularLajesHint));
    }
};

} // namespace

TConcretoForm::TConcretoForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("ConcretoForm"));
    setWindowTitle(QStringLiteral("Estruturas de Concreto - Cálculo de Lajes"));
    setWindowIcon(applicationIcon());

    QMenu* files = menuBar()->addMenu(QStringLiteral("&Arquivos"));
    NovaLaje = files->addAction(QStringLiteral("&Nova Laje"));
    NovaLaje->setObjectName(QStringLiteral("NovaLaje"));
    NovaLaje->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AbrirLaje = files->addAction(QStringLiteral("&Abrir Laje…"));
    AbrirLaje->setObjectName(QStringLiteral("AbrirLaje"));
    AbrirLaje->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    SalvarLaje = files->addAction(QStringLiteral("Sa&lvar Laje"));
    SalvarLaje->setObjectName(QStringLiteral("SalvarLaje"));
    SalvarLaje->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SalvarLajeComo = files->addAction(QStringLiteral("Salvar Laje &Como…"));
    SalvarLajeComo->setObjectName(QStringLiteral("SalvarLajeComo"));
    files->addSeparator();
    NovoPavimento = files->addAction(QStringLiteral("Novo &Pavimento"));
    NovoPavimento->setObjectName(QStringLiteral("NovoPavimento"));
    AbrirPavimento = files->addAction(QStringLiteral("Abrir Pa&vimento…"));
    AbrirPavimento->setObjectName(QStringLiteral("AbrirPavimento"));
    SalvarPavimento = files->addAction(QStringLiteral("Salvar Paviment&o"));
    SalvarPavimento->setObjectName(QStringLiteral("SalvarPavimento"));
    SalvarPavimentoComo = files->addAction(QStringLiteral("Salvar Pavimento Co&mo…"));
    SalvarPavimentoComo->setObjectName(QStringLiteral("SalvarPavimentoComo"));
    RecentSeparator = files->addSeparator();
    RecentSeparator->setVisible(false);
    for (std::size_t i = 0; i < RecentFiles.size(); ++i) {
        RecentFiles[i] = files->addAction(QString());
        RecentFiles[i]->setObjectName(QStringLiteral("ArquivoRecente%1").arg(i + 1));
        RecentFiles[i]->setVisible(false);
    }
    files->addSeparator();
    Saida = files->addAction(QStringLiteral("&Saída"));
    Saida->setObjectName(QStringLiteral("Saida"));
    CalcularLajes = menuBar()->addAction(QStringLiteral("&Calcular Lajes"));
    CalcularLajes->setObjectName(QStringLiteral("CalcularLajes"));
    CalcularLajes->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    CalcularLajes->setShortcutContext(Qt::ApplicationShortcut);
    CalcularLajes->setStatusTip(QString::fromUtf8(calcularLajesHint));
    CalcularPavimento = menuBar()->addAction(QStringLiteral("Calcular &Pavimento"));
    CalcularPavimento->setObjectName(QStringLiteral("CalcularPavimento"));
    CalcularPavimento->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    CalcularPavimento->setStatusTip(QStringLiteral("Ctrl+Shift+P — Calcular Pavimento"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("A&juda"));
    Contedo1 = help->addAction(QStringLiteral("&Conteúdo"));
    Contedo1->setObjectName(QStringLiteral("Contedo1"));
    A1 = help->addAction(QStringLiteral("&Sobre"));
    A1->setObjectName(QStringLiteral("A1"));
    connect(Saida, &QAction::triggered, this, &QWidget::close);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* concPanel = new QFrame(central);
    concPanel->setObjectName(QStringLiteral("ConcPanel"));
    concPanel->setFrameShape(QFrame::StyledPanel);
    concPanel->setFixedHeight(fontMetrics().height() + 8);
    auto* picture = new TitlePicture(central);
    picture->setObjectName(QStringLiteral("AberturaImage"));
    layout->addWidget(concPanel);
    layout->addWidget(picture, 1);
    setCentralWidget(central);
    // Where the item's status tip appears.
    statusBar()->setSizeGripEnabled(false);
}

void TConcretoForm::closeEvent(QCloseEvent* event) {
    if (confirmClose && !confirmClose()) {
        event->ignore();
        return;
    }
    emit closing();
    QMainWindow::closeEvent(event);
}

} // namespace lajes
