#include "analysis/predimensioning.h"

#include "analysis/messages.h"
#include "analysis/steel_grades.h"

namespace lajes {

namespace {

// A factor that depends on which span is the longer: `ge` when Lx >= Ly, `lt` when Lx < Ly.
struct ByOrientation {
    double ge;
    double lt;
    double pick(bool lxNotShorter) const { return lxNotShorter ? ge : lt; }
};

struct SupportFactors {
    ByOrientation alphaOneWay;
    ByOrientation alphaTwoWay;
    ByOrientation psi2OneWay;
    double psi2TwoWayAtR1;
    ByOrientation psi2TwoWayAtR2;
};

// REBA α and NBR 6118 ψ2 by support case. In cases 2, 4 and 5 the x and y directions are held
// differently, so the factor depends on which of them is the smaller span.
const SupportFactors* supportFactors(int supportCase) {
    static constexpr SupportFactors rows[6] = {
        {{1.0, 1.0}, {0.7, 0.7}, {1.0, 1.0}, 1.5, {1.1, 1.1}},
        {{1.0, 0.8}, {0.7, 0.6}, {1.0, 1.2}, 1.7, {1.1, 1.4}},
        {{0.8, 0.8}, {0.6, 0.6}, {1.2, 1.2}, 1.8, {1.4, 1.4}},
        {{1.0, 0.6}, {0.7, 0.5}, {1.0, 1.7}, 1.9, {1.2, 1.7}},
        {{0.8, 0.6}, {0.6, 0.5}, {1.2, 1.7}, 2.0, {1.4, 1.7}},
        {{0.6, 0.6}, {0.5, 0.5}, {1.7, 1.7}, 2.2, {1.7, 1.7}},
    };
    if (supportCase < 1 || supportCase > 6) {
        return nullptr;
    }
    return &rows[supportCase - 1];
}

struct SteelFactors {
    double eta;  // REBA
    double psi3; // NBR 6118
};

SteelFactors steelFactors(std::string_view steelGrade) {
    const std::optional<double> fyk = fykFor(steelGrade);
    if (!fyk) {
        return {0.0, 0.0};
    }
    if (*fyk == 25.0) {
        return {1.0, 35.0};
    }
    if (*fyk == 40.0) {
        return {1.0, 30.0};
    }
    if (*fyk == 50.0) {
        return {0.8, 25.0};
    }
    return {0.6, 20.0};
}

} // namespace

PreDimensioning preDimension(SlabDesignData& slab) {
    PreDimensioning result;
    slab.Lambda = slab.Ly / slab.Lx;
    slab.SmallerSpan = slab.Lx < slab.Ly ? slab.Lx : slab.Ly;

    // Both ends of the band 0.5 <= λ <= 2 count as two-way.
    const bool oneWay = slab.Lambda < 0.5 || slab.Lambda > 2.0;
    const bool lxNotShorter = slab.Lx >= slab.Ly;

    const SteelFactors steel = steelFactors(slab.SteelGrade);
    result.eta = steel.eta;
    result.psi3 = steel.psi3;

    const SupportFactors* support = supportFactors(slab.SupportCase);
    if (support != nullptr) {
        result.alpha = oneWay ? support->alphaOneWay.pick(lxNotShorter)
                              : support->alphaTwoWay.pick(lxNotShorter);
        if (oneWay) {
            result.psi2 = support->psi2OneWay.pick(lxNotShorter);
        } else {
            // Straight line between r = 1 and r = 2, r being the larger span over the smaller.
            const double r = slab.Lx > slab.Ly ? slab.Lx / slab.Ly : slab.Ly / slab.Lx;
            const double atR1 = support->psi2TwoWayAtR1;
            const double atR2 = support->psi2TwoWayAtR2.pick(lxNotShorter);
            result.psi2 = atR1 + (atR2 - atR1) * (r - 1.0);
        }
    }

    // A grade or a case outside the tables has no factors and so no suggestion.
    const double smallerSpanCm = slab.SmallerSpan * 100.0;
    if (result.eta != 0.0) {
        result.hREBA = smallerSpanCm * result.alpha / (30.0 * result.eta);
    }
    if (result.psi2 != 0.0 && result.psi3 != 0.0) {
        result.dNBR = smallerSpanCm / (result.psi2 * result.psi3);
    }
    return result;
}

std::optional<SpanCheckFailure> checkSpans(std::optional<double> Lx, std::optional<double> Ly,
                                           int supportCase) {
    if (!Lx || *Lx <= 0.0) {
        return SpanCheckFailure{std::string(messages::LxNotPositive), true};
    }
    if (!Ly || *Ly <= 0.0) {
        return SpanCheckFailure{std::string(messages::LyNotPositive), false};
    }
    const bool shorterSpanMustBeLx = supportCase == 1 || supportCase == 3 || supportCase == 6;
    if (shorterSpanMustBeLx && *Ly < *Lx) {
        return SpanCheckFailure{std::string(messages::LxLongerThanLy), true};
    }
    return std::nullopt;
}

} // namespace lajes
