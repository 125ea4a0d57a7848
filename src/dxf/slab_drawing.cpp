#include "dxf/slab_drawing.h"

#include <cmath>
#include <string>

#include "analysis/moments.h"
#include "text/number_text.h"

namespace lajes {

namespace {

// Unit length a of the top bars over an edge, in metres: AdjacentSpan / 8 rounded up to a
// whole number of 5 cm steps, except that an excess of at most 0.01 step (0.05 cm) is dropped.
double topBarUnit(double adjacentSpan) {
    const double q = adjacentSpan * 100 * 0.5 * 0.25 * 0.2; // 5 cm steps in AdjacentSpan / 8
    const double whole = std::trunc(q);
    const double aCm = (q - whole > 0.01) ? whole * 5 + 5 : whole * 5;
    return aCm * 0.01;
}

// Bar description, " - ", and the bar length in whole centimetres ("31Ø6.3c10 - 413").
std::string barLabel(const std::string& description, double lengthM, char decimalSeparator) {
    return description + " - " + formatFixed(lengthM * 100, 0, decimalSeparator);
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

} // namespace

void drawSlab(DxfEntityWriter& file, const SlabDesignData& slab, const SlabResults& results,
              const Settings& settings, std::string_view slabName, char decimalSeparator) {
    const double Lx = slab.Lx;
    const double Ly = slab.Ly;
    const double s = settings.scaleFactor; // drawing units (paper mm) per metre
    const auto P = [s](double metres) { return metres * s + 10; };

    const double w = settings.wallWidth * 0.5;
    const double k = Lx < Ly ? Lx / 6 : Ly / 6;
    const double t = k * 0.25 * 0.5;
    // A bottom bar ends one cover short of the wall's outer face.
    const double e = (settings.wallWidth * 100 - settings.cover) * 0.01;
    const double Lbx = Lx - settings.wallWidth + 2 * e;
    const double Lby = Ly - settings.wallWidth + 2 * e;
    const double v = (slab.h - 2 * settings.cover) * 0.01;
    const double a = topBarUnit(slab.AdjacentSpan);
    const double Ln = 3 * a + 2 * v;
    const int nX = slab.Ribbed ? results.barsPerRibX : 1;
    const int nY = slab.Ribbed ? results.barsPerRibY : 1;

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

    // Bottom bars, k + i·t from the lower and left axes.
    for (int i = 1; i <= nX; ++i)
        line(DxfLayer::FerrPos, w - e, k + i * t, Lx - w + e, k + i * t);
    for (int j = 1; j <= nY; ++j)
        line(DxfLayer::FerrPos, k + j * t, w - e, k + j * t, Ly - w + e);
    const std::string& xp = results.bar(BarDirection::xp).text;
    const std::string& yp = results.bar(BarDirection::yp).text;
    file.writeText(P(k + (nY + 10) * t), P(k + nX * t) + 2, DxfTextHeight::Label, false,
                   barLabel(xp, Lbx, decimalSeparator));
    file.writeText(P(k + t) - 2, P(k + (nX + 10) * t), DxfTextHeight::Label, true,
                   barLabel(yp, Lby, decimalSeparator));

    // Top bars in x, over the x edge at X = 0: a staggered pair with legs hanging in -Y.
    const std::string& xn = results.bar(BarDirection::xn).text;
    const double y1 = Ly - k - t;
    const double y2 = Ly - k * 3 * 0.5;
    if (!xn.empty()) {
        if (hasFixedXEdge(slab.SupportCase)) {
            line(DxfLayer::FerrNeg, -2 * a, y1, a, y1);
            line(DxfLayer::FerrNeg, -a, y2, 2 * a, y2);
            line(DxfLayer::FerrNeg, -2 * a, y1, -2 * a, y1 - v);
            line(DxfLayer::FerrNeg, a, y1, a, y1 - v);
            line(DxfLayer::FerrNeg, -a, y2, -a, y2 - v);
            line(DxfLayer::FerrNeg, 2 * a, y2, 2 * a, y2 - v);
            file.writeText(P(-a * 0.5) - 20, P(y1) + 2, DxfTextHeight::Label, false,
                           barLabel(xn, Ln, decimalSeparator));
            file.writeText(P(-a * 2 / 3), P(y1) - 4, DxfTextHeight::Label, false,
                           formatFixed(3 * a * 100, 0, decimalSeparator));
            file.writeText(P(a) + 1, P(y1 - v) - 1, DxfTextHeight::Label, false,
                           legText(v, decimalSeparator));
        } else {
            line(DxfLayer::FerrNeg, w - e, y1, Lx - w + e, y1);
            file.writeText(P(k + (nY + 10) * t), P(y1) + 2, DxfTextHeight::Label, false,
                           barLabel(xn, Lbx, decimalSeparator));
        }
    }

    // Top bars in y, over the y edge at Y = Ly: the same pair a quarter turn on, legs in +X.
    const std::string& yn = results.bar(BarDirection::yn).text;
    const double x1 = Lx - k - t;
    const double x2 = Lx - k * 3 * 0.5;
    if (!yn.empty()) {
        if (hasFixedYEdge(slab.SupportCase)) {
            line(DxfLayer::FerrNeg, x1, Ly + 2 * a, x1, Ly - a);
            line(DxfLayer::FerrNeg, x2, Ly + a, x2, Ly - 2 * a);
            line(DxfLayer::FerrNeg, x1, Ly + 2 * a, x1 + v, Ly + 2 * a);
            line(DxfLayer::FerrNeg, x1, Ly - a, x1 + v, Ly - a);
            line(DxfLayer::FerrNeg, x2, Ly + a, x2 + v, Ly + a);
            line(DxfLayer::FerrNeg, x2, Ly - 2 * a, x2 + v, Ly - 2 * a);
            file.writeText(P(x2) - 2, P(Ly - a * 0.5) - 20, DxfTextHeight::Label, true,
                           barLabel(yn, Ln, decimalSeparator));
            file.writeText(P(x2 + v) + 1, P(Ly + a) + 1, DxfTextHeight::Label, true,
                           legText(v, decimalSeparator));
            file.writeText(P(x2) + 4, P(Ly - a * 2 / 3), DxfTextHeight::Label, true,
                           formatFixed(3 * a * 100, 0, decimalSeparator));
        } else {
            line(DxfLayer::FerrNeg, x1, w - e, x1, Ly - w + e);
            file.writeText(P(x1) - 2, P(k + (nX + 10) * t), DxfTextHeight::Label, true,
                           barLabel(yn, Lby, decimalSeparator));
        }
    }
}

} // namespace lajes
