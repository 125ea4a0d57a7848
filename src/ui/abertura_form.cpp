#include "ui/abertura_form.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ui/artwork.h"

namespace lajes {

TAberturaForm::TAberturaForm(std::function<void()> createWindows, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      createWindows_(std::move(createWindows)) {
    setObjectName(QStringLiteral("AberturaForm"));
    setFixedSize(392, 173);
    setCursor(Qt::WaitCursor);
    setModal(true);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(1);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TAberturaForm::Timer1Timer);
}

void TAberturaForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    Timer1.start();
}

void TAberturaForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintTitleArt(painter, rect(), true);
}

void TAberturaForm::Timer1Timer() {
    Timer1.stop();
    if (createWindows_)
        createWindows_();
    // Queued: on some platforms showing the window already runs events, so the tick can come
    // before the modal loop has started; closing at once would leave that loop waiting.
    QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
}

} // namespace lajes
