#include "analysis/steel_grades.h"

namespace lajes {

std::optional<double> fykFor(std::string_view steelGrade) {
    for (const SteelGradeRow& row : steelGrades) {
        if (row.name == steelGrade) {
            return row.fyk;
        }
    }
    return std::nullopt;
}

} // namespace lajes
