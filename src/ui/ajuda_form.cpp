#include "ui/ajuda_form.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/glyphs.h"

// The help page lives in a static library; its resource must be registered by hand.
static void registerHelpResource() {
    Q_INIT_RESOURCE(ajuda);
}

namespace lajes {

TAjudaForm::TAjudaForm(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    registerHelpResource();
    setObjectName(QStringLiteral("AjudaForm"));
    setWindowTitle(QStringLiteral("Ajuda - Cálculo de Lajes"));
    setWindowIcon(applicationIcon());
    browser_->setObjectName(QStringLiteral("AjudaBrowser"));
    browser_->setOpenExternalLinks(false);
    browser_->setSource(QUrl(QStringLiteral("qrc:/ajuda/ajuda.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    const int em = fontMetrics().height();
    resize(em * 46, em * 40);
}

void TAjudaForm::showContents() {
    browser_->home();
    show();
    raise();
    activateWindow();
}

} // namespace lajes
