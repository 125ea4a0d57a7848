// Any bytes as Quenvor.cfg: the reader must not crash, and what it returns must be usable.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const lajes::SettingsLoad load =
        lajes::settingsFromText(std::string(reinterpret_cast<const char*>(data), size));
    const lajes::Settings& s = load.settings;
    // The factor always belongs to the scale, and no colour is empty or holds a non-digit.
    if (lajes::scaleFactorFor(s.drawingScale).factor != s.scaleFactor ||
        lajes::scaleFactorFor(s.drawingScale).scale != s.drawingScale)
        std::abort();
    for (const std::string* colour :
         {&s.textLayerColour, &s.slabLayerColour, &s.posBarLayerColour, &s.negBarLayerColour})
        if (colour->empty() || colour->find_first_not_of("0123456789") != std::string::npos)
            std::abort();
    return 0;
}
