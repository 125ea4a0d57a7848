#include "ui/abertura_form.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

// The picture lives in a static library; its resource must be registered by hand.
static void registerSplashResource() {
    Q_INIT_RESOURCE(abertura);
}

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

// The splash screen is one picture: the title art rendered once by `lajes_screenshots
// --splash-picture`, at the window's size (src/ui/abertura.bmp, argument 1) and at twice that
// for screens with two device pixels to the pixel (abertura@2x.png, argument 2). Drawing the
// art itself here (fonts, text fitting, antialiasing) was the costliest step of the start-up;
// decoding a PNG with four times the pixels a plain screen shows was the next one, so the
// plain picture is an uncompressed bitmap.
void TAberturaForm::paintEvent(QPaintEvent*) {
    registerSplashResource();
    const QPixmap picture = devicePixelRatioF() > 1.0
                                ? QPixmap(QStringLiteral(":/abertura/abertura@2x.png"), "PNG")
                                : QPixmap(QStringLiteral(":/abertura/abertura.bmp"), "BMP");
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture);
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
