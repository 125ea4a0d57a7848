#include "ui/pavimento_scene.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsItem>
#include <QGraphicsRectItem>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyleOptionGraphicsItem>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "ui/decimal_box.h"
#include "ui/floor_editing.h"

namespace lajes {

namespace {

constexpr double sceneScale = 100.0; // scene units per m (cm)
constexpr double snapPixels = 8.0;   // how near a line the pointer snaps to it
constexpr double edgePixels = 6.0;   // how near an edge a click changes it
constexpr double handlePixels = 4.0; // half the side of a handle
constexpr int textPixels = 11;       // the plan's lettering on the screen

const QColor slabFill(250, 250, 244);
const QColor refusedFill(252, 226, 226);
const QColor refusedColour(190, 0, 0);
const QColor selectedColour(30, 90, 200);
const QColor lineColour(40, 40, 40);
const QColor stretchColour(0, 90, 140);
const QColor beamColour(120, 70, 0);

// Which sides of a slab a handle moves (left, right, bottom, top); corners first.
struct Handle {
    bool left, right, bottom, top;
};
constexpr Handle handles[] = {{true, false, true, false},  {false, true, true, false},
                              {false, true, false, true},  {true, false, false, true},
                              {true, false, false, false}, {false, true, false, false},
                              {false, false, true, false}, {false, false, false, true}};

PlanPoint handlePoint(const FloorSlab& slab, int index) {
    const Handle& handle = handles[index];
    const double x = handle.left    ? slab.x
                     : handle.right ? slab.x + slab.Lx
                                    : slab.x + slab.Lx / 2.0;
    const double y = handle.bottom ? slab.y
                     : handle.top  ? slab.y + slab.Ly
                                   : slab.y + slab.Ly / 2.0;
    return {x, y};
}

QString number(double value) {
    if (std::abs(value - std::round(value)) < 1e-9)
        return QString::number(static_cast<long long>(std::llround(value)));
    return twoDecimals(value);
}

QString sideName(Side side) {
    switch (side) {
    case Side::left:
        return QStringLiteral("esquerda");
    case Side::right:
        return QStringLiteral("direita");
    case Side::bottom:
        return QStringLiteral("inferior");
    case Side::top:
        break;
    }
    return QStringLiteral("superior");
}

QString modeName(EdgeMode mode) {
    switch (mode) {
    case EdgeMode::Auto:
        return QStringLiteral("Automático");
    case EdgeMode::Fixed:
        return QStringLiteral("Engastado");
    case EdgeMode::Simple:
        break;
    }
    return QStringLiteral("Apoiado");
}

QString slabNames(const Floor& floor, const std::vector<std::size_t>& slabs) {
    QStringList names;
    for (std::size_t i : slabs)
        names << QString::fromStdString(floor.slabs[i].name);
    return names.join(QStringLiteral(", "));
}

} // namespace

QPointF toScene(PlanPoint point) {
    return {point.x * sceneScale, -point.y * sceneScale};
}

PlanPoint toPlan(QPointF point) {
    return {point.x() / sceneScale, -point.y() / sceneScale};
}

// One slab: its outline, each edge as it is held, its name, h and the designed moments.
// Painted at the screen's resolution so that the lettering keeps its size at every zoom.
class SlabItem final : public QGraphicsItem {
public:
    explicit SlabItem(std::size_t index) : index_(index) {
        setFlag(ItemIsSelectable);
        setZValue(1);
    }
    std::size_t index() const { return index_; }

    void show(const FloorSlab& slab, const FloorSlabResult* result) {
        prepareGeometryChange();
        slab_ = slab;
        designed_ = result != nullptr;
        if (result != nullptr)
            result_ = *result;
        update();
    }

    QRectF boundingRect() const override {
        // The handles and the hatching reach a little outside; enough at every usable zoom.
        const QRectF rect(toScene({slab_.x, slab_.y + slab_.Ly}),
                          toScene({slab_.x + slab_.Lx, slab_.y}));
        const double margin = std::max(rect.width(), rect.height()) * 0.05 + 20.0;
        return rect.adjusted(-margin, -margin, margin, margin);
    }

