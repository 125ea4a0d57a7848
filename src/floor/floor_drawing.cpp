#include "floor/floor_drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <variant>

#include "design/bar_lengths.h"
#include "dxf/schedule_drawing.h"
#include "text/number_text.h"

namespace lajes {

namespace {

struct Bounds {
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
};

Bounds boundsOf(const Floor& floor) {
    if (floor.slabs.empty())
        return {};
    Bounds b{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
             std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    for (const FloorSlab& slab : floor.slabs) {
        b.minX = std::min(b.minX, slab.x);
        b.minY = std::min(b.minY, slab.y);
        b.maxX = std::max(b.maxX, slab.x + slab.Lx);
        b.maxY = std::max(b.maxY, slab.y + slab.Ly);
    }
    return b;
}

// One plan: plan metres to drawing units.
struct Plan {
    double s = 0.0;    // units per metre
    double left = 0.0; // drawing x of the floor's smallest x
    Bounds bounds;
    double X(double x) const { return (x - bounds.minX) * s + left; }
    double Y(double y) const { return (y - bounds.minY) * s + 10; }
    void line(DxfEntityWriter& file, DxfLayer layer, double x1, double y1, double x2,
              double y2) const {
        file.writeLine(layer, X(x1), Y(y1), X(x2), Y(y2));
    }
};

bool alongX(PlanPoint from, PlanPoint to) {
    return std::abs(from.y - to.y) <= floorTolerance;
}

void drawOutlines(DxfEntityWriter& file, const Plan& plan, const FloorResults& results) {
    for (const Beam& beam : results.beams)
        plan.line(file, DxfLayer::Laje, beam.from.x, beam.from.y, beam.to.x, beam.to.y);
}

// The single slab's placing of bottom bars: k the smaller span / 6, t = k / 8.
struct SlabPlace {
    double k = 0.0, t = 0.0;
};

SlabPlace placeOf(const FloorSlab& slab) {
    const double k = (slab.Lx < slab.Ly ? slab.Lx : slab.Ly) / 6;
    return {k, k * 0.25 * 0.5};
}

void drawSlabName(DxfEntityWriter& file, const Plan& plan, const FloorSlab& slab,
                  bool withThickness, char decimalSeparator) {
    const double cx = plan.X(slab.x + slab.Lx * 0.5);
    const double cy = plan.Y(slab.y + slab.Ly * 0.5);
    file.writeText(cx, cy, DxfTextHeight::Name, false, slab.name);
    if (withThickness)
        file.writeText(cx - 6, cy - 6, DxfTextHeight::Label, false,
                       "h = " + formatFixed(slab.h, 2, decimalSeparator));
}

void drawBeamNames(DxfEntityWriter& file, const Plan& plan, const FloorResults& results) {
    for (const Beam& beam : results.beams) {
        if (alongX(beam.from, beam.to))
            file.writeText(plan.X(std::min(beam.from.x, beam.to.x)) + 2, plan.Y(beam.from.y) + 2,
                           DxfTextHeight::Label, false, beam.name);
        else
            file.writeText(plan.X(beam.from.x) - 2, plan.Y(std::min(beam.from.y, beam.to.y)) + 2,
                           DxfTextHeight::Label, true, beam.name);
    }
}

void drawGroup(DxfEntityWriter& file, const Plan& plan, const Floor& floor,
               const FloorResults& results, const FloorSchedule& schedule,
               const FloorBarGroup& group, const Settings& settings, char decimalSeparator) {
    const std::string label = floorBarLabel(schedule, group, decimalSeparator);
    const double w = settings.wallWidth * 0.5;
    const double e = barLengths(SlabDesignData{}, settings).e;
    if (group.owner == FloorBarOwner::Stretch) {
        const FloorStretch& stretch = results.edges[group.index];
        const double half = group.straight * 0.5;
        const double v = group.leg;
        const double mx = (stretch.from.x + stretch.to.x) * 0.5;
        const double my = (stretch.from.y + stretch.to.y) * 0.5;
        if (alongX(stretch.from, stretch.to)) {
            // Across a beam along x: the bar runs in y, its legs folded into the plan in +x.
            plan.line(file, DxfLayer::FerrNeg, mx, my - half, mx, my + half);
            plan.line(file, DxfLayer::FerrNeg, mx, my - half, mx + v, my - half);
            plan.line(file, DxfLayer::FerrNeg, mx, my + half, mx + v, my + half);
            file.writeText(plan.X(mx) - 2, plan.Y(my - half), DxfTextHeight::Label, true, label);
        } else {
            // Across a beam along y: the bar runs in x, its legs folded in -y.
            plan.line(file, DxfLayer::FerrNeg, mx - half, my, mx + half, my);
            plan.line(file, DxfLayer::FerrNeg, mx - half, my, mx - half, my - v);
            plan.line(file, DxfLayer::FerrNeg, mx + half, my, mx + half, my - v);
            file.writeText(plan.X(mx - half), plan.Y(my) + 2, DxfTextHeight::Label, false, label);
        }
        return;
    }
    const FloorSlab& slab = floor.slabs[group.index];
    const SlabPlace p = placeOf(slab);
    const double x0 = slab.x, y0 = slab.y, x1 = slab.x + slab.Lx, y1 = slab.y + slab.Ly;
    switch (group.owner) {
    case FloorBarOwner::SlabX: {
        const double y = y0 + p.k + p.t;
        plan.line(file, DxfLayer::FerrPos, x0 + w - e, y, x1 - w + e, y);
        file.writeText(plan.X(x0 + p.k + 11 * p.t), plan.Y(y) + 2, DxfTextHeight::Label, false,
                       label);
        break;
    }
    case FloorBarOwner::SlabY: {
        const double x = x0 + p.k + p.t;
        plan.line(file, DxfLayer::FerrPos, x, y0 + w - e, x, y1 - w + e);
        file.writeText(plan.X(x) - 2, plan.Y(y0 + p.k + 11 * p.t), DxfTextHeight::Label, true,
                       label);
        break;
    }
    case FloorBarOwner::SlabTopX: {
        const double y = y1 - p.k - p.t;
        plan.line(file, DxfLayer::FerrNeg, x0 + w - e, y, x1 - w + e, y);
        file.writeText(plan.X(x0 + p.k + 11 * p.t), plan.Y(y) + 2, DxfTextHeight::Label, false,
                       label);
        break;
    }
    case FloorBarOwner::SlabTopY: {
        const double x = x1 - p.k - p.t;
        plan.line(file, DxfLayer::FerrNeg, x, y0 + w - e, x, y1 - w + e);
        file.writeText(plan.X(x) - 2, plan.Y(y0 + p.k + 11 * p.t), DxfTextHeight::Label, true,
                       label);
        break;
    }
    case FloorBarOwner::Stretch:
        break;
    }
}

// A floor's drawing has tens of thousands of lines: they reach the file in chunks of 64 KiB
// instead of one write each. The file is still made only by a complete drawing.
class ChunkedOutput final : public DxfOutput {
public:
    explicit ChunkedOutput(std::unique_ptr<DxfOutput> file) : file_(std::move(file)) {
        pending_.reserve(chunk);
    }
    std::optional<std::string> append(std::string_view bytes) override {
        pending_.append(bytes);
        if (pending_.size() < chunk)
            return std::nullopt;
        return flush();
    }
    std::optional<std::string> commit() override {
        if (auto error = flush())
            return error;
        return file_->commit();
    }

private:
    static constexpr std::size_t chunk = 64 * 1024;
    std::optional<std::string> flush() {
        auto error = file_->append(pending_);
        pending_.clear();
        return error;
    }
    std::unique_ptr<DxfOutput> file_;
    std::string pending_;
};

bool isPositive(FloorBarOwner owner) {
    return owner == FloorBarOwner::SlabX || owner == FloorBarOwner::SlabY;
}

} // namespace

void drawFloor(DxfEntityWriter& file, const Floor& floor, const FloorResults& results,
               const FloorSchedule& schedule, const Settings& settings, char decimalSeparator) {
    const Bounds bounds = boundsOf(floor);
    const double s = settings.scaleFactor;
    const double width = (bounds.maxX - bounds.minX) * s;
    const double top = (bounds.maxY - bounds.minY) * s + 10;

    file.writeText(10, top + 40, DxfTextHeight::Name, false, floor.name);
    file.writeText(10, top + 34, DxfTextHeight::Label, false, "Esc.: " + settings.drawingScale);

    for (int i = 0; i < 3; ++i) {
        const Plan plan{s, 10 + i * (width + floorPlanGap), bounds};
        file.writeText(plan.left, top + 20, DxfTextHeight::Name, false, floorPlanTitles[i]);
        drawOutlines(file, plan, results);
        if (i == 0)
            drawBeamNames(file, plan, results);
        for (const FloorSlab& slab : floor.slabs)
            drawSlabName(file, plan, slab, i == 0, decimalSeparator);
        if (i == 0)
            continue;
        for (const FloorBarGroup& group : schedule.groups)
            if (isPositive(group.owner) == (i == 1))
                drawGroup(file, plan, floor, results, schedule, group, settings, decimalSeparator);
    }

    const double tableLeft = 10 + 3 * (width + floorPlanGap);
    drawScheduleTable(file, tableLeft, top, schedule.table, decimalSeparator, true);
}

std::optional<std::string> exportFloorDrawing(const std::filesystem::path& path, const Floor& floor,
                                              const FloorResults& results, const Settings& settings,
                                              char decimalSeparator) {
    const FloorSchedule schedule = floorSchedule(floor, results, settings);
    auto opened = openReplacingFile(path);
    if (auto* error = std::get_if<std::string>(&opened))
        return *error;
    DxfFile file(
        std::make_unique<ChunkedOutput>(std::move(std::get<std::unique_ptr<DxfOutput>>(opened))));
    file.writeHeaderAndTables(settings);
    drawFloor(file, floor, results, schedule, settings, decimalSeparator);
    return file.finish();
}

} // namespace lajes
