#include "ui/ajuda_form.h"

#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/glyphs.h"

// The help page lives in a static library; its resource must be registered by hand.
static void registerHelpResource() {
    Q_INIT_RESOURCE(ajuda);
}

namespace lajes {

TAjudaForm::TAjudaForm(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    // Escape closes the window, as it does a dialog.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    registerHelpResource();
    setObjectName(QStringLiteral("AjudaForm"));
    setWindowTitle(QStringLiteral("Ajuda - Cálculo de Lajes"));
    setWindowIcon(applicationIcon());
    browser_->setObjectName(QStringLiteral("AjudaBrowser"));
    browser_->setOpenExternalLinks(false);
    browser_->setSource(QUrl(QStringLiteral("qrc:/ajuda/ajuda.html")));
    // Room around the text, as on a printed page.
    browser_->document()->setDocumentMargin(fontMetrics().height() * 1.5);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

// About 80 characters to a line and most of the main window's height; centred on the main
// window, each time the help opens.
void TAjudaForm::placeOverMainWindow() {
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area = main       ? main->geometry()
                       : screen() ? screen()->availableGeometry()
                                  : QRect(0, 0, 1024, 768);
    const int width = qMin(fontMetrics().averageCharWidth() * 88 +
                               2 * static_cast<int>(browser_->document()->documentMargin()),
                           area.width() * 9 / 10);
    const int height = qMin(fontMetrics().height() * 40, area.height() * 85 / 100);
    setGeometry(
        QRect(area.center().x() - width / 2, area.center().y() - height / 2, width, height));
}

void TAjudaForm::showContents() {
    browser_->home();
    if (!isVisible())
        placeOverMainWindow();
    show();
    raise();
    activateWindow();
}

} // namespace lajes
