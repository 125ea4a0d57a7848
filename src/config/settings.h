#pragma once

// Workplace settings: drawing layer colours and scale, wall width, cover and creep
// coefficient, kept in Quenvor.cfg in the working directory.

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
};

} // namespace lajes
