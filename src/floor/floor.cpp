#include "floor/floor.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <variant>

#include "analysis/calculate.h"
#include "analysis/messages.h"
#include "analysis/moments.h"
#include "analysis/predimensioning.h"
#include "design/bars.h"
#include "design/flexure.h"
#include "design/results_driver.h"
#include "design/results_screen.h"

namespace lajes {

namespace {

constexpr double t = floorTolerance;
constexpr double maxCoordinate = 10000.0; // m

std::size_t index(Side side) {
    return static_cast<std::size_t>(side);
}

bool horizontal(Side side) {
    return side == Side::bottom || side == Side::top;
}

// The plan's edges of a slab as lines and intervals: the line's coordinate (x of a vertical
// edge, y of a horizontal one) and the interval along it.
struct EdgeLine {
    double line = 0.0;
    double from = 0.0;
    double to = 0.0;
};

EdgeLine edgeOf(const FloorSlab& slab, Side side) {
    switch (side) {
    case Side::left:
        return {slab.x, slab.y, slab.y + slab.Ly};
    case Side::right:
        return {slab.x + slab.Lx, slab.y, slab.y + slab.Ly};
    case Side::bottom:
        return {slab.y, slab.x, slab.x + slab.Lx};
    case Side::top:
        break;
    }
    return {slab.y + slab.Ly, slab.x, slab.x + slab.Lx};
}

PlanPoint pointOn(Side side, double line, double along) {
    return horizontal(side) ? PlanPoint{along, line} : PlanPoint{line, along};
}

double edgeLength(const FloorSlab& slab, Side side) {
    return horizontal(side) ? slab.Lx : slab.Ly;
}

// Two slabs touching along a stretch: `a` on its side `sideA`, `b` on the opposite side.
struct Contact {
    std::size_t a = 0;
    std::size_t b = 0;
    Side sideA = Side::left;
    Side sideB = Side::right;
    double line = 0.0;
    double from = 0.0;
    double to = 0.0;
};

std::string quotedName(const FloorSlab& slab) {
    return "\"" + slab.name + "\"";
}

std::string slabError(const FloorSlab& slab, const std::string& key, const std::string& what) {
    return "laje " + quotedName(slab) + ": \"" + key + "\" " + what;
}

// Rule 1: the contacts of every pair of slabs, or the message of the first pair that
// overlaps.
std::variant<std::vector<Contact>, std::string> findContacts(const Floor& floor) {
    std::vector<Contact> contacts;
    const std::vector<FloorSlab>& slabs = floor.slabs;
    // Sorted by the left edge, a slab meets only the slabs that start before its right edge.
    std::vector<std::size_t> order(slabs.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t l, std::size_t r) { return slabs[l].x < slabs[r].x; });
    for (std::size_t oi = 0; oi < order.size(); ++oi) {
        const FloorSlab& S = slabs[order[oi]];
        const double sx2 = S.x + S.Lx;
        const double sy2 = S.y + S.Ly;
        for (std::size_t oj = oi + 1; oj < order.size(); ++oj) {
            const FloorSlab& N = slabs[order[oj]];
            if (N.x > sx2 + t)
                break;
            const double nx2 = N.x + N.Lx;
            const double ny2 = N.y + N.Ly;
            const double overlapX = std::min(sx2, nx2) - std::max(S.x, N.x);
            const double overlapY = std::min(sy2, ny2) - std::max(S.y, N.y);
            if (overlapX > t && overlapY > t)
                return "as lajes " + quotedName(S) + " e " + quotedName(N) +
                       " se sobrepõem (\"x\", \"y\", \"Lx\", \"Ly\")";
            const std::size_t s = order[oi];
            const std::size_t n = order[oj];
            const double yFrom = std::max(S.y, N.y);
            const double yTo = std::min(sy2, ny2);
            const double xFrom = std::max(S.x, N.x);
            const double xTo = std::min(sx2, nx2);
            if (overlapY > t && std::fabs(sx2 - N.x) <= t)
                contacts.push_back({s, n, Side::right, Side::left, N.x, yFrom, yTo});
            else if (overlapY > t && std::fabs(S.x - nx2) <= t)
                contacts.push_back({s, n, Side::left, Side::right, S.x, yFrom, yTo});
            else if (overlapX > t && std::fabs(sy2 - N.y) <= t)
                contacts.push_back({s, n, Side::top, Side::bottom, N.y, xFrom, xTo});
            else if (overlapX > t && std::fabs(S.y - ny2) <= t)
                contacts.push_back({s, n, Side::bottom, Side::top, S.y, xFrom, xTo});
        }
    }
    return contacts;
}

// Rule 2: N restrains S when neither is ribbed and N is not much thinner (2 cm).
bool restrains(const FloorSlab& N, const FloorSlab& S) {
    return !N.Ribbed && !S.Ribbed && N.h >= S.h - 2.0;
}

// Rule 3: the support case of (nx, ny) and whether the analysis swaps the spans.
struct CaseChoice {
    int supportCase = 1;
    bool rotated = false;
};

CaseChoice caseOf(int nx, int ny, double Lx, double Ly) {
    static constexpr int table[3][3] = {{1, 2, 4}, {2, 3, 5}, {4, 5, 6}}; // [nx][ny]
    const int supportCase = table[nx][ny];
    if (supportCase == 1 || supportCase == 3 || supportCase == 6)
        return {supportCase, Lx > Ly};
    return {supportCase, ny > nx};
}

// A stretch's moment under the compatibility rule (rule 5), magnitudes.
double compatible(double X1, double X2, Compatibility rule) {
    if (rule == Compatibility::Maior)
        return std::max(X1, X2);
    return std::max(0.8 * std::max(X1, X2), (X1 + X2) / 2.0);
}

// The analysis-frame direction of a plan-frame bar direction.
BarDirection analysisDirection(BarDirection plan, bool rotated) {
    if (!rotated)
        return plan;
    switch (plan) {
    case BarDirection::xp:
        return BarDirection::yp;
    case BarDirection::yp:
        return BarDirection::xp;
    case BarDirection::xn:
        return BarDirection::yn;
    case BarDirection::yn:
        break;
    }
    return BarDirection::xn;
}

struct SlabWork {
    bool analysed = false; // passed the input checks
    double MkMax = 0.0;
};

// The floor's pick for `stretch`: the one naming the same slabs and the same ends.
const StretchPick* pickOf(const Floor& floor, const FloorStretch& stretch) {
    const auto near = [](double a, double b) { return std::fabs(a - b) <= floorTolerance; };
    for (const StretchPick& pick : floor.stretchChoices) {
        if (pick.slabs.size() != stretch.slabs.size())
            continue;
        bool same = near(pick.fromX, stretch.from.x) && near(pick.fromY, stretch.from.y) &&
                    near(pick.toX, stretch.to.x) && near(pick.toY, stretch.to.y);
        for (std::size_t k = 0; same && k < pick.slabs.size(); ++k)
            same = pick.slabs[k] == floor.slabs[stretch.slabs[k]].name;
        if (same)
            return &pick;
    }
    return nullptr;
}

// The pick's diameter, then its spacing, through the rules of the results screen's top steel
// (the spacing list refilled for the diameter). False when a list does not offer the pick:
// the proposal is kept whole.
bool applyStretchPick(const StretchPick& pick, FloorStretch& stretch, double length,
                      const SpacingLimits& limits, double wallWidth, char separator) {
    BarChoice bar = stretch.bar;
    ChoiceList diameters = stretch.diameters, spacings = stretch.spacings;
    if (pick.diameter) {
        if (!diameters.offers(*pick.diameter))
            return false;
        diameters.currentText = *pick.diameter;
        const double diameter = diameterOfText(*pick.diameter);
        const BarLayout layout =
            spacingForDiameter(diameter, length, stretch.As, limits, wallWidth);
        fillSpacingChoices(spacings, layout.spacing, limits);
        bar = {diameter, layout.spacing, layout.count, layout.effectiveArea,
               solidBarText(layout.count, *pick.diameter, layout.spacing, separator)};
    }
    if (pick.spacing) {
        const std::string text = std::to_string(*pick.spacing);
        if (!spacings.offers(text))
            return false;
        spacings.currentText = text;
        const BarLayout layout =
            areaForSpacing(bar.diameter, length, *pick.spacing, limits, wallWidth);
        bar.spacing = *pick.spacing;
        bar.count = layout.count;
        bar.effectiveArea = layout.effectiveArea;
        bar.text = solidBarText(layout.count, diameters.currentText, *pick.spacing, separator);
    }
    stretch.bar = bar;
    stretch.diameters = std::move(diameters);
    stretch.spacings = std::move(spacings);
    return true;
}

} // namespace

