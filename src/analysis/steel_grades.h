#pragma once

// The seven reinforcing-steel grades. The class is the letter ending the name ("CA-25"
// counts as class A); class B steels (cold-worked) have the larger yield strain.

#include <array>
#include <optional>
#include <string_view>

namespace lajes {

struct SteelGradeRow {
    std::string_view name;
    double fyk;      // kgf/mm²
    char steelClass; // 'A' or 'B'
};

inline constexpr std::array<SteelGradeRow, 7> steelGrades{{
    {"CA-25", 25, 'A'},
    {"CA-40A", 40, 'A'},
    {"CA-40B", 40, 'B'},
    {"CA-50A", 50, 'A'},
    {"CA-50B", 50, 'B'},
    {"CA-60A", 60, 'A'},
    {"CA-60B", 60, 'B'},
}};

// fyk of a grade name, or nothing for a name outside the table (the caller then leaves fyk
// as it was).
std::optional<double> fykFor(std::string_view steelGrade);

} // namespace lajes
