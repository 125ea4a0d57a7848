// Any bytes as Quenvor.cfg: the reader must not crash, and what it returns must be usable.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "config/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const lajes::SettingsLoad load =
        lajes::settingsFromText(std::string(reinterpret_cast<const char*>(data), size));
    const lajes::Settings& s = load.settings;
    // The factor always belongs to the scale, every colour is one of 1 to 255, and every number
    // is in its range.
    if (lajes::scaleFactorFor(s.drawingScale).factor != s.scaleFactor ||
        lajes::scaleFactorFor(s.drawingScale).scale != s.drawingScale)
        std::abort();
    for (const std::string* colour :
         {&s.textLayerColour, &s.slabLayerColour, &s.posBarLayerColour, &s.negBarLayerColour})
        if (!lajes::isAcceptedColour(*colour))
            std::abort();
    for (const auto& [which, value] : {std::pair{lajes::SettingNumber::wallWidth, s.wallWidth},
                                       std::pair{lajes::SettingNumber::cover, s.cover},
                                       std::pair{lajes::SettingNumber::phiInfinity, s.phiInfinity}})
        if (!lajes::isAcceptedSettingNumber(which, value))
            std::abort();
    return 0;
}
