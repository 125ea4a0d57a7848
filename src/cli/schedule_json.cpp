#include "cli/schedule_json.h"

#include <cmath>

namespace lajes::cli {

namespace {} // namespace

// Built key by key: nlohmann's initializer lists copy every value, which made the table cost
// as much as the rest of a batch line.
nlohmann::json scheduleJson(const SteelSchedule& schedule) {
    using nlohmann::json;
    json positions = json::array();
    for (const SchedulePosition& p : schedule.positions) {
        json& entry = positions.emplace_back(json::object());
        entry["position"] = p.name;
        entry["direction"] = directionKey(p.direction);
        entry["diameter"] = p.diameter;
        entry["quantity"] = p.quantity;
        // A whole number of centimetres, written as an integer while one holds it exactly.
        if (std::fabs(p.unitLength) < 9.0e15)
            entry["length"] = static_cast<long long>(p.unitLength);
        else
            entry["length"] = p.unitLength;
        entry["totalLength"] = p.totalLength;
        entry["mass"] = p.mass;
    }
    json diameters = json::array();
    for (const ScheduleDiameter& d : schedule.diameters) {
        json& entry = diameters.emplace_back(json::object());
        entry["diameter"] = d.diameter;
        entry["totalLength"] = d.totalLength;
        entry["mass"] = d.mass;
    }
    json result = json::object();
    result["positions"] = std::move(positions);
    result["diameters"] = std::move(diameters);
    result["totalMass"] = schedule.totalMass;
    result["totalMassWithLosses"] = schedule.totalMassWithLosses;
    result["area"] = schedule.area;
    result["concreteVolume"] = schedule.concreteVolume;
    result["steelPerArea"] = schedule.steelPerArea;
    result["steelPerVolume"] = schedule.steelPerVolume;
    return result;
}

std::optional<SteelSchedule> scheduleOf(const DesignRun& run, const Settings& settings) {
    if (run.outcome != DesignOutcome::Ready || !run.invalidChoice.empty())
        return std::nullopt;
    return steelSchedule(run.slab, run.results, settings);
}

void addSchedule(DesignRun& run, const Settings& settings) {
    if (const auto schedule = scheduleOf(run, settings))
        run.result["schedule"] = scheduleJson(*schedule);
}

} // namespace lajes::cli