    QPainterPath shape() const override {
        QPainterPath path;
        path.addRect(
            QRectF(toScene({slab_.x, slab_.y + slab_.Ly}), toScene({slab_.x + slab_.Lx, slab_.y})));
        return path;
    }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        const QTransform world = painter->worldTransform();
        const QRectF rect = world.mapRect(
            QRectF(toScene({slab_.x, slab_.y + slab_.Ly}), toScene({slab_.x + slab_.Lx, slab_.y})));
        painter->save();
        painter->resetTransform();
        painter->setRenderHint(QPainter::Antialiasing);
        const bool refused = designed_ && result_.outcome == FloorOutcome::Rejected;
        painter->fillRect(rect, refused ? refusedFill : slabFill);
        for (Side side : allSides)
            paintEdge(painter, rect, side);
        paintText(painter, rect, refused);
        if (isSelected())
            paintSelection(painter, rect);
        painter->restore();
    }

private:
    void paintEdge(QPainter* painter, const QRectF& rect, Side side) const {
        QPointF a, b, inward;
        switch (side) {
        case Side::left:
            a = rect.topLeft(), b = rect.bottomLeft(), inward = {1, 0};
            break;
        case Side::right:
            a = rect.topRight(), b = rect.bottomRight(), inward = {-1, 0};
            break;
        case Side::bottom:
            a = rect.bottomLeft(), b = rect.bottomRight(), inward = {0, -1};
            break;
        case Side::top:
            a = rect.topLeft(), b = rect.topRight(), inward = {0, 1};
            break;
        }
        const std::size_t s = static_cast<std::size_t>(side);
        const bool fixed = designed_ ? result_.fixed[s] : slab_.edge(side) == EdgeMode::Fixed;
        painter->setPen(QPen(lineColour, fixed ? 2.0 : 1.2));
        painter->drawLine(a, b);
        if (fixed) {
            // Hatched on the slab's side, as a fixed edge is drawn.
            const QPointF along = (b - a) / std::max(1.0, QLineF(a, b).length());
            const double length = QLineF(a, b).length();
            painter->setPen(QPen(lineColour, 1.0));
            for (double t = 4.0; t < length - 2.0; t += 7.0) {
                const QPointF p = a + along * t;
                painter->drawLine(p, p + inward * 6.0 - along * 4.0);
            }
        }
        if (slab_.edge(side) != EdgeMode::Auto) {
            // Set by hand: a small filled diamond just inside the middle of the edge.
            const QPointF centre = (a + b) / 2.0 + inward * 10.0;
            QPolygonF diamond;
            diamond << centre + QPointF(0, -4) << centre + QPointF(4, 0) << centre + QPointF(0, 4)
                    << centre + QPointF(-4, 0);
            painter->setPen(Qt::NoPen);
            painter->setBrush(selectedColour);
            painter->drawPolygon(diamond);
            painter->setBrush(Qt::NoBrush);
        }
    }

