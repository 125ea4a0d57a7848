#include "cli/floor_json.h"

#include "floor/floor_verification.h"
#include "verification/nbr6118_2014.h"

namespace lajes::cli {

namespace {

using nlohmann::ordered_json;

const char* outcomeKey(FloorOutcome outcome) {
    switch (outcome) {
    case FloorOutcome::Ready:
        return "Ready";
    case FloorOutcome::NoBar:
        return "NoBar";
    case FloorOutcome::Rejected:
        break;
    }
    return "Rejected";
}

ordered_json point(const PlanPoint& p) {
    return ordered_json::array({p.x + 0.0, p.y + 0.0});
}

ordered_json perSide(const std::array<double, 4>& values) {
    ordered_json sides = ordered_json::object();
    for (Side side : allSides)
        sides[sideKey(side)] = values[static_cast<std::size_t>(side)] + 0.0;
    return sides;
}

// The verification of a rotated slab runs on the analysis's frame: its directions are named
// back in the plan's (xp <-> yp, the deflection's x <-> y).
nlohmann::json inPlanFrame(nlohmann::json verification, bool rotated) {
    if (!rotated || !verification.contains("checks"))
        return verification;
    for (auto& check : verification["checks"]) {
        std::string id = check.value("id", std::string());
        if (id.ends_with(".xp"))
            id.replace(id.size() - 2, 2, "yp");
        else if (id.ends_with(".yp"))
            id.replace(id.size() - 2, 2, "xp");
        check["id"] = id;
        if (check.contains("details") && check["details"].contains("direction")) {
            auto& direction = check["details"]["direction"];
            if (direction == "x")
                direction = "y";
            else if (direction == "y")
                direction = "x";
        }
    }
    return verification;
}

ordered_json slabJson(const FloorSlabResult& r, const Settings& settings, bool nbr2014) {
    ordered_json slab;
    slab["name"] = r.name;
    slab["case"] = r.SupportCase;
    slab["rotated"] = r.rotated;
    ordered_json edges = ordered_json::object();
    for (Side side : allSides)
        edges[sideKey(side)] = r.fixed[static_cast<std::size_t>(side)] ? "engastado" : "apoiado";
    slab["edges"] = std::move(edges);
    const bool analysed = r.d > 0.0;
    if (analysed) {
        slab["lambda"] = r.lambda;
        slab["p"] = r.p;
        slab["d"] = r.d;
        slab["own"] = {{"Mx", r.ownMx}, {"My", r.ownMy}, {"X", perSide(r.ownX)}};
        slab["Mx"] = r.Mx;
        slab["My"] = r.My;
    }
    slab["outcome"] = outcomeKey(r.outcome);
    if (!r.message.empty())
        slab["message"] = r.message;
    if (!analysed)
        return slab;
    const bool designed = r.outcome != FloorOutcome::Rejected;
    if (designed) {
        slab["AsxP"] = r.AsxP;
        slab["AsyP"] = r.AsyP;
        slab["bars"] = {{"xp", r.barX.text}, {"yp", r.barY.text}};
    }
    slab["reactions"] = perSide(r.reactions);
    if (r.outcome == FloorOutcome::Ready) {
        slab["deflection"] = {{"immediate", r.immediateDeflection},
                              {"final", r.finalDeflection},
                              {"admissible", r.admissibleDeflection}};
        slab["shear"] = {{"tauD", r.tauD}, {"tauU", r.tauU}};
        if (nbr2014)
            slab["nbr6118_2014"] = inPlanFrame(
                verificationJson(verifyNbr6118(r.slab, r.results, settings, Nbr6118Parameters{})),
                r.rotated);
    }
    return slab;
}

// The checks of a stretch's top steel, as the core verifies them.
ordered_json stretchChecks(const FloorResults& results, const FloorStretch& stretch,
                           const Settings& settings) {
    const nlohmann::json all = verificationJson(verifyStretch(results, stretch, settings));
    ordered_json checks = ordered_json::array();
    for (const auto& check : all.value("checks", nlohmann::json::array()))
        checks.push_back(ordered_json::parse(check.dump()));
    return checks;
}

} // namespace

ordered_json floorJson(const Floor& floor, const FloorResults& results, const Settings& settings,
                       bool nbr2014) {
    ordered_json out;
    out["outcome"] = outcomeKey(results.outcome == FloorOutcome::Ready ? FloorOutcome::Ready
                                                                       : FloorOutcome::Rejected);
    out["compatibility"] = floor.compatibility == Compatibility::Maior ? "maior" : "media";
    ordered_json slabs = ordered_json::array();
    for (const FloorSlabResult& r : results.slabs)
        slabs.push_back(slabJson(r, settings, nbr2014));
    out["slabs"] = std::move(slabs);

    ordered_json edges = ordered_json::array();
    for (const FloorStretch& stretch : results.edges) {
        ordered_json edge;
        ordered_json names = ordered_json::array();
        ordered_json own = ordered_json::object();
        for (std::size_t i = 0; i < stretch.slabs.size(); ++i) {
            names.push_back(floor.slabs[stretch.slabs[i]].name);
            own[floor.slabs[stretch.slabs[i]].name] = stretch.ownX[i] + 0.0;
        }
        edge["slabs"] = std::move(names);
        edge["from"] = point(stretch.from);
        edge["to"] = point(stretch.to);
        edge["X"] = std::move(own);
        edge["Xc"] = stretch.Xc + 0.0;
        edge["d"] = stretch.d;
        edge["outcome"] = outcomeKey(stretch.outcome);
        if (!stretch.message.empty())
            edge["message"] = stretch.message;
        if (stretch.outcome != FloorOutcome::Rejected) {
            edge["As"] = stretch.As;
            edge["bars"] = stretch.bar.text;
        }
        if (nbr2014 && stretch.outcome == FloorOutcome::Ready)
            edge["nbr6118_2014"] = stretchChecks(results, stretch, settings);
        edges.push_back(std::move(edge));
    }
    out["edges"] = std::move(edges);

    ordered_json beams = ordered_json::array();
    for (const Beam& beam : results.beams) {
        ordered_json segments = ordered_json::array();
        for (const BeamSegment& segment : beam.segments) {
            ordered_json names = ordered_json::array();
            for (std::size_t s : segment.slabs)
                names.push_back(floor.slabs[s].name);
            segments.push_back({{"from", point(segment.from)},
                                {"to", point(segment.to)},
                                {"slabs", std::move(names)},
                                {"load", segment.load}});
        }
        beams.push_back({{"name", beam.name},
                         {"from", point(beam.from)},
                         {"to", point(beam.to)},
                         {"segments", std::move(segments)}});
    }
    out["beams"] = std::move(beams);
    return out;
}

} // namespace lajes::cli
