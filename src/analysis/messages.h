#pragma once

// The texts of the checks shared by the pre-dimensioning and calculate actions. A
// two-line message holds "\n" between its lines; the screen shows the text as it is.

#include <string_view>

namespace lajes::messages {

inline constexpr std::string_view LxNotPositive = "Valor do Lx\ndeve ser maior que zero!";
inline constexpr std::string_view LyNotPositive = "Valor do Ly\ndeve ser maior que zero!";
inline constexpr std::string_view LxLongerThanLy = "Valor de Lx deve ser menor que Ly!";

// The span-moment checks of the calculate action (the floor makes them on its corrected moments).
inline constexpr std::string_view MxAboveMkMax = "Momento Mx é maior que Mkmáx !";
inline constexpr std::string_view MyAboveMkMax = "Momento My é maior que Mkmáx !";

} // namespace lajes::messages