    void paintText(QPainter* painter, const QRectF& rect, bool refused) const {
        QStringList lines;
        lines << QString::fromStdString(slab_.name);
        lines << QStringLiteral("h = %1").arg(number(slab_.h));
        if (designed_ && result_.outcome != FloorOutcome::Rejected) {
            lines << QStringLiteral("Mx = %1").arg(twoDecimals(result_.Mx));
            lines << QStringLiteral("My = %1").arg(twoDecimals(result_.My));
        } else if (refused) {
            lines << QStringLiteral("Não atende");
        }
        QFont font = painter->font();
        font.setPixelSize(textPixels);
        painter->setFont(font);
        const QFontMetricsF metrics(font);
        const QRectF inner = rect.adjusted(14, 14, -14, -14);
        // As many lines as fit, the name first; nothing when not even the name fits.
        while (!lines.isEmpty() && (metrics.height() * lines.size() > inner.height() ||
                                    metrics.horizontalAdvance(lines.first()) > inner.width()))
            lines.removeLast();
        double widest = 0.0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest > inner.width())
            lines = lines.mid(0, 1);
        painter->setPen(refused ? refusedColour : lineColour);
        const double top = rect.center().y() - metrics.height() * lines.size() / 2.0;
        for (int i = 0; i < lines.size(); ++i) {
            QFont lineFont = font;
            lineFont.setBold(i == 0);
            painter->setFont(lineFont);
            painter->drawText(
                QRectF(inner.left(), top + i * metrics.height(), inner.width(), metrics.height()),
                Qt::AlignCenter, lines[i]);
        }
    }

    void paintSelection(QPainter* painter, const QRectF& rect) const {
        painter->setPen(QPen(selectedColour, 2.0, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(3, 3, -3, -3));
        painter->setPen(QPen(selectedColour, 1.0));
        painter->setBrush(Qt::white);
        const QPointF points[] = {rect.bottomLeft(),
                                  rect.bottomRight(),
                                  rect.topRight(),
                                  rect.topLeft(),
                                  {rect.left(), rect.center().y()},
                                  {rect.right(), rect.center().y()},
                                  {rect.center().x(), rect.bottom()},
                                  {rect.center().x(), rect.top()}};
        for (const QPointF& point : points)
            painter->drawRect(QRectF(point.x() - handlePixels, point.y() - handlePixels,
                                     2 * handlePixels, 2 * handlePixels));
    }

    std::size_t index_;
    FloorSlab slab_;
    bool designed_ = false;
    FloorSlabResult result_;
};

// The beams with their names and the compatibilised X on every shared stretch; a refused
// stretch in red.
class PlanOverlayItem final : public QGraphicsItem {
public:
    PlanOverlayItem() { setZValue(2); }

    void show(const FloorResults& results, const QRectF& bounds) {
        prepareGeometryChange();
        bounds_ = bounds;
        stretches_.clear();
        beams_.clear();
        for (const FloorStretch& stretch : results.edges) {
            Label label;
            label.from = stretch.from;
            label.to = stretch.to;
            label.refused = stretch.outcome == FloorOutcome::Rejected;
            label.shared = stretch.slabs.size() > 1;
            label.text = QStringLiteral("X = %1").arg(twoDecimals(stretch.Xc));
            stretches_.push_back(label);
        }
        for (const Beam& beam : results.beams)
            beams_.push_back({beam.from, beam.to, QString::fromStdString(beam.name), false, true});
        update();
    }

    QRectF boundingRect() const override { return bounds_; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        const QTransform world = painter->worldTransform();
        painter->save();
        painter->resetTransform();
        painter->setRenderHint(QPainter::Antialiasing);
        QFont font = painter->font();
        font.setPixelSize(textPixels - 1);
        painter->setFont(font);
        const QFontMetricsF metrics(font);
        for (const Label& stretch : stretches_) {
            const QPointF a = world.map(toScene(stretch.from));
            const QPointF b = world.map(toScene(stretch.to));
            if (stretch.refused) {
                painter->setPen(QPen(refusedColour, 4.0));
                painter->drawLine(a, b);
            }
            if (!stretch.shared && !stretch.refused)
                continue;
            const double length = QLineF(a, b).length();
            const double width = metrics.horizontalAdvance(stretch.text) + 6.0;
            if (width > length - 8.0)
                continue; // too short on the screen to be read: the table has it
            const bool vertical = std::abs(a.x() - b.x()) < std::abs(a.y() - b.y());
            painter->save();
            painter->translate((a + b) / 2.0);
            if (vertical)
                painter->rotate(-90.0);
            const QRectF box(-width / 2.0, -metrics.height() / 2.0, width, metrics.height());
            painter->fillRect(box, QColor(255, 255, 255, 220));
            painter->setPen(stretch.refused ? refusedColour : stretchColour);
            painter->drawText(box, Qt::AlignCenter, stretch.text);
            painter->restore();
        }
        QFont beamFont = font;
        beamFont.setBold(true);
        painter->setFont(beamFont);
        painter->setPen(beamColour);
        const QFontMetricsF beamMetrics(beamFont);
        for (const Label& beam : beams_) {
            // Beside its start, outside the run: left of a horizontal beam, below a vertical one.
            const QPointF a = world.map(toScene(beam.from));
            const QPointF b = world.map(toScene(beam.to));
            const bool vertical = std::abs(a.x() - b.x()) < std::abs(a.y() - b.y());
            const double width = beamMetrics.horizontalAdvance(beam.text) + 4.0;
            const double height = beamMetrics.height();
            const QRectF box =
                vertical ? QRectF(a.x() - width / 2.0, a.y() + 4.0, width, height)
                         : QRectF(a.x() - width - 6.0, a.y() - height / 2.0, width, height);
            painter->drawText(box, Qt::AlignCenter, beam.text);
        }
        painter->restore();
    }

private:
    struct Label {
        PlanPoint from, to;
        QString text;
        bool refused = false;
        bool shared = false;
    };
    QRectF bounds_;
    std::vector<Label> stretches_;
    std::vector<Label> beams_;
};

