#pragma once

// The one slab being designed: what the user typed and the values derived from it before the
// design starts. Units: spans in m, thicknesses and depths in cm, loads in kg/m², fck in MPa,
// fyk in kgf/mm² (numerically kN/cm²). The section is always a strip b = 100 cm wide.

#include <string>

namespace lajes {

struct SlabDesignData {
    // Inputs, in the order the data-entry screen asks for them.
    int SupportCase = 1; // 1..6, see analysis/support_case.h
    bool Ribbed = false; // a ribbed slab is always support case 1
    double fck = 20.0;
    std::string SteelGrade = "CA-50A";
    double Lx = 0.0;
    double Ly = 0.0;
    double h = 0.0;
    double g = 0.0; // kg/m², permanent load as typed, without the self-weight
    double q = 0.0;
    // Ribbed slab geometry, cm, and the blocks' unit weight in kgf/m³.
    double a = 0.0;  // clear spacing between ribs = block width
    double bw = 0.0; // rib width
    double hb = 0.0; // block (rib) height
    double bf = 0.0; // top flange thickness
    double BlockDensity = 0.0;
    double AdjacentSpan = 0.0; // m; larger of the smaller spans of the neighbouring slabs

    // Derived before the design.
    double fyk = 50.0;
    double d = 0.0;           // useful height, cm
    double Lambda = 0.0;      // Ly / Lx (below 1 is possible in cases 2, 4, 5)
    double SmallerSpan = 0.0; // m
    double ownWeight = 0.0;   // kg/m², self-weight of the concrete (and blocks)
    double p = 0.0;           // total load g + own weight + q, kg/m²
};

// The permanent load that the analysis and the design use: typed g plus the self-weight,
// kg/m².
inline double permanentLoad(const SlabDesignData& slab) {
    return slab.g + slab.ownWeight;
}

} // namespace lajes
