#include "analysis/predimensioning.h"

#include "analysis/messages.h"
#include "analysis/steel_grades.h"
#include "analysis/support_case.h"

namespace lajes {

namespace {

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

void deriveSpans(SlabDesignData& slab) {
    slab.Lambda = slab.Ly / slab.Lx;
    slab.SmallerSpan = slab.Lx < slab.Ly ? slab.Lx : slab.Ly;
}

PreDimensioning preDimension(SlabDesignData& slab) {
    PreDimensioning result;
    deriveSpans(slab);

    // Both ends of the band 0.5 <= λ <= 2 count as two-way.
    const bool oneWay = slab.Lambda < 0.5 || slab.Lambda > 2.0;
    const bool lxNotShorter = slab.Lx >= slab.Ly;

    const SteelFactors steel = steelFactors(slab.SteelGrade);
    result.eta = steel.eta;
    result.psi3 = steel.psi3;

    // REBA α and NBR 6118 ψ2 by support case. In cases 2, 4 and 5 the x and y directions are
    // held differently, so the factor depends on which of them is the smaller span (Ly when
    // the spans are equal).
    if (const std::optional<SupportCaseEntry> support = supportCaseEntry(slab.SupportCase)) {
        const SmallerSpanFactors smaller =
            smallerSpanFactors(lxNotShorter ? support->y : support->x);
        result.alpha = oneWay ? smaller.alphaOneWay : smaller.alphaTwoWay;
        if (oneWay) {
            result.psi2 = smaller.psi2OneWay;
        } else {
            // Straight line between r = 1 and r = 2, r being the larger span over the smaller.
            const double r = slab.Lx > slab.Ly ? slab.Lx / slab.Ly : slab.Ly / slab.Lx;
            const double atR1 = support->psi2TwoWayAtR1;
            const double atR2 = lxNotShorter ? support->psi2TwoWayAtR2LxNotShorter
                                             : support->psi2TwoWayAtR2LxShorter;
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
    if (shorterSpanMustBeLx(supportCase) && *Ly < *Lx) {
        return SpanCheckFailure{std::string(messages::LxLongerThanLy), true};
    }
    return std::nullopt;
}

} // namespace lajes