PavimentoScene::PavimentoScene(QObject* parent) : QGraphicsScene(parent) {
    setItemIndexMethod(QGraphicsScene::NoIndex);
    overlay_ = new PlanOverlayItem;
    addItem(overlay_);
    preview_ = addRect(QRectF(), QPen(selectedColour, 0, Qt::DashLine), QColor(30, 90, 200, 30));
    preview_->setZValue(3);
    preview_->hide();
    snapMark_ = addEllipse(QRectF(), QPen(selectedColour, 0), QBrush());
    snapMark_->setZValue(4);
    snapMark_->hide();
    connect(this, &QGraphicsScene::selectionChanged, this, [this] {
        if (!refreshing_)
            emit slabSelectionChanged();
    });
}

PavimentoScene::~PavimentoScene() {
    // The items go with the scene: their selection is no longer news to anyone.
    blockSignals(true);
    slabItems_.clear();
}

void PavimentoScene::showFloor(const Floor& floor, const FloorResults& results) {
    refreshing_ = true;
    const std::vector<std::size_t> selected = selectedSlabs();
    floor_ = floor;
    while (slabItems_.size() > floor.slabs.size()) {
        delete slabItems_.back();
        slabItems_.pop_back();
    }
    while (slabItems_.size() < floor.slabs.size()) {
        slabItems_.push_back(new SlabItem(slabItems_.size()));
        addItem(slabItems_.back());
    }
    const bool designed = !results.inputError && results.slabs.size() == floor.slabs.size();
    for (std::size_t i = 0; i < floor.slabs.size(); ++i)
        slabItems_[i]->show(floor.slabs[i], designed ? &results.slabs[i] : nullptr);
    overlay_->show(results, floorRect());
    setSceneRect(floorRect().adjusted(-2000, -2000, 2000, 2000));
    refreshing_ = false;
    if (selected != selectedSlabs())
        emit slabSelectionChanged();
}

QRectF PavimentoScene::floorRect() const {
    if (floor_.slabs.empty())
        return QRectF(toScene({0, 10}), toScene({10, 0}));
    double x0 = floor_.slabs[0].x, y0 = floor_.slabs[0].y;
    double x1 = x0 + floor_.slabs[0].Lx, y1 = y0 + floor_.slabs[0].Ly;
    for (const FloorSlab& slab : floor_.slabs) {
        x0 = std::min(x0, slab.x);
        y0 = std::min(y0, slab.y);
        x1 = std::max(x1, slab.x + slab.Lx);
        y1 = std::max(y1, slab.y + slab.Ly);
    }
    const double margin = 0.08 * std::max(x1 - x0, y1 - y0) + 0.5;
    return QRectF(toScene({x0 - margin, y1 + margin}), toScene({x1 + margin, y0 - margin}));
}

std::vector<std::size_t> PavimentoScene::selectedSlabs() const {
    std::vector<std::size_t> slabs;
    for (const SlabItem* item : slabItems_)
        if (item->isSelected())
            slabs.push_back(item->index());
    return slabs;
}

void PavimentoScene::selectSlabs(const std::vector<std::size_t>& slabs) {
    refreshing_ = true;
    for (SlabItem* item : slabItems_)
        item->setSelected(std::find(slabs.begin(), slabs.end(), item->index()) != slabs.end());
    refreshing_ = false;
    emit slabSelectionChanged();
}

