#pragma once

// Workplace settings: drawing layer colours and scale, wall width, cover and creep
// coefficient, kept in Quenvor.cfg in the working directory.

#include <cmath>
#include <string>

namespace lajes {

struct Settings {
    std::string textLayerColour = "4";   // DXF colour number of layer "Texto"
    std::string slabLayerColour = "1";   // layer "Laje"
    std::string posBarLayerColour = "2"; // layer "Ferr-pos"
    std::string negBarLayerColour = "2"; // layer "Ferr-neg"
    std::string drawingScale = "1:50";
    double scaleFactor = 20.0; // drawing units (paper mm) per metre, from drawingScale
    double wallWidth = 0.15;   // m (the user sees cm)
    double cover = 1.0;        // cm
    double phiInfinity = 2.0;  // creep coefficient for the final deflection

    bool operator==(const Settings&) const = default;
};

// The one acceptance rule for the wall width, the cover and phi infinity, wherever they come
// from (the settings dialog, Quenvor.cfg, lajes-cli's "settings"): a finite number greater
// than zero. The dialog refuses zero and cannot take a minus sign; a negative cover would
// make d larger than h and a negative phi infinity a final deflection below the immediate one.
// There is no upper bound.
inline bool isAcceptedSettingNumber(double value) {
    return std::isfinite(value) && value > 0.0;
}

} // namespace lajes
