// The application icon: the PNG sizes rendered from packaging/icons/lajes.svg, compiled into
// the program, and the icon of the main window's title bar.

#include <QImage>
#include <QTest>

#include "ui/concreto_form.h"
#include "ui/glyphs.h"

class ApplicationIconTest : public QObject {
    Q_OBJECT

private slots:
    void carriesEveryRenderedSize_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(size))) << size;
    }
    void carriesEveryRenderedSize() {
        QFETCH(int, size);
        const QIcon icon = lajes::applicationIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // The rounded tile leaves the corner clear; the slab in the middle is opaque.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }

    void drawsTheSlabOnTheBlueTile() {
        const QImage image = lajes::applicationIcon().pixmap(QSize(256, 256)).toImage();
        // Tile near the lower-left corner, below the hatching: drafting blue.
        const QColor tile = image.pixelColor(24, 236);
        QVERIFY2(tile.blue() > tile.red() + 30, qPrintable(tile.name()));
        // An x bar (orange) crosses the slab at mid-height of its first third.
        const QColor bar = image.pixelColor(115, 104);
        QVERIFY2(bar.red() > 200 && bar.blue() < 120, qPrintable(bar.name()));
    }

    void mainWindowShowsTheApplicationIcon() {
        lajes::TConcretoForm mainWindow;
        QCOMPARE(mainWindow.windowIcon().pixmap(QSize(32, 32)).toImage(),
                 lajes::applicationIcon().pixmap(QSize(32, 32)).toImage());
    }
};

QTEST_MAIN(ApplicationIconTest)
#include "application_icon_test.moc"