double PavimentoScene::pixelsToMetres(double pixels) const {
    const QList<QGraphicsView*> all = views();
    const double scale = all.isEmpty() ? 1.0 : std::max(1e-6, all.first()->transform().m11());
    return pixels / scale / sceneScale;
}

std::optional<std::size_t> PavimentoScene::slabAt(PlanPoint point) const {
    for (std::size_t i = 0; i < floor_.slabs.size(); ++i) {
        const FloorSlab& slab = floor_.slabs[i];
        if (point.x >= slab.x && point.x <= slab.x + slab.Lx && point.y >= slab.y &&
            point.y <= slab.y + slab.Ly)
            return i;
    }
    return std::nullopt;
}

std::optional<int> PavimentoScene::handleAt(PlanPoint point) const {
    const std::vector<std::size_t> selected = selectedSlabs();
    if (selected.size() != 1)
        return std::nullopt;
    const double reach = pixelsToMetres(handlePixels + 2.0);
    for (int i = 0; i < 8; ++i) {
        const PlanPoint handle = handlePoint(floor_.slabs[selected[0]], i);
        if (std::abs(handle.x - point.x) <= reach && std::abs(handle.y - point.y) <= reach)
            return i;
    }
    return std::nullopt;
}

void PavimentoScene::showSnap(PlanPoint point, bool onLine) {
    const double radius = pixelsToMetres(onLine ? 6.0 : 3.0) * sceneScale;
    const QPointF centre = toScene(point);
    snapMark_->setRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
    snapMark_->setPen(QPen(onLine ? QColor(200, 0, 120) : selectedColour, 0));
    snapMark_->show();
}

void PavimentoScene::hideDragMarks() {
    preview_->hide();
    snapMark_->hide();
}

bool PavimentoScene::editIfFree(FloorEditKind kind, const QString& text, Floor after,
                                const std::vector<std::size_t>& changed, int drag) {
    for (std::size_t i : changed) {
        if (const std::optional<std::size_t> other = overlappedSlab(after, i)) {
            if (status)
                status(QStringLiteral("%1 sobreporia a laje %2: não foi feito.")
                           .arg(QString::fromStdString(after.slabs[i].name),
                                QString::fromStdString(after.slabs[*other].name)));
            return false;
        }
    }
    if (edit)
        edit(kind, text, std::move(after), drag);
    return true;
}

void PavimentoScene::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QGraphicsScene::mousePressEvent(event);
        return;
    }
    const PlanPoint point = toPlan(event->scenePos());
    dragStart_ = point;
    dragFloor_ = floor_;
    clickedSide_.reset();
    clickedSlab_.reset();
    const std::optional<std::size_t> slab = slabAt(point);
    if (slab && (event->modifiers() & Qt::ControlModifier)) {
        slabItems_[*slab]->setSelected(!slabItems_[*slab]->isSelected());
        drag_ = Drag::None;
        event->accept();
        return;
    }
    if (mode_ == Mode::Draw) {
        // A drag draws a new slab (from anywhere: the next one usually starts at a corner of
        // the last); a click selects the slab there, and on an edge changes the edge.
        drag_ = Drag::Drawing;
        clickedSlab_ = slab;
        if (slab)
            clickedSide_ = sideNear(floor_.slabs[*slab], point, pixelsToMetres(edgePixels));
        const SnappedPoint start = snapPoint(point, floorLines(floor_), pixelsToMetres(snapPixels));
        dragStart_ = start.point;
        pressedAt_ = point;
        showSnap(start.point, start.onLine);
        event->accept();
        return;
    }
    if (const std::optional<int> handle = handleAt(point)) {
        drag_ = Drag::Resizing;
        dragSlab_ = selectedSlabs().front();
        dragHandle_ = *handle;
        ++dragNumber_;
        event->accept();
        return;
    }
    if (slab) {
        SlabItem* item = slabItems_[*slab];
        if (!item->isSelected()) {
            refreshing_ = true;
            clearSelection();
            refreshing_ = false;
            item->setSelected(true);
        }
        drag_ = Drag::PendingMove;
        dragSlab_ = *slab;
        clickedSlab_ = slab;
        clickedSide_ = sideNear(floor_.slabs[*slab], point, pixelsToMetres(edgePixels));
        ++dragNumber_;
        event->accept();
        return;
    }
    drag_ = Drag::None;
    QGraphicsScene::mousePressEvent(event); // an empty place: the view draws a rubber band
}

