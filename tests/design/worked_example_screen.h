#pragma once

// What the results screen shows for the worked example (support case 1, 4 m x 4 m, h = 10,
// g = 250 + self-weight, q = 200, fck 20, CA-50A) with the decimal comma: the texts the
// window's boxes and the JSON of lajes-cli must both hold.

#include <string_view>
#include <utility>

namespace lajes::testing_slabs {

inline constexpr std::pair<std::string_view, std::string_view> workedExampleBoxes[] = {
    {"MxEdit", "408,33"},
    {"MyEdit", "408,33"},
    {"XxEdit", ""},
    {"XyEdit", ""},
    {"RxaEdit", "700,00"},
    {"RyaEdit", "700,00"},
    {"RxeEdit", ""},
    {"RyeEdit", ""},
    {"AsxpCEdit", "1,62"},
    {"AsypCEdit", "1,62"},
    {"AsxnCEdit", ""},
    {"AsynCEdit", ""},
    {"AsxpEdit", "1,67"},
    {"AsypEdit", "1,67"},
    {"AsxnEdit", ""},
    {"AsynEdit", ""},
    {"MrEdit", "432,24"},
    {"RominEdit", "0,16"},
    {"AsminEdit", "1,36"},
    {"XLnEdit", "1,06"},
    {"AsxpbEdit", "33Ø5.0c12"},
    {"AsypbEdit", "33Ø5.0c12"},
    {"AsxnbEdit", ""},
    {"AsynbEdit", ""},
    {"FiEdit", "0,26"},
    {"FfEdit", "0,66"},
    {"FadmEdit", "1,33"},
    {"Fadm1Edit", "1,33"},
    {"TwdEdit", "115,29"},
    {"TwuEdit", "564,64"},
};

} // namespace lajes::testing_slabs