std::optional<std::string> checkFloor(const Floor& floor) {
    if (floor.slabs.empty())
        return std::string("o pavimento não tem lajes (\"slabs\")");
    if (floor.slabs.size() > maxFloorSlabs)
        return "o pavimento tem mais de " + std::to_string(maxFloorSlabs) + " lajes (\"slabs\")";
    std::set<std::string> names;
    for (const FloorSlab& slab : floor.slabs) {
        if (slab.name.empty())
            return std::string("uma laje sem \"name\"");
        if (!names.insert(slab.name).second)
            return slabError(slab, "name", "repetido");
        for (const auto& [key, value] : {std::pair{"x", slab.x}, std::pair{"y", slab.y}})
            if (!std::isfinite(value) || std::fabs(value) > maxCoordinate)
                return slabError(slab, key, "deve ser um número entre -10000 e 10000");
        for (const auto& [key, value] :
             {std::pair{"Lx", slab.Lx}, std::pair{"Ly", slab.Ly}, std::pair{"h", slab.h}})
            if (!std::isfinite(value) || value <= 0.0)
                return slabError(slab, key, "deve ser maior que zero");
        for (const auto& [key, value] :
             {std::pair{"Lx", slab.x + slab.Lx}, std::pair{"Ly", slab.y + slab.Ly}})
            if (!std::isfinite(value) || std::fabs(value) > maxCoordinate)
                return slabError(slab, key, "leva a laje além de 10000 m");
        if (slab.Ribbed)
            for (Side side : allSides)
                if (slab.edge(side) == EdgeMode::Fixed)
                    return slabError(slab, std::string("edges.") + sideKey(side),
                                     "não pode ser \"engastado\" numa laje nervurada");
    }
    auto contacts = findContacts(floor);
    if (auto* error = std::get_if<std::string>(&contacts))
        return *error;
    return std::nullopt;
}