void PavimentoScene::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    const PlanPoint point = toPlan(event->scenePos());
    switch (drag_) {
    case Drag::Drawing: {
        if (std::hypot(point.x - pressedAt_.x, point.y - pressedAt_.y) < pixelsToMetres(3.0))
            return;
        const SnappedPoint end = snapPoint(point, floorLines(floor_), pixelsToMetres(snapPixels));
        preview_->setRect(QRectF(toScene(dragStart_), toScene(end.point)).normalized());
        preview_->show();
        showSnap(end.point, end.onLine);
        return;
    }
    case Drag::PendingMove: {
        const double moved = std::hypot(point.x - dragStart_.x, point.y - dragStart_.y);
        if (moved < pixelsToMetres(3.0))
            return;
        drag_ = Drag::Moving;
        moveDrag(point);
        return;
    }
    case Drag::Moving:
        moveDrag(point);
        return;
    case Drag::Resizing:
        resizeDrag(point);
        return;
    case Drag::None:
    case Drag::Panning:
        break;
    }
    QGraphicsScene::mouseMoveEvent(event);
}

void PavimentoScene::moveDrag(PlanPoint point) {
    const std::vector<std::size_t> moving = selectedSlabs();
    if (moving.empty())
        return;
    const FloorSlab& lead = dragFloor_.slabs[dragSlab_];
    const FloorLines lines = floorLines(dragFloor_, moving);
    const double tolerance = pixelsToMetres(snapPixels);
    const SnappedCoordinate x =
        snapSpan(lead.x + point.x - dragStart_.x, lead.Lx, lines.xs, tolerance);
    const SnappedCoordinate y =
        snapSpan(lead.y + point.y - dragStart_.y, lead.Ly, lines.ys, tolerance);
    const double dx = x.value - lead.x, dy = y.value - lead.y;
    Floor after = dragFloor_;
    for (std::size_t i : moving) {
        after.slabs[i].x = std::round((after.slabs[i].x + dx) * 100.0) / 100.0;
        after.slabs[i].y = std::round((after.slabs[i].y + dy) * 100.0) / 100.0;
    }
    showSnap({x.value, y.value}, x.onLine || y.onLine);
    if (after.slabs[dragSlab_].x == floor_.slabs[dragSlab_].x &&
        after.slabs[dragSlab_].y == floor_.slabs[dragSlab_].y)
        return;
    const QString text = QStringLiteral("Mover %1").arg(slabNames(after, moving));
    editIfFree(FloorEditKind::MoveSlabs, text, std::move(after), moving, dragNumber_);
}

void PavimentoScene::resizeDrag(PlanPoint point) {
    const FloorSlab& original = dragFloor_.slabs[dragSlab_];
    const FloorLines lines = floorLines(dragFloor_, {dragSlab_});
    const double tolerance = pixelsToMetres(snapPixels);
    const Handle& handle = handles[dragHandle_];
    double x0 = original.x, x1 = original.x + original.Lx;
    double y0 = original.y, y1 = original.y + original.Ly;
    const SnappedCoordinate x = snapCoordinate(point.x, lines.xs, tolerance);
    const SnappedCoordinate y = snapCoordinate(point.y, lines.ys, tolerance);
    if (handle.left)
        x0 = std::min(x.value, x1 - floorGrid);
    if (handle.right)
        x1 = std::max(x.value, x0 + floorGrid);
    if (handle.bottom)
        y0 = std::min(y.value, y1 - floorGrid);
    if (handle.top)
        y1 = std::max(y.value, y0 + floorGrid);
    Floor after = dragFloor_;
    FloorSlab& slab = after.slabs[dragSlab_];
    slab.x = std::round(x0 * 100.0) / 100.0;
    slab.y = std::round(y0 * 100.0) / 100.0;
    slab.Lx = std::round((x1 - x0) * 100.0) / 100.0;
    slab.Ly = std::round((y1 - y0) * 100.0) / 100.0;
    showSnap(handlePoint(slab, dragHandle_), (handle.left || handle.right ? x.onLine : false) ||
                                                 (handle.bottom || handle.top ? y.onLine : false));
    const FloorSlab& now = floor_.slabs[dragSlab_];
    if (slab.x == now.x && slab.y == now.y && slab.Lx == now.Lx && slab.Ly == now.Ly)
        return;
    const QString text = QStringLiteral("Redimensionar %1").arg(QString::fromStdString(slab.name));
    editIfFree(FloorEditKind::ResizeSlab, text, std::move(after), {dragSlab_}, dragNumber_);
}

