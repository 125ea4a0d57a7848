#include "design/steel_schedule.h"

#include <array>
#include <string>

#include "analysis/support_case.h"
#include "design/bar_lengths.h"
#include "design/bars.h"
#include "text/number_text.h"

namespace lajes {

namespace {

// NBR 7480, nominal mass of the bar table's diameters, kg/m (in the table's order).
constexpr std::array<double, barTable.size()> linearMasses{0.154, 0.245, 0.395, 0.617, 0.963,
                                                           1.578, 2.466, 3.853, 6.313, 9.865};

// Quantity, diameter (mm) and unit length (m) of one direction.
struct DirectionBars {
    long long quantity = 0;
    double diameter = 0.0;
    double length = 0.0;
};

DirectionBars barsOf(BarDirection direction, const SlabDesignData& slab, const SlabResults& results,
                     const BarLengths& lengths) {
    const BarChoice& bar = results.bar(direction);
    const bool x = direction == BarDirection::xp || direction == BarDirection::xn;
    const double bottomLength = x ? lengths.Lbx : lengths.Lby;
    const bool top = direction == BarDirection::xn || direction == BarDirection::yn;
    if (slab.Ribbed) {
        const long long ribs = x ? results.ribsX : results.ribsY;
        if (top) // one 5.0 mm bar per rib and one more, straight across the slab
            return {ribs + 1, 5.0, bottomLength};
        const long long perRib = x ? results.barsPerRibX : results.barsPerRibY;
        return {ribs * perRib, bar.diameter, bottomLength};
    }
    if (top)
        return {static_cast<long long>(bar.count) *
                    fixedEdges(slab.SupportCase, x ? Axis::x : Axis::y),
                bar.diameter, lengths.Ln};
    return {bar.count, bar.diameter, bottomLength};
}

std::string two(double value, char separator) {
    return formatFixed(value, 2, separator);
}

std::string diameterText(double diameter, char separator) {
    return formatFixed(diameter, 1, separator);
}

} // namespace

double nominalLinearMass(double diameter) {
    for (std::size_t i = 0; i < barTable.size(); ++i)
        if (barTable[i].diameter == diameter)
            return linearMasses[i];
    return 0.0;
}

const SchedulePosition* SteelSchedule::position(BarDirection direction) const {
    for (const SchedulePosition& position : positions)
        if (position.direction == direction)
            return &position;
    return nullptr;
}

std::optional<std::vector<SchedulePosition>> schedulePositions(const SlabDesignData& slab,
                                                               const SlabResults& results,
                                                               const Settings& settings) {
    const BarLengths lengths = barLengths(slab, settings);
    SteelSchedule schedule;
    for (BarDirection direction : allBarDirections) {
        if (results.bar(direction).text.empty())
            continue;
        const DirectionBars bars = barsOf(direction, slab, results, lengths);
        // Checked first: the no-bar failure leaves a count of 0 and stops the design there.
        const double linearMass = nominalLinearMass(bars.diameter);
        if (linearMass == 0.0)
            return std::nullopt;
        if (bars.quantity <= 0)
            continue;
        SchedulePosition position;
        position.name = "N" + std::to_string(schedule.positions.size() + 1);
        position.direction = direction;
        position.diameter = bars.diameter;
        position.quantity = bars.quantity;
        position.unitLength = wholeCentimetres(bars.length);
        position.totalLength = static_cast<double>(bars.quantity) * position.unitLength / 100;
        position.mass = position.totalLength * linearMass;
        schedule.positions.push_back(position);
    }
    return schedule.positions;
}

void summariseSchedule(SteelSchedule& schedule) {
    for (const BarTableRow& row : barTable) {
        ScheduleDiameter sum;
        sum.diameter = row.diameter;
        bool used = false;
        for (const SchedulePosition& position : schedule.positions) {
            if (position.diameter != row.diameter)
                continue;
            used = true;
            sum.totalLength += position.totalLength;
            sum.mass += position.mass;
        }
        if (used) {
            schedule.diameters.push_back(sum);
            schedule.totalMass += sum.mass;
        }
    }
    schedule.totalMassWithLosses = schedule.totalMass * lossAllowance;
}

std::optional<SteelSchedule> steelSchedule(const SlabDesignData& slab, const SlabResults& results,
                                           const Settings& settings) {
    auto positions = schedulePositions(slab, results, settings);
    if (!positions)
        return std::nullopt;
    SteelSchedule schedule;
    schedule.positions = std::move(*positions);
    summariseSchedule(schedule);
    schedule.area = slab.Lx * slab.Ly;
    // A ribbed slab is a solid plate of thickness h less the voids of the blocks, hb deep and
    // a wide in every module a + bw of both directions.
    const double voids = slab.Ribbed && slab.a + slab.bw > 0.0
                             ? slab.a * slab.a * slab.hb / ((slab.a + slab.bw) * (slab.a + slab.bw))
                             : 0.0;
    schedule.concreteVolume = slab.Lx * slab.Ly * (slab.h - voids) / 100;
    schedule.steelPerArea = schedule.area > 0.0 ? schedule.totalMass / schedule.area : 0.0;
    schedule.steelPerVolume =
        schedule.concreteVolume > 0.0 ? schedule.totalMass / schedule.concreteVolume : 0.0;
    return schedule;
}

ScheduleTexts scheduleTexts(const SteelSchedule& schedule, char decimalSeparator) {
    const char sep = decimalSeparator;
    ScheduleTexts texts;
    texts.positionHeader = {"Posição",           "Ø (mm)",           "Quant.",
                            "Compr. unit. (cm)", "Compr. total (m)", "Massa (kg)"};
    for (const SchedulePosition& p : schedule.positions)
        texts.positionRows.push_back({p.name, diameterText(p.diameter, sep),
                                      std::to_string(p.quantity), formatFixed(p.unitLength, 0, sep),
                                      two(p.totalLength, sep), two(p.mass, sep)});
    texts.diameterHeader = {"Ø (mm)", "Compr. total (m)", "Massa (kg)"};
    for (const ScheduleDiameter& d : schedule.diameters)
        texts.diameterRows.push_back(
            {diameterText(d.diameter, sep), two(d.totalLength, sep), two(d.mass, sep)});
    texts.totals = {
        {"Massa total", two(schedule.totalMass, sep), "kg"},
        {"Total + 10% (perdas)", two(schedule.totalMassWithLosses, sep), "kg"},
        {"Área da laje", two(schedule.area, sep), "m²"},
        {"Volume de concreto", two(schedule.concreteVolume, sep), "m³"},
        {"Taxa de aço por área", two(schedule.steelPerArea, sep), "kg/m²"},
        {"Taxa de aço por volume", two(schedule.steelPerVolume, sep), "kg/m³"},
    };
    return texts;
}

std::string scheduleDelimitedText(const SteelSchedule& schedule, char decimalSeparator,
                                  char fieldSeparator, std::string_view lineEnd) {
    const ScheduleTexts texts = scheduleTexts(schedule, decimalSeparator);
    std::string out;
    const auto line = [&](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += fieldSeparator;
            out += fields[i];
        }
        out += lineEnd;
    };
    line(texts.positionHeader);
    for (const auto& row : texts.positionRows)
        line(row);
    out += lineEnd;
    line({std::string(diameterSummaryTitle)});
    line(texts.diameterHeader);
    for (const auto& row : texts.diameterRows)
        line(row);
    out += lineEnd;
    for (const ScheduleTotal& total : texts.totals)
        line({total.caption, total.value, total.unit});
    return out;
}

std::string scheduleCsv(const SteelSchedule& schedule, char decimalSeparator) {
    return "\xEF\xBB\xBF" + scheduleDelimitedText(schedule, decimalSeparator, ';', "\r\n");
}

} // namespace lajes