FloorResults designFloor(const Floor& floor, const Settings& settings,
                         const FloorOptions& options) {
    FloorResults out;
    if (auto error = checkFloor(floor)) {
        out.inputError = std::move(error);
        return out;
    }
    const std::vector<FloorSlab>& slabs = floor.slabs;
    const std::vector<Contact> contacts = std::get<std::vector<Contact>>(findContacts(floor));
    const std::size_t n = slabs.size();

    // Each slab's contacts per side.
    std::vector<std::array<std::vector<std::size_t>, 4>> contactsOf(n);
    for (std::size_t c = 0; c < contacts.size(); ++c) {
        contactsOf[contacts[c].a][index(contacts[c].sideA)].push_back(c);
        contactsOf[contacts[c].b][index(contacts[c].sideB)].push_back(c);
    }
    const auto otherOf = [&](const Contact& c, std::size_t s) { return c.a == s ? c.b : c.a; };

    // Rules 2 to 4 for each slab.
    out.slabs.resize(n);
    std::vector<SlabWork> work(n);
    for (std::size_t s = 0; s < n; ++s) {
        const FloorSlab& in = slabs[s];
        FloorSlabResult& r = out.slabs[s];
        r.name = in.name;
        for (Side side : allSides) {
            bool fixed = false;
            if (in.edge(side) == EdgeMode::Fixed) {
                fixed = true;
            } else if (in.edge(side) == EdgeMode::Auto && !in.Ribbed) {
                double covered = 0.0;
                for (std::size_t c : contactsOf[s][index(side)]) {
                    const Contact& contact = contacts[c];
                    if (restrains(slabs[otherOf(contact, s)], in))
                        covered += contact.to - contact.from;
                }
                fixed = covered >= 2.0 / 3.0 * edgeLength(in, side) - 1e-9;
            }
            r.fixed[index(side)] = fixed;
        }
        const int nx = r.fixed[index(Side::left)] + r.fixed[index(Side::right)];
        const int ny = r.fixed[index(Side::bottom)] + r.fixed[index(Side::top)];
        const CaseChoice choice = caseOf(nx, ny, in.Lx, in.Ly);
        r.SupportCase = choice.supportCase;
        r.rotated = choice.rotated;

        SlabDesignData& slab = r.slab;
        slab.SupportCase = choice.supportCase;
        slab.Ribbed = in.Ribbed;
        slab.fck = floor.fck;
        slab.SteelGrade = floor.SteelGrade;
        slab.a = in.a;
        slab.bw = in.bw;
        slab.hb = in.hb;
        slab.bf = in.bf;
        slab.BlockDensity = in.BlockDensity;
        SlabEntries entries;
        entries.Lx = choice.rotated ? in.Ly : in.Lx;
        entries.Ly = choice.rotated ? in.Lx : in.Ly;
        entries.h = in.h;
        entries.g = in.g;
        entries.q = in.q;
        if (auto rejection = checkSlabInputs(entries, slab, settings)) {
            r.outcome = FloorOutcome::Rejected;
            r.message = rejection->message;
            continue;
        }
        PreDimensioning preDimensioning;
        work[s].MkMax = analyseSlab(slab, r.results, preDimensioning);
        work[s].analysed = true;
        computeReactions(slab, slab.Lambda, r.results);
        r.lambda = slab.Lambda;
        r.p = slab.p;
        r.d = slab.d;
        const SlabResults& own = r.results;
        r.ownMx = choice.rotated ? own.My : own.Mx;
        r.ownMy = choice.rotated ? own.Mx : own.My;
        for (Side side : allSides) {
            // The plan's left and right edges are the analysis's x edges unless rotated.
            const bool analysisX = horizontal(side) == choice.rotated;
            if (r.fixed[index(side)])
                r.ownX[index(side)] = (analysisX ? own.Xx : own.Xy) + 0.0;
            r.reactions[index(side)] = analysisX ? (r.fixed[index(side)] ? own.Rxe : own.Rxa)
                                                 : (r.fixed[index(side)] ? own.Rye : own.Rya);
        }
    }

    // Rules 5 and 8: the stretches, from the contacts with a fixed side and from the parts of
    // fixed edges that no neighbour covers.
    const auto stretchOf = [&](std::vector<std::size_t> members, std::vector<Side> sides,
                               Side firstSide, double line, double from, double to) {
        FloorStretch stretch;
        if (members.size() == 2 && slabs[members[1]].name < slabs[members[0]].name) {
            std::swap(members[0], members[1]);
            std::swap(sides[0], sides[1]);
        }
        stretch.slabs = members;
        stretch.sides = sides;
        stretch.from = pointOn(firstSide, line, from);
        stretch.to = pointOn(firstSide, line, to);
        return stretch;
    };
    for (const Contact& c : contacts) {
        if (!out.slabs[c.a].fixed[index(c.sideA)] && !out.slabs[c.b].fixed[index(c.sideB)])
            continue;
        out.edges.push_back(
            stretchOf({c.a, c.b}, {c.sideA, c.sideB}, c.sideA, c.line, c.from, c.to));
    }
    for (std::size_t s = 0; s < n; ++s) {
        for (Side side : allSides) {
            if (!out.slabs[s].fixed[index(side)])
                continue;
            std::vector<std::pair<double, double>> covered;
            for (std::size_t c : contactsOf[s][index(side)])
                covered.emplace_back(contacts[c].from, contacts[c].to);
            std::sort(covered.begin(), covered.end());
            const EdgeLine edge = edgeOf(slabs[s], side);
            double at = edge.from;
            covered.emplace_back(edge.to, edge.to);
            for (const auto& [from, to] : covered) {
                if (from - at > t)
                    out.edges.push_back(stretchOf({s}, {side}, side, edge.line, at, from));
                at = std::max(at, to);
            }
        }
    }
    std::sort(out.edges.begin(), out.edges.end(), [](const FloorStretch& l, const FloorStretch& r) {
        return std::tie(l.from.y, l.from.x, l.to.y, l.to.x) <
               std::tie(r.from.y, r.from.x, r.to.y, r.to.x);
    });

    // The stretch moments; each slab's largest reduction per side (rule 6).
    std::vector<std::array<double, 4>> reduction(n, std::array<double, 4>{});
    for (FloorStretch& stretch : out.edges) {
        std::vector<double> fixedMagnitudes;
        std::string rejectedSlab;
        for (std::size_t i = 0; i < stretch.slabs.size(); ++i) {
            const FloorSlabResult& r = out.slabs[stretch.slabs[i]];
            const double own = r.ownX[index(stretch.sides[i])];
            stretch.ownX.push_back(own);
            if (r.fixed[index(stretch.sides[i])])
                fixedMagnitudes.push_back(std::fabs(own));
            if (!work[stretch.slabs[i]].analysed && rejectedSlab.empty())
                rejectedSlab = r.name;
        }
        const double X =
            fixedMagnitudes.size() == 2
                ? compatible(fixedMagnitudes[0], fixedMagnitudes[1], floor.compatibility)
                : fixedMagnitudes.front();
        stretch.Xc = -X + 0.0;
        for (std::size_t i = 0; i < stretch.slabs.size(); ++i) {
            const std::size_t s = stretch.slabs[i];
            const double own = std::fabs(stretch.ownX[i]);
            double& delta = reduction[s][index(stretch.sides[i])];
            if (out.slabs[s].fixed[index(stretch.sides[i])] && own - X > delta)
                delta = own - X;
        }
        if (!rejectedSlab.empty()) {
            stretch.outcome = FloorOutcome::Rejected;
            stretch.message = "A laje " + rejectedSlab + " não foi calculada.";
        }
    }

    // Rule 7: each slab with its corrected span moments and no top steel of its own.
    for (std::size_t s = 0; s < n; ++s) {
        FloorSlabResult& r = out.slabs[s];
        if (!work[s].analysed)
            continue;
        const std::array<double, 4>& delta = reduction[s];
        r.Mx = r.ownMx + (delta[index(Side::left)] + delta[index(Side::right)]) / 2.0;
        r.My = r.ownMy + (delta[index(Side::bottom)] + delta[index(Side::top)]) / 2.0;
        SlabResults& results = r.results;
        SlabDesignData& slab = r.slab;
        (r.rotated ? results.My : results.Mx) = r.Mx;
        (r.rotated ? results.Mx : results.My) = r.My;
        results.Xx = results.Xy = 0.0;
        if (r.Mx > work[s].MkMax) {
            r.message = std::string(messages::MxAboveMkMax);
            continue;
        }
        if (r.My > work[s].MkMax) {
            r.message = std::string(messages::MyAboveMkMax);
            continue;
        }
        const ComputeOutcome computed =
            designResults(slab, results, settings, options.decimalSeparator);
        if (computed.closeScreen) {
            r.outcome = FloorOutcome::NoBar;
            r.message = std::string(noBarMessage);
        } else {
            // The picks choose from the lists offered, as on the results screen.
            ResultsScreen screen;
            showBarChoices(results, computed, screen);
            std::vector<BarPick> picks = slabs[s].choices;
            for (BarPick& pick : picks)
                pick.direction = analysisDirection(pick.direction, r.rotated);
            const BarPicksOutcome applied =
                applyBarPicks(picks, slab, results, settings, screen, options.decimalSeparator);
            r.skippedChoices = applied.skipped;
            for (BarPick& pick : r.skippedChoices)
                pick.direction = analysisDirection(pick.direction, r.rotated);
            const BarDirection x = analysisDirection(BarDirection::xp, r.rotated);
            const BarDirection y = analysisDirection(BarDirection::yp, r.rotated);
            r.diametersX = screen.diameterList(x);
            r.spacingsX = screen.spacingList(x);
            r.diametersY = screen.diameterList(y);
            r.spacingsY = screen.spacingList(y);
            r.outcome = FloorOutcome::Ready;
        }
        r.AsxP = r.rotated ? results.Asyp : results.Asxp;
        r.AsyP = r.rotated ? results.Asxp : results.Asyp;
        r.barX = results.bar(analysisDirection(BarDirection::xp, r.rotated));
        r.barY = results.bar(analysisDirection(BarDirection::yp, r.rotated));
        r.immediateDeflection = results.immediateDeflection;
        r.finalDeflection = results.finalDeflection;
        r.admissibleDeflection = results.admissibleDeflection;
        r.tauD = results.tauD;
        r.tauU = results.tauU;
    }

    // Rule 8: the top steel of each stretch, once.
    for (FloorStretch& stretch : out.edges) {
        double smallerSpan = 0.0;
        for (std::size_t s : stretch.slabs)
            smallerSpan = std::max(smallerSpan, std::min(slabs[s].Lx, slabs[s].Ly));
        stretch.AdjacentSpan = smallerSpan;
        if (!stretch.message.empty())
            continue;
        const std::size_t first = stretch.slabs.front();
        SlabDesignData section = out.slabs[first].slab;
        stretch.d = section.d;
        stretch.h = section.h;
        for (std::size_t s : stretch.slabs) {
            stretch.d = std::min(stretch.d, out.slabs[s].slab.d);
            stretch.h = std::min(stretch.h, out.slabs[s].slab.h);
        }
        section.h = stretch.h;
        SlabResults scratch;
        const double MkMax = computeSectionLimits(section, stretch.d, scratch);
        if (std::fabs(stretch.Xc) > MkMax) {
            stretch.outcome = FloorOutcome::Rejected;
            stretch.message = stretch.slabs.size() == 2
                                  ? "Momento X entre " + slabs[stretch.slabs[0]].name + " e " +
                                        slabs[stretch.slabs[1]].name + " é maior que Mkmáx !"
                                  : "Momento X de " + slabs[first].name + " é maior que Mkmáx !";
            continue;
        }
        stretch.As = steelAreaForMoment(std::fabs(stretch.Xc), stretch.d, section, scratch);
        const double length =
            std::hypot(stretch.to.x - stretch.from.x, stretch.to.y - stretch.from.y);
        ChoiceList diameters;
        stretch.bar = fillDiameterChoices(diameters, SteelKind::Top, length, stretch.As, stretch.h,
                                          spacingLimitsFor(stretch.h), settings.wallWidth,
                                          options.decimalSeparator);
        if (diameters.items.empty()) {
            stretch.outcome = FloorOutcome::NoBar;
            stretch.message = std::string(noBarMessage);
        } else {
            stretch.outcome = FloorOutcome::Ready;
            const SpacingLimits limits = spacingLimitsFor(stretch.h);
            fillSpacingChoices(stretch.spacings, stretch.bar.spacing, limits);
            stretch.diameters = std::move(diameters);
            if (const StretchPick* pick = pickOf(floor, stretch))
                stretch.pickSkipped = !applyStretchPick(
                    *pick, stretch, length, limits, settings.wallWidth, options.decimalSeparator);
        }
    }
    // The adjacent span a slab's drawing needs: the larger over its stretches.
    for (const FloorStretch& stretch : out.edges)
        for (std::size_t s : stretch.slabs)
            out.slabs[s].slab.AdjacentSpan =
                std::max(out.slabs[s].slab.AdjacentSpan, stretch.AdjacentSpan);

    // Rule 9: beams along the runs of slab edges on one line, cut at every slab corner.
    struct EdgeRef {
        std::size_t slab;
        Side side;
        EdgeLine edge;
    };
    for (bool isHorizontal : {true, false}) {
        std::vector<EdgeRef> refs;
        for (std::size_t s = 0; s < n; ++s)
            for (Side side : allSides)
                if (horizontal(side) == isHorizontal)
                    refs.push_back({s, side, edgeOf(slabs[s], side)});
        // Lines from the top down (horizontal) or from the left (vertical), then along.
        std::sort(refs.begin(), refs.end(), [&](const EdgeRef& l, const EdgeRef& r) {
            if (l.edge.line != r.edge.line)
                return isHorizontal ? l.edge.line > r.edge.line : l.edge.line < r.edge.line;
            return l.edge.from < r.edge.from;
        });
        std::size_t lineStart = 0;
        while (lineStart < refs.size()) {
            std::size_t lineEnd = lineStart + 1;
            while (lineEnd < refs.size() &&
                   std::fabs(refs[lineEnd].edge.line - refs[lineStart].edge.line) <= t)
                ++lineEnd;
            std::vector<EdgeRef> line(refs.begin() + static_cast<std::ptrdiff_t>(lineStart),
                                      refs.begin() + static_cast<std::ptrdiff_t>(lineEnd));
            std::sort(line.begin(), line.end(),
                      [](const EdgeRef& l, const EdgeRef& r) { return l.edge.from < r.edge.from; });
            const double at = line.front().edge.line;
            std::vector<std::vector<EdgeRef>> runs;
            double runEnd = -1e300;
            for (const EdgeRef& ref : line) {
                if (runs.empty() || ref.edge.from > runEnd + t) {
                    runs.emplace_back();
                    runEnd = ref.edge.to;
                }
                runs.back().push_back(ref);
                runEnd = std::max(runEnd, ref.edge.to);
            }
            std::vector<Beam> lineBeams;
            for (const std::vector<EdgeRef>& run : runs) {
                std::vector<double> cuts;
                for (const EdgeRef& ref : run) {
                    cuts.push_back(ref.edge.from);
                    cuts.push_back(ref.edge.to);
                }
                std::sort(cuts.begin(), cuts.end());
                std::vector<double> points;
                for (double c : cuts)
                    if (points.empty() || c - points.back() > t)
                        points.push_back(c);
                Beam beam;
                const Side side = isHorizontal ? Side::bottom : Side::left;
                beam.from = pointOn(side, at, points.front());
                beam.to = pointOn(side, at, points.back());
                for (std::size_t i = 0; i + 1 < points.size(); ++i) {
                    BeamSegment segment;
                    segment.from = pointOn(side, at, points[i]);
                    segment.to = pointOn(side, at, points[i + 1]);
                    for (const EdgeRef& ref : run) {
                        if (ref.edge.from <= points[i] + t && ref.edge.to >= points[i + 1] - t) {
                            segment.slabs.push_back(ref.slab);
                            segment.load += out.slabs[ref.slab].reactions[index(ref.side)];
                        }
                    }
                    std::sort(segment.slabs.begin(), segment.slabs.end(),
                              [&](std::size_t l, std::size_t r) {
                                  return slabs[l].name < slabs[r].name;
                              });
                    beam.segments.push_back(std::move(segment));
                }
                lineBeams.push_back(std::move(beam));
            }
            // Vertical runs on one line are named from the top down.
            if (!isHorizontal)
                std::reverse(lineBeams.begin(), lineBeams.end());
            for (Beam& beam : lineBeams) {
                beam.name = "V" + std::to_string(out.beams.size() + 1);
                out.beams.push_back(std::move(beam));
            }
            lineStart = lineEnd;
        }
    }

    out.outcome = FloorOutcome::Ready;
    for (const FloorSlabResult& r : out.slabs)
        if (r.outcome != FloorOutcome::Ready)
            out.outcome = FloorOutcome::Rejected;
    for (const FloorStretch& stretch : out.edges)
        if (stretch.outcome != FloorOutcome::Ready)
            out.outcome = FloorOutcome::Rejected;
    return out;
}

} // namespace lajes