void PavimentoScene::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    const PlanPoint point = toPlan(event->scenePos());
    const Drag finished = drag_;
    drag_ = Drag::None;
    hideDragMarks();
    switch (finished) {
    case Drag::Drawing:
        if (std::hypot(point.x - pressedAt_.x, point.y - pressedAt_.y) >= pixelsToMetres(3.0)) {
            finishDrawing(snapPoint(point, floorLines(floor_), pixelsToMetres(snapPixels)).point);
            return;
        }
        selectSlabs(clickedSlab_ ? std::vector<std::size_t>{*clickedSlab_}
                                 : std::vector<std::size_t>{});
        if (clickedSlab_ && clickedSide_)
            cycleEdge(*clickedSlab_, *clickedSide_);
        return;
    case Drag::PendingMove:
        if (clickedSide_)
            cycleEdge(dragSlab_, *clickedSide_);
        return;
    case Drag::Moving:
    case Drag::Resizing:
        return;
    case Drag::None:
    case Drag::Panning:
        break;
    }
    QGraphicsScene::mouseReleaseEvent(event);
}

void PavimentoScene::finishDrawing(PlanPoint end) {
    const std::optional<FloorSlab> slab = newFloorSlab(floor_, dragStart_, end);
    if (!slab)
        return;
    Floor after = floor_;
    after.slabs.push_back(*slab);
    const std::size_t index = after.slabs.size() - 1;
    if (const std::optional<std::size_t> other = overlappedSlab(after, index)) {
        if (status)
            status(QStringLiteral("Laje não criada: o retângulo sobrepõe a laje %1.")
                       .arg(QString::fromStdString(after.slabs[*other].name)));
        return;
    }
    const QString text = QStringLiteral("Nova laje %1").arg(QString::fromStdString(slab->name));
    if (edit)
        edit(FloorEditKind::AddSlab, text, std::move(after), 0);
    selectSlabs({index});
}

void PavimentoScene::cycleEdge(std::size_t slab, Side side) {
    Floor after = floor_;
    EdgeMode& mode = after.slabs[slab].edge(side);
    mode = nextEdgeMode(mode);
    const QString text =
        QStringLiteral("Borda %1 de %2: %3")
            .arg(sideName(side), QString::fromStdString(after.slabs[slab].name), modeName(mode));
    if (status)
        status(text);
    if (edit)
        edit(FloorEditKind::ChangeEdge, text, std::move(after), 0);
}

void PavimentoScene::deleteSelected() {
    const std::vector<std::size_t> selected = selectedSlabs();
    if (selected.empty())
        return;
    Floor after = floor_;
    for (auto i = selected.rbegin(); i != selected.rend(); ++i)
        after.slabs.erase(after.slabs.begin() + static_cast<std::ptrdiff_t>(*i));
    const QString text = QStringLiteral("Excluir %1").arg(slabNames(floor_, selected));
    selectSlabs({});
    if (edit)
        edit(FloorEditKind::DeleteSlabs, text, std::move(after), 0);
}

