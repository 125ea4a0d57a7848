#pragma once

// Workplace settings: drawing layer colours and scale, wall width, cover and creep
// coefficient, kept in Quenvor.cfg in the working directory.

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

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

// The three numbers of the settings.
enum class SettingNumber { wallWidth, cover, phiInfinity };

// The largest value of each: a wall of 2 m (wallWidth, m), a cover of 20 cm (cover, cm), a
// creep coefficient of 10 (phiInfinity; NBR 6118 tabulates values up to about 4).
constexpr double largestSetting(SettingNumber which) {
    switch (which) {
    case SettingNumber::wallWidth:
        return 2.0;
    case SettingNumber::cover:
        return 20.0;
    case SettingNumber::phiInfinity:
        break;
    }
    return 10.0;
}

// The one acceptance rule for the wall width, the cover and phi infinity, wherever they come
// from (the settings dialog, Quenvor.cfg, lajes-cli's "settings"): a finite number greater
// than zero and not above largestSetting. The dialog refuses zero and cannot take a minus
// sign; a negative cover would make d larger than h and a negative phi infinity a final
// deflection below the immediate one.
inline bool isAcceptedSettingNumber(SettingNumber which, double value) {
    return std::isfinite(value) && value > 0.0 && value <= largestSetting(which);
}

// The one acceptance rule for a layer colour (the settings dialog, Quenvor.cfg, lajes-cli's
// "settings"): the DXF colour number 1 to 255 in digits only ("007" is 7); 0 and 256 are
// not colours of a layer.
inline bool isAcceptedColour(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const std::size_t first = std::min(text.find_first_not_of('0'), text.size());
    const std::string_view digits = text.substr(first);
    if (digits.empty() || digits.size() > 3)
        return false;
    int value = 0;
    for (const char digit : digits)
        value = value * 10 + (digit - '0');
    return value >= 1 && value <= 255;
}

} // namespace lajes
