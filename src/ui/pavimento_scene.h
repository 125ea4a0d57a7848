#pragma once

// The floor's plan: one item per slab and one for the beams and stretches, drawn from the
// floor record and its results. The scene owns the editing mode and turns the mouse and the
// keys into edits of the floor record, which it hands to the window (never keeping the only
// copy of a slab). Scene units are cm with y down; the plan's y is up.

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPointF>

#include <functional>
#include <optional>
#include <vector>

#include "floor/floor.h"
#include "ui/floor_edit_command.h"

class QGraphicsRectItem;
class QGraphicsEllipseItem;

namespace lajes {

class SlabItem;
class PlanOverlayItem;

QPointF toScene(PlanPoint point);
PlanPoint toPlan(QPointF point);

class PavimentoScene final : public QGraphicsScene {
    Q_OBJECT
public:
    // Draw: a drag draws a new slab. Select: a drag moves the slab under it, resizes by a
    // handle, or draws a rubber band on an empty place. In both a click selects, and a click
    // on an edge changes how it is held.
    enum class Mode { Draw, Select };

    explicit PavimentoScene(QObject* parent = nullptr);
    ~PavimentoScene() override;

    // Called by the window after every recompute: the items follow the floor.
    void showFloor(const Floor& floor, const FloorResults& results);

    Mode mode() const { return mode_; }
    void setMode(Mode mode) { mode_ = mode; }

    // The window's edit: pushes the command that turns the floor into `after`.
    std::function<void(FloorEditKind, const QString&, Floor, int)> edit;
    // A line for the status bar (why a slab was not created, what an edge became).
    std::function<void(const QString&)> status;

    std::vector<std::size_t> selectedSlabs() const;
    void selectSlabs(const std::vector<std::size_t>& slabs);

    void deleteSelected();
    void duplicateSelected();
    // Moves the selected slabs by (dx, dy) m, when they overlap nothing there.
    void nudgeSelected(double dx, double dy);
    // The rectangle of the whole floor (scene units), with a margin for the beam names.
    QRectF floorRect() const;

signals:
    void slabSelectionChanged();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Drag { None, Drawing, PendingMove, Moving, Resizing, Panning };
    double pixelsToMetres(double pixels) const;
    std::optional<std::size_t> slabAt(PlanPoint point) const;
    std::optional<int> handleAt(PlanPoint point) const;
    void showSnap(PlanPoint point, bool onLine);
    void hideDragMarks();
    void moveDrag(PlanPoint point);
    void resizeDrag(PlanPoint point);
    void finishDrawing(PlanPoint point);
    void cycleEdge(std::size_t slab, Side side);
    bool editIfFree(FloorEditKind kind, const QString& text, Floor after,
                    const std::vector<std::size_t>& changed, int drag);

    Mode mode_ = Mode::Draw;
    Floor floor_;
    std::vector<SlabItem*> slabItems_;
    PlanOverlayItem* overlay_ = nullptr;
    QGraphicsRectItem* preview_ = nullptr;
    QGraphicsEllipseItem* snapMark_ = nullptr;

    Drag drag_ = Drag::None;
    int dragNumber_ = 0;
    PlanPoint dragStart_;
    Floor dragFloor_; // the floor as the drag found it
    std::size_t dragSlab_ = 0;
    int dragHandle_ = 0;
    PlanPoint pressedAt_;
    std::optional<std::size_t> clickedSlab_;
    std::optional<Side> clickedSide_;
    bool refreshing_ = false;
};

// The view of the plan: the wheel zooms around the cursor, the middle button pans.
class PavimentoView final : public QGraphicsView {
    Q_OBJECT
public:
    explicit PavimentoView(PavimentoScene* scene, QWidget* parent = nullptr);
    // "Ajustar": the whole floor in the window; it stays fitted as the window is resized
    // until the user zooms or pans.
    void fitFloor();
    // A fixed zoom (pixels per cm of the plan) centred on `centre`.
    void zoomTo(double pixelsPerCentimetre, PlanPoint centre);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PavimentoScene* scene_;
    std::optional<QPoint> panFrom_;
    bool fitted_ = true;
};

} // namespace lajes