void PavimentoScene::duplicateSelected() {
    const std::vector<std::size_t> selected = selectedSlabs();
    if (selected.size() != 1)
        return;
    const std::optional<FloorSlab> copy = duplicateBeside(floor_, selected[0]);
    if (!copy) {
        if (status)
            status(QStringLiteral("Não há lugar livre ao lado de %1 para a cópia.")
                       .arg(QString::fromStdString(floor_.slabs[selected[0]].name)));
        return;
    }
    Floor after = floor_;
    after.slabs.push_back(*copy);
    const QString text =
        QStringLiteral("Duplicar %1").arg(QString::fromStdString(floor_.slabs[selected[0]].name));
    if (edit)
        edit(FloorEditKind::DuplicateSlab, text, std::move(after), 0);
    selectSlabs({floor_.slabs.size() - 1});
}

void PavimentoScene::nudgeSelected(double dx, double dy) {
    const std::vector<std::size_t> selected = selectedSlabs();
    if (selected.empty())
        return;
    Floor after = floor_;
    for (std::size_t i : selected) {
        after.slabs[i].x = std::round((after.slabs[i].x + dx) * 100.0) / 100.0;
        after.slabs[i].y = std::round((after.slabs[i].y + dy) * 100.0) / 100.0;
    }
    const QString text = QStringLiteral("Mover %1").arg(slabNames(floor_, selected));
    editIfFree(FloorEditKind::NudgeSlabs, text, std::move(after), selected, 0);
}

void PavimentoScene::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Delete:
        deleteSelected();
        break;
    case Qt::Key_Left:
        nudgeSelected(-floorGrid, 0.0);
        break;
    case Qt::Key_Right:
        nudgeSelected(floorGrid, 0.0);
        break;
    case Qt::Key_Down:
        nudgeSelected(0.0, -floorGrid);
        break;
    case Qt::Key_Up:
        nudgeSelected(0.0, floorGrid);
        break;
    default:
        QGraphicsScene::keyPressEvent(event);
        return;
    }
    event->accept();
}

PavimentoView::PavimentoView(PavimentoScene* scene, QWidget* parent)
    : QGraphicsView(scene, parent), scene_(scene) {
    setRenderHint(QPainter::Antialiasing);
    setDragMode(QGraphicsView::RubberBandDrag);
    setRubberBandSelectionMode(Qt::ContainsItemShape); // the slabs wholly inside
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setBackgroundBrush(QColor(235, 238, 242));
    setMouseTracking(true);
}

void PavimentoView::fitFloor() {
    fitted_ = true;
    fitInView(scene_->floorRect(), Qt::KeepAspectRatio);
}

void PavimentoView::zoomTo(double pixelsPerCentimetre, PlanPoint centre) {
    fitted_ = false;
    setTransform(QTransform::fromScale(pixelsPerCentimetre, pixelsPerCentimetre));
    centerOn(toScene(centre));
}

void PavimentoView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    if (fitted_)
        fitInView(scene_->floorRect(), Qt::KeepAspectRatio);
}

void PavimentoView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0.0)
        return;
    const double factor = std::pow(1.2, steps);
    const double zoom = transform().m11() * factor;
    if (zoom < 0.01 || zoom > 50.0)
        return;
    fitted_ = false;
    // The plan's point under the cursor stays under it.
    const QPointF cursor = event->position();
    const QPointF anchor = mapToScene(cursor.toPoint());
    scale(factor, factor);
    const QPointF moved = QPointF(mapFromScene(anchor)) - cursor;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(moved.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(moved.y()));
    event->accept();
}

void PavimentoView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        panFrom_ = event->position().toPoint();
        fitted_ = false;
        viewport()->setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    QGraphicsView::mousePressEvent(event);
}

void PavimentoView::mouseMoveEvent(QMouseEvent* event) {
    if (panFrom_) {
        const QPoint now = event->position().toPoint();
        const QPoint delta = now - *panFrom_;
        panFrom_ = now;
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - delta.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y());
        event->accept();
        return;
    }
    QGraphicsView::mouseMoveEvent(event);
}

void PavimentoView::mouseReleaseEvent(QMouseEvent* event) {
    if (panFrom_ && event->button() == Qt::MiddleButton) {
        panFrom_.reset();
        viewport()->unsetCursor();
        event->accept();
        return;
    }
    QGraphicsView::mouseReleaseEvent(event);
}

} // namespace lajes
