#include "dxf/slab_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/moments.h"
#include "design/bar_lengths.h"
#include "text/number_text.h"

namespace lajes {

namespace {

// Bar description, " - ", and the bar length in whole centimetres ("31Ø6.3c10 - 413").
std::string barLabel(const std::string& description, double lengthM, char decimalSeparator) {
    return description + " - " + formatFixed(wholeCentimetres(lengthM), 0, decimalSeparator);
}

// Leg height in cm: one decimal when its fractional part lies between 0.1 and 0.9 inclusive,
// otherwise a whole number ("8", "9.2", "10" for 9.95). The legs come from thicknesses and
// covers typed with two decimals, so the fractional part is read to 1e-6 cm: 9.1 computed as
// 9.0999999… still counts as 0.1, and 7.999… as a whole 8.
std::string legText(double vM, char decimalSeparator) {
    const double cm = vM * 100;
    const double fraction = std::round((cm - std::trunc(cm)) * 1e6) / 1e6;
    const bool oneDecimal = fraction >= 0.1 && fraction <= 0.9;
    return formatFixed(cm, oneDecimal ? 1 : 0, decimalSeparator);
}

// The placing of the drawing, lengths in metres.
struct Geometry {
    double w = 0.0; // half wall width
    double k = 0.0; // base distance of the bars from the axes: the smaller span / 6
    double t = 0.0; // step between the lines of a bundle, k / 8
    BarLengths lengths;
    int nX = 1, nY = 1;        // lines of the bottom bundles
    double y1 = 0.0, y2 = 0.0; // the staggered top bars in x
    double x1 = 0.0, x2 = 0.0; // the staggered top bars in y
};

Geometry geometryOf(const SlabDesignData& slab, const SlabResults& results,
                    const Settings& settings) {
    Geometry g;
    const double Lx = slab.Lx;
    const double Ly = slab.Ly;
    g.w = settings.wallWidth * 0.5;
    g.k = Lx < Ly ? Lx / 6 : Ly / 6;
    g.t = g.k * 0.25 * 0.5;
    g.lengths = barLengths(slab, settings);
    // The bars of a rib are drawn t apart from k inwards; never more than the span holds,
    // so that no count makes a drawing larger than a bound proportional to the slab.
    const auto drawable = [&g](int count, double span) {
        const double fit = std::floor((span - g.k) / g.t);
        if (!(fit >= 1.0))
            return std::min(count, 1);
        return fit < count ? static_cast<int>(fit) : count;
    };
    g.nX = slab.Ribbed ? drawable(results.barsPerRibX, Ly) : 1;
    g.nY = slab.Ribbed ? drawable(results.barsPerRibY, Lx) : 1;
    g.y1 = Ly - g.k - g.t;
    g.y2 = Ly - g.k * 3 * 0.5;
    g.x1 = Lx - g.k - g.t;
    g.x2 = Lx - g.k * 3 * 0.5;
    return g;
}

} // namespace

std::array<BarLabelPlace, 4> barLabelPlaces(const SlabDesignData& slab, const SlabResults& results,
                                            const Settings& settings) {
    const double s = settings.scaleFactor;
    const auto P = [s](double metres) { return metres * s + 10; };
    const Geometry g = geometryOf(slab, results, settings);
    const double k = g.k, t = g.t, a = g.lengths.a;
    std::array<BarLabelPlace, 4> places{};
    places[0] = {true, P(k + (g.nY + 10) * t), P(k + g.nX * t) + 2, false};
    places[1] = {true, P(k + t) - 2, P(k + (g.nX + 10) * t), true};
    if (!results.bar(BarDirection::xn).text.empty()) {
        if (hasFixedXEdge(slab.SupportCase))
            places[2] = {true, P(-a * 0.5) - 20, P(g.y1) + 2, false};
        else
            places[2] = {true, P(k + (g.nY + 10) * t), P(g.y1) + 2, false};
    }
    if (!results.bar(BarDirection::yn).text.empty()) {
        if (hasFixedYEdge(slab.SupportCase))
            places[3] = {true, P(g.x2) - 2, P(slab.Ly - a * 0.5) - 20, true};
        else
            places[3] = {true, P(g.x1) - 2, P(k + (g.nX + 10) * t), true};
    }
    return places;
}

void drawSlab(DxfEntityWriter& file, const SlabDesignData& slab, const SlabResults& results,
              const Settings& settings, std::string_view slabName, char decimalSeparator) {
    const double Lx = slab.Lx;
    const double Ly = slab.Ly;
    const double s = settings.scaleFactor; // drawing units (paper mm) per metre
    const auto P = [s](double metres) { return metres * s + 10; };

    const Geometry g = geometryOf(slab, results, settings);
    const double w = g.w, k = g.k, t = g.t;
    const double e = g.lengths.e, v = g.lengths.v, a = g.lengths.a;
    const int nX = g.nX, nY = g.nY;
    const std::array<BarLabelPlace, 4> places = barLabelPlaces(slab, results, settings);
    const auto label = [&](BarDirection direction, const std::string& text) {
        const BarLabelPlace& place = places[static_cast<std::size_t>(direction)];
        file.writeText(place.x, place.y, DxfTextHeight::Label, place.rotated, text);
    };

    // Title and outline.
    file.writeText(10, P(Ly) + 30, DxfTextHeight::Name, false, slabName);
    file.writeText(10, P(Ly) + 25, DxfTextHeight::Label, false, "Esc.: " + settings.drawingScale);
    file.writeText(P(Lx * 0.5), P(Ly * 0.5), DxfTextHeight::Name, false, slabName);
    file.writeText(P(Lx * 0.5) - 6, P(Ly * 0.5) - 6, DxfTextHeight::Label, false,
                   "h = " + formatFixed(slab.h, 2, decimalSeparator));

    const auto line = [&](DxfLayer layer, double X1, double Y1, double X2, double Y2) {
        file.writeLine(layer, P(X1), P(Y1), P(X2), P(Y2));
    };
    // Inner faces of the walls, then their outer faces, each counter-clockwise from the
    // lower left.
    line(DxfLayer::Laje, w, w, Lx - w, w);
    line(DxfLayer::Laje, Lx - w, w, Lx - w, Ly - w);
    line(DxfLayer::Laje, Lx - w, Ly - w, w, Ly - w);
    line(DxfLayer::Laje, w, Ly - w, w, w);
    line(DxfLayer::Laje, -w, -w, Lx + w, -w);
    line(DxfLayer::Laje, Lx + w, -w, Lx + w, Ly + w);
    line(DxfLayer::Laje, Lx + w, Ly + w, -w, Ly + w);
    line(DxfLayer::Laje, -w, Ly + w, -w, -w);

    // Bottom bars, k + i·t from the lower and left axes; a bottom bar ends one cover short of
    // the wall's outer face.
    for (int i = 1; i <= nX; ++i)
        line(DxfLayer::FerrPos, w - e, k + i * t, Lx - w + e, k + i * t);
    for (int j = 1; j <= nY; ++j)
        line(DxfLayer::FerrPos, k + j * t, w - e, k + j * t, Ly - w + e);
    label(BarDirection::xp,
          barLabel(results.bar(BarDirection::xp).text, g.lengths.Lbx, decimalSeparator));
    label(BarDirection::yp,
          barLabel(results.bar(BarDirection::yp).text, g.lengths.Lby, decimalSeparator));

    // Top bars in x, over the x edge at X = 0: a staggered pair with legs hanging in -Y.
    const std::string& xn = results.bar(BarDirection::xn).text;
    const double y1 = g.y1;
    const double y2 = g.y2;
    if (!xn.empty()) {
        if (hasFixedXEdge(slab.SupportCase)) {
            line(DxfLayer::FerrNeg, -2 * a, y1, a, y1);
            line(DxfLayer::FerrNeg, -a, y2, 2 * a, y2);
            line(DxfLayer::FerrNeg, -2 * a, y1, -2 * a, y1 - v);
            line(DxfLayer::FerrNeg, a, y1, a, y1 - v);
            line(DxfLayer::FerrNeg, -a, y2, -a, y2 - v);
            line(DxfLayer::FerrNeg, 2 * a, y2, 2 * a, y2 - v);
            label(BarDirection::xn, barLabel(xn, g.lengths.Ln, decimalSeparator));
            file.writeText(P(-a * 2 / 3), P(y1) - 4, DxfTextHeight::Label, false,
                           formatFixed(3 * a * 100, 0, decimalSeparator));
            file.writeText(P(a) + 1, P(y1 - v) - 1, DxfTextHeight::Label, false,
                           legText(v, decimalSeparator));
        } else {
            line(DxfLayer::FerrNeg, w - e, y1, Lx - w + e, y1);
            label(BarDirection::xn, barLabel(xn, g.lengths.Lbx, decimalSeparator));
        }
    }

    // Top bars in y, over the y edge at Y = Ly: the same pair a quarter turn on, legs in +X.
    const std::string& yn = results.bar(BarDirection::yn).text;
    const double x1 = g.x1;
    const double x2 = g.x2;
    if (!yn.empty()) {
        if (hasFixedYEdge(slab.SupportCase)) {
            line(DxfLayer::FerrNeg, x1, Ly + 2 * a, x1, Ly - a);
            line(DxfLayer::FerrNeg, x2, Ly + a, x2, Ly - 2 * a);
            line(DxfLayer::FerrNeg, x1, Ly + 2 * a, x1 + v, Ly + 2 * a);
            line(DxfLayer::FerrNeg, x1, Ly - a, x1 + v, Ly - a);
            line(DxfLayer::FerrNeg, x2, Ly + a, x2 + v, Ly + a);
            line(DxfLayer::FerrNeg, x2, Ly - 2 * a, x2 + v, Ly - 2 * a);
            label(BarDirection::yn, barLabel(yn, g.lengths.Ln, decimalSeparator));
            file.writeText(P(x2 + v) + 1, P(Ly + a) + 1, DxfTextHeight::Label, true,
                           legText(v, decimalSeparator));
            file.writeText(P(x2) + 4, P(Ly - a * 2 / 3), DxfTextHeight::Label, true,
                           formatFixed(3 * a * 100, 0, decimalSeparator));
        } else {
            line(DxfLayer::FerrNeg, x1, w - e, x1, Ly - w + e);
            label(BarDirection::yn, barLabel(yn, g.lengths.Lby, decimalSeparator));
        }
    }
}

} // namespace lajes
