// Any text as the command-line tool's slab object: parse, design, verify against
// NBR 6118:2014 and describe it.
#include <cstdint>
#include <string_view>
#include <variant>

#include "cli/slab_result.h"
#include "slabfile/slab_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto request = lajes::parseSlabRequestText(text, lajes::Settings{});
    if (const auto* parsed = std::get_if<lajes::SlabRequest>(&request)) {
        lajes::cli::DesignRun run = lajes::cli::runDesign(*parsed, ',');
        lajes::cli::addNbr6118Verification(run, *parsed);
        (void)lajes::cli::withNbr6118Verification(run.result.dump(), run);
    }
    return 0;
}
