// The floor window: a floor drawn with the mouse and designed as it is drawn, its undo stack,
// and a floor file that cannot be read.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

#include "floor/floor_file.h"
#include "ui/concreto_form.h"
#include "ui/decimal_box.h"
#include "ui/pavimento_form.h"
#include "ui/pavimento_scene.h"
#include "ui_test_support.h"

using namespace lajes;
using namespace lajes::test;

namespace {

// A view at a known zoom (0.5 pixel per cm), the plan's origin in sight.
void setZoom(TPavimentoForm* window) {
    window->view()->zoomTo(0.5, {4.5, 3.5});
}

QPoint at(TPavimentoForm* window, PlanPoint point) {
    return window->view()->mapFromScene(toScene(point));
}

void dragOnPlan(TPavimentoForm* window, PlanPoint from, PlanPoint to) {
    QWidget* viewport = window->view()->viewport();
    const QPoint a = at(window, from), b = at(window, to);
    QTest::mousePress(viewport, Qt::LeftButton, {}, a);
    QTest::mouseMove(viewport, (a + b) / 2);
    QTest::mouseMove(viewport, b);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, b);
}

void typeAndLeave(QLineEdit* box, double value, QWidget* next) {
    box->setFocus();
    typeIntoBox(box, value);
    next->setFocus();
    QCoreApplication::processEvents();
}

QString text(QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
}

int rowOf(QTableView* table, int column, const QString& value) {
    for (int row = 0; row < table->model()->rowCount(); ++row)
        if (text(table, row, column) == value)
            return row;
    return -1;
}

#ifdef LAJES_CLI_EXECUTABLE
QString two(double value) {
    return twoDecimals(value);
}
#endif

// Answers the output dialogs with a file in `folder`, named as proposed; records the proposals.
class AnsweringOutputDialogs final : public FloorOutputDialogs {
public:
    explicit AnsweringOutputDialogs(QString folder) : folder_(std::move(folder)) {}
    std::optional<QString> outputFile(QWidget*, const QString&, const QString&, const QString&,
                                      const QString& suggested) override {
        proposed << suggested;
        return QDir(folder_).filePath(QFileInfo(suggested).fileName());
    }
    QStringList proposed;

private:
    QString folder_;
};

} // namespace

class PavimentoFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(commaLocale()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The worked floor drawn with the mouse: L2 and L3 start near L1's corners and snap onto
    // them; a click on L1's right edge fixes it by hand (it already was). The tables give the
    // worked numbers and what lajes-cli floor gives for the saved file.
    void drawnFloorShowsWhatTheCommandLineGives() {
        StartedApplication s;
        QVERIFY(s.app->mainWindow()->findChild<TPavimentoForm*>() == nullptr);
        s.app->mainWindow()->CalcularPavimento->trigger();
        TPavimentoForm* window = s.app->floorWindow();
        QVERIFY(activate(window));
        setZoom(window);

        dragOnPlan(window, {0.0, 0.0}, {4.0, 4.0});
        QCOMPARE(window->floor().slabs.size(), std::size_t{1});
        typeAndLeave(window->GEdit, 250.0, window->QEdit);
        typeAndLeave(window->QEdit, 200.0, window->HEdit);
        // 6 and 3 cm off L1's corner: within the snapping reach (8 pixels = 16 cm).
        dragOnPlan(window, {4.06, 0.03}, {9.02, 3.97});
        dragOnPlan(window, {0.05, 4.10}, {8.93, 7.0});
        typeAndLeave(window->HEdit, 12.0, window->GEdit);
        QTest::mouseClick(window->view()->viewport(), Qt::LeftButton, {}, at(window, {3.97, 2.0}));

        const Floor& floor = window->floor();
        QCOMPARE(floor.slabs.size(), std::size_t{3});
        struct Expected {
            const char* name;
            double x, y, Lx, Ly, h, g, q;
        };
        const Expected drawn[] = {{"L1", 0, 0, 4, 4, 10, 250, 200},
                                  {"L2", 4, 0, 5, 4, 10, 250, 200},
                                  {"L3", 0, 4, 9, 3, 12, 250, 200}};
        for (std::size_t i = 0; i < 3; ++i) {
            const FloorSlab& slab = floor.slabs[i];
            const Expected& e = drawn[i];
            QCOMPARE(QString::fromStdString(slab.name), QString::fromLatin1(e.name));
            QCOMPARE(QList<double>({slab.x, slab.y, slab.Lx, slab.Ly, slab.h, slab.g, slab.q}),
                     QList<double>({e.x, e.y, e.Lx, e.Ly, e.h, e.g, e.q}));
        }
        QCOMPARE(floor.slabs[0].edge(Side::right), EdgeMode::Fixed);
        QCOMPARE(floor.slabs[0].edge(Side::top), EdgeMode::Auto);

        // The worked floor's numbers, as the tables show them.
        QTableView* slabs = window->LajesTable;
        QTableView* edges = window->BordasTable;
        QTableView* beams = window->VigasTable;
        QCOMPARE(text(slabs, 0, 2), QStringLiteral("317,59"));
        QCOMPARE(text(slabs, 1, 3), QStringLiteral("478,22"));
        QCOMPARE(text(slabs, 1, 1), QStringLiteral("3 (girada)"));
        const struct {
            const char* slabs;
            const char* Xc;
        } stretches[] = {{"L1 | L2", "-667,82"}, {"L1 | L3", "-769,80"}, {"L2 | L3", "-916,40"}};
        for (const auto& stretch : stretches) {
            const int row = rowOf(edges, 1, QString::fromLatin1(stretch.slabs));
            QVERIFY2(row >= 0, stretch.slabs);
            QCOMPARE(text(edges, row, 3), QString::fromLatin1(stretch.Xc));
        }
        QCOMPARE(text(edges, rowOf(edges, 1, QStringLiteral("L1 | L2")), 4),
                 QStringLiteral("2,67"));
        QCOMPARE(text(edges, rowOf(edges, 1, QStringLiteral("L2 | L3")), 4),
                 QStringLiteral("3,73"));
        QStringList v2;
        for (int row = 0; row < beams->model()->rowCount(); ++row)
            if (text(beams, row, 0) == QStringLiteral("V2"))
                v2 << text(beams, row, 3);
        QCOMPARE(v2, QStringList({QStringLiteral("2140,10"), QStringLiteral("2317,62")}));

        // Saved, and the command line on the file: every number of the tables.
        const QString saved = s.folder.filePath(QStringLiteral("piso.pavimento"));
        QVERIFY(window->saveFloorTo(saved));
        QVERIFY(!window->windowTitle().endsWith(QLatin1Char('*')));
        QCOMPARE(window->windowTitle(), QStringLiteral("Pavimento — piso.pavimento"));
        QCOMPARE(s.app->recentFiles().value(0), QFileInfo(saved).absoluteFilePath());

        // A row of the slabs' table selects the slab on the plan and fills the panel; a click
        // on the plan selects the row.
        slabs->selectRow(1);
        QCOMPARE(window->scene()->selectedSlabs(), std::vector<std::size_t>{1});
        QCOMPARE(window->NomeEdit->text(), QStringLiteral("L2"));
        QTest::mouseClick(window->view()->viewport(), Qt::LeftButton, {}, at(window, {4.5, 5.5}));
        QCOMPARE(window->scene()->selectedSlabs(), std::vector<std::size_t>{2});
        const QModelIndexList rows = slabs->selectionModel()->selectedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().row(), 2);
#ifdef LAJES_CLI_EXECUTABLE
        QProcess cli;
        cli.start(QStringLiteral(LAJES_CLI_EXECUTABLE),
                  {QStringLiteral("floor"), QStringLiteral("--input"), saved,
                   QStringLiteral("--decimal"), QStringLiteral(",")});
        QVERIFY(cli.waitForFinished(30000));
        const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QCOMPARE(json.value(QStringLiteral("outcome")).toString(), QStringLiteral("Ready"));
        const QJsonArray cliSlabs = json.value(QStringLiteral("slabs")).toArray();
        QCOMPARE(cliSlabs.size(), slabs->model()->rowCount());
        for (int row = 0; row < slabs->model()->rowCount(); ++row) {
            const QJsonObject slab = cliSlabs.at(row).toObject();
            QCOMPARE(text(slabs, row, 0), slab.value(QStringLiteral("name")).toString());
            QCOMPARE(text(slabs, row, 2), two(slab.value(QStringLiteral("Mx")).toDouble()));
            QCOMPARE(text(slabs, row, 3), two(slab.value(QStringLiteral("My")).toDouble()));
            QCOMPARE(text(slabs, row, 4), two(slab.value(QStringLiteral("AsxP")).toDouble()));
            QCOMPARE(text(slabs, row, 5), two(slab.value(QStringLiteral("AsyP")).toDouble()));
            const QJsonObject bars = slab.value(QStringLiteral("bars")).toObject();
            QCOMPARE(text(slabs, row, 6), bars.value(QStringLiteral("xp")).toString());
            QCOMPARE(text(slabs, row, 7), bars.value(QStringLiteral("yp")).toString());
        }
        const QJsonArray cliEdges = json.value(QStringLiteral("edges")).toArray();
        QCOMPARE(cliEdges.size(), edges->model()->rowCount());
        for (int row = 0; row < edges->model()->rowCount(); ++row) {
            const QJsonObject edge = cliEdges.at(row).toObject();
            QCOMPARE(text(edges, row, 3), two(edge.value(QStringLiteral("Xc")).toDouble()));
            QCOMPARE(text(edges, row, 4), two(edge.value(QStringLiteral("As")).toDouble()));
            QCOMPARE(text(edges, row, 5), edge.value(QStringLiteral("bars")).toString());
        }
        QStringList cliLoads, tableLoads;
        for (const QJsonValue beam : json.value(QStringLiteral("beams")).toArray())
            for (const QJsonValue segment :
                 beam.toObject().value(QStringLiteral("segments")).toArray())
                cliLoads << two(segment.toObject().value(QStringLiteral("load")).toDouble());
        for (int row = 0; row < beams->model()->rowCount(); ++row)
            tableLoads << text(beams, row, 3);
        QCOMPARE(tableLoads, cliLoads);
#endif
        QCOMPARE(s.messages->texts(), QStringList());
    }

    // Each edit is one undo step: undone it gives back the floor before it, redone the floor
    // after it; the menu names it.
    void everyEditUndoesAndRedoes_data() {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("undoText");
        QTest::newRow("nova laje") << 0 << QStringLiteral("Desfazer Nova laje L3");
        QTest::newRow("mover (um arrasto)") << 1 << QStringLiteral("Desfazer Mover L2");
        QTest::newRow("redimensionar") << 2 << QStringLiteral("Desfazer Redimensionar L2");
        QTest::newRow("borda") << 3 << QStringLiteral("Desfazer Borda direita de L2: Engastado");
        QTest::newRow("excluir") << 4 << QStringLiteral("Desfazer Excluir L2");
        QTest::newRow("duplicar") << 5 << QStringLiteral("Desfazer Duplicar L2");
        QTest::newRow("seta") << 6 << QStringLiteral("Desfazer Mover L2");
        QTest::newRow("h no painel") << 7 << QStringLiteral("Desfazer h de L2");
    }
    void everyEditUndoesAndRedoes() {
        QFETCH(int, edit);
        QFETCH(QString, undoText);
        RecordingMessageBoxes messages;
        Settings settings;
        TPavimentoForm window(settings, messages);
        QVERIFY(activate(&window));
        window.resize(1200, 800);
        setZoom(&window);
        dragOnPlan(&window, {0.0, 0.0}, {4.0, 4.0});
        dragOnPlan(&window, {4.03, 0.0}, {9.0, 4.0});
        // Moving and resizing are the selection mode's drags.
        if (edit == 1 || edit == 2)
            window.Selecionar->trigger();
        const Floor before = window.floor();
        const int steps = window.undoStack().count();
        QWidget* viewport = window.view()->viewport();
        switch (edit) {
        case 0:
            dragOnPlan(&window, {0.0, 4.0}, {9.0, 7.0});
            break;
        case 1: { // one drag of several moves: one step
            const QPoint a = at(&window, {6.0, 2.0});
            QTest::mousePress(viewport, Qt::LeftButton, {}, a);
            for (int i = 1; i <= 5; ++i)
                QTest::mouseMove(viewport, a + QPoint(0, -20 * i));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, a + QPoint(0, -100));
            break;
        }
        case 2: // the top-right handle of the selected L2
            dragOnPlan(&window, {8.99, 3.99}, {10.0, 5.0});
            break;
        case 3:
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at(&window, {8.97, 2.0}));
            break;
        case 4:
            window.Excluir->trigger();
            break;
        case 5:
            window.Duplicar->trigger();
            break;
        case 6:
            QTest::keyClick(window.view(), Qt::Key_Up);
            break;
        case 7:
            typeAndLeave(window.HEdit, 14.0, window.GEdit);
            break;
        }
        QCOMPARE(window.undoStack().count(), steps + 1);
        QCOMPARE(window.Desfazer->text().remove(QLatin1Char('&')), undoText);
        const Floor after = window.floor();
        QVERIFY(QString::fromStdString(floorFileText(after)) !=
                QString::fromStdString(floorFileText(before)));
        QVERIFY(window.windowTitle().endsWith(QStringLiteral(" *")));
        window.Desfazer->trigger();
        QCOMPARE(QString::fromStdString(floorFileText(window.floor())),
                 QString::fromStdString(floorFileText(before)));
        window.Refazer->trigger();
        QCOMPARE(QString::fromStdString(floorFileText(window.floor())),
                 QString::fromStdString(floorFileText(after)));
        QCOMPARE(window.LajesTable->model()->rowCount(), static_cast<int>(after.slabs.size()));
        QCOMPARE(messages.texts(), QStringList());
    }

    // The wheel zooms around the cursor (the plan's point under it stays there), the middle
    // button pans, Ctrl+0 fits the floor again.
    void wheelZoomsAroundTheCursorAndMiddleButtonPans() {
        RecordingMessageBoxes messages;
        Settings settings;
        TPavimentoForm window(settings, messages);
        QVERIFY(activate(&window));
        window.resize(1200, 800);
        window.view()->zoomTo(0.5, {4.5, 3.5});
        dragOnPlan(&window, {0.0, 0.0}, {4.0, 4.0});
        QWidget* viewport = window.view()->viewport();
        const QPoint cursor = at(&window, {3.0, 1.0});
        QWheelEvent wheel(QPointF(cursor), viewport->mapToGlobal(QPointF(cursor)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        QCOMPARE(window.view()->transform().m11(), 0.6);
        const PlanPoint under = toPlan(window.view()->mapToScene(cursor));
        QVERIFY2(std::abs(under.x - 3.0) < 0.03 && std::abs(under.y - 1.0) < 0.03,
                 qPrintable(QStringLiteral("%1 %2").arg(under.x).arg(under.y)));

        const PlanPoint before = toPlan(window.view()->mapToScene(cursor));
        QTest::mousePress(viewport, Qt::MiddleButton, {}, cursor);
        QMouseEvent move(QEvent::MouseMove, QPointF(cursor + QPoint(60, 0)),
                         viewport->mapToGlobal(QPointF(cursor + QPoint(60, 0))), Qt::NoButton,
                         Qt::MiddleButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::MiddleButton, {}, cursor + QPoint(60, 0));
        const PlanPoint after = toPlan(window.view()->mapToScene(cursor));
        QVERIFY2(std::abs(before.x - after.x - 1.0) < 0.03,
                 qPrintable(QStringLiteral("%1 -> %2").arg(before.x).arg(after.x)));
        QCOMPARE(window.floor().slabs.size(), std::size_t{1});

        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_0));
        const QRectF shown = window.view()->mapToScene(viewport->rect()).boundingRect();
        QVERIFY(shown.contains(window.scene()->floorRect().adjusted(1, 1, -1, -1)));
    }

    // In the selection mode a drag from an empty place selects the slabs it encloses.
    void rubberBandSelectsTheSlabsInside() {
        RecordingMessageBoxes messages;
        Settings settings;
        TPavimentoForm window(settings, messages);
        QVERIFY(activate(&window));
        window.view()->zoomTo(0.5, {4.5, 3.5});
        dragOnPlan(&window, {0.0, 0.0}, {4.0, 4.0});
        dragOnPlan(&window, {4.02, 0.0}, {8.0, 4.0});
        dragOnPlan(&window, {0.0, 4.02}, {4.0, 7.0});
        window.Selecionar->trigger();
        dragOnPlan(&window, {-0.5, -0.5}, {8.5, 4.5});
        QCOMPARE(window.scene()->selectedSlabs(), (std::vector<std::size_t>{0, 1}));
        QCOMPARE(window.undoStack().count(), 3);
    }

    // A slab drawn over another is not created and the status bar says why.
    void overlappingRectangleIsNotCreated() {
        RecordingMessageBoxes messages;
        Settings settings;
        TPavimentoForm window(settings, messages);
        QVERIFY(activate(&window));
        setZoom(&window);
        dragOnPlan(&window, {0.0, 0.0}, {4.0, 4.0});
        dragOnPlan(&window, {3.0, 1.0}, {6.0, 3.0});
        QCOMPARE(window.floor().slabs.size(), std::size_t{1});
        QCOMPARE(window.undoStack().count(), 1);
        QCOMPARE(window.statusBar()->currentMessage(),
                 QStringLiteral("Laje não criada: o retângulo sobrepõe a laje L1."));
    }

    // The worked floor's drawing and beam loads through the window's menu: the file proposed
    // is named after the floor, in the floor file's folder and then in the last one used; the
    // CSV holds V2's two pieces. A refused floor writes nothing and says why.
    void floorOutputsThroughTheMenu_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("refused");
        QTest::newRow("DXF") << "GerarDxfPavimento"
                             << "dxf" << false;
        QTest::newRow("CSV") << "ExportarCargasVigas"
                             << "csv" << false;
        QTest::newRow("CSV, refused floor") << "ExportarCargasVigas"
                                            << "csv" << true;
    }
    void floorOutputsThroughTheMenu() {
        QFETCH(QString, action);
        QFETCH(QString, suffix);
        QFETCH(bool, refused);
        QTemporaryDir folder;
        RecordingMessageBoxes messages;
        Settings settings;
        TPavimentoForm window(settings, messages);
        AnsweringOutputDialogs dialogs(folder.path());
        window.setOutputDialogs(&dialogs);
        const QString examples = QStringLiteral(LAJES_EXAMPLES_DIR);
        QVERIFY(window.openFloorFile(examples + QStringLiteral("/pavimento-tipo.pavimento")));
        if (refused) {
            Floor heavy = window.floor();
            heavy.slabs[1].q = 50000.0; // kg/m²: L2 cannot be designed at h = 10 cm
            window.edit(FloorEditKind::ChangeSlab, QStringLiteral("q de L2"), heavy);
            QVERIFY(window.results().outcome != FloorOutcome::Ready);
        }
        messages.shown.clear();
        QAction* command = window.findChild<QAction*>(action);
        QVERIFY(command);
        const QString name = QStringLiteral("Pavimento tipo.") + suffix;
        const QString written = QDir(folder.path()).filePath(name);
        command->trigger();
        if (refused) {
            QVERIFY(dialogs.proposed.isEmpty());
            QVERIFY(!QFileInfo::exists(written));
            QCOMPARE(messages.shown.size(), std::size_t{1});
            QVERIFY(messages.texts().first().contains(QStringLiteral("L2: ")));
            return;
        }
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(dialogs.proposed, QStringList({QDir(examples).filePath(name)}));
        QVERIFY(QFileInfo(written).size() > 0);
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Arquivo gravado: ") + name);
        command->trigger(); // the second time, in the folder just used
        QCOMPARE(dialogs.proposed.last(), written);

        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(file.readAll());
        if (suffix == QStringLiteral("dxf")) {
            QVERIFY(content.contains(QStringLiteral("ARMADURA NEGATIVA")));
            return;
        }
        // Worked floor: V2 at y = 4 m carries 2140,10 kg/m from L1 and L3, 2317,62 from L2 and L3.
        QStringList v2;
        for (const QString& line : content.split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("\"V2\"")) || line.startsWith(QStringLiteral("V2;")))
                v2 << line.section(QLatin1Char(';'), 1, 4).remove(QLatin1Char('"'));
        QCOMPARE(v2, QStringList({QStringLiteral("0,00;4,00;L1, L3;2140,10"),
                                  QStringLiteral("4,00;9,00;L2, L3;2317,62")}));
    }

    // A pick through the bar cell's list: over V5 (L1 | L2) Ø8.0 takes s = 18 cm in place of the
    // proposed Ø6.3 c11; L2's y bars take Ø8.0. Each pick is one edit that undo takes back.
    void barPickedInTheListChangesTheRow_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("picked");
        QTest::newRow("stretch") << "BordasTable"
                                 << "L1 | L2" << 5 << "Ø6.3c11"
                                 << "Ø8.0c18";
        QTest::newRow("slab y") << "LajesTable"
                                << "L2" << 7 << "Ø5.0"
                                << "Ø8.0";
    }
    void barPickedInTheListChangesTheRow() {
        QFETCH(QString, table);
        QFETCH(QString, row);
        QFETCH(int, column);
        QFETCH(QString, proposed);
        QFETCH(QString, picked);
        RecordingMessageBoxes messages;
        Settings settings;
        TPavimentoForm window(settings, messages);
        QVERIFY(window.openFloorFile(QStringLiteral(LAJES_EXAMPLES_DIR) +
                                     QStringLiteral("/pavimento-tipo.pavimento")));
        QVERIFY(activate(&window));
        QTableView* view = window.findChild<QTableView*>(table);
        QVERIFY(view);
        window.Tabs->setCurrentWidget(view);
        const int at = rowOf(view, table == QStringLiteral("LajesTable") ? 0 : 1, row);
        QVERIFY(at >= 0);
        const QString before = text(view, at, column);
        QVERIFY2(before.contains(proposed), qPrintable(before));
        view->edit(view->model()->index(at, column));
        auto* box = view->findChild<QComboBox*>(QStringLiteral("BarrasComboBox"));
        QVERIFY(box);
        const QString entry =
            picked.left(picked.indexOf(QLatin1Char('c')) < 0 ? picked.size()
                                                             : picked.indexOf(QLatin1Char('c')));
        const int item = box->findText(entry);
        QVERIFY2(item >= 0, qPrintable(entry));
        box->setCurrentIndex(item);
        emit box->activated(item);
        QCoreApplication::processEvents();
        const int again = rowOf(view, table == QStringLiteral("LajesTable") ? 0 : 1, row);
        QVERIFY2(text(view, again, column).contains(picked), qPrintable(text(view, again, column)));
        QCOMPARE(window.undoStack().count(), 1);
        window.undoStack().undo();
        QCOMPARE(text(view, again, column), before);
    }

    // A file that cannot be read: its message, and the floor and the title as they were.
    void badFloorFileChangesNothing() {
        QTemporaryDir folder;
        const QString bad = folder.filePath(QStringLiteral("ruim.pavimento"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "lajes-pavimento", "version": 1, "name": "P", "fck": 25,
            "SteelGrade": "CA-50A", "slabs": [
            {"name": "L1", "x": 0, "y": 0, "Lx": 4, "Ly": 4, "h": 10, "g": 250, "q": 200},
            {"name": "L2", "x": 3, "y": 0, "Lx": 4, "Ly": 4, "h": 10, "g": 250, "q": 200}]})");
        file.close();
        const auto read = readFloorFile(std::filesystem::path(bad.toStdString()), Settings{});
        const std::string expected = std::holds_alternative<std::string>(read)
                                         ? std::get<std::string>(read)
                                         : checkFloor(std::get<Floor>(read)).value_or("");
        QVERIFY(!expected.empty());

        RecordingMessageBoxes messages;
        Settings settings;
        TPavimentoForm window(settings, messages);
        QVERIFY(activate(&window));
        setZoom(&window);
        dragOnPlan(&window, {0.0, 0.0}, {4.0, 4.0});
        const std::string before = floorFileText(window.floor());
        const QString title = window.windowTitle();
        messages.saveAnswers.push_back(SaveAnswer::Discard);
        QVERIFY(!window.openFloorFile(bad));
        QCOMPARE(messages.texts(),
                 QStringList({QStringLiteral("Salvar as alterações do pavimento?"),
                              QString::fromStdString(expected)}));
        QCOMPARE(floorFileText(window.floor()), before);
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(window.undoStack().count(), 1);
    }
};

QTEST_MAIN(PavimentoFormTest)
#include "pavimento_form_test.moc"
