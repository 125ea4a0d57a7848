#pragma once

// Names of the rows of the table-driven tests: each row carries its own `name`, written as
// words in CamelCase. GoogleTest accepts letters, digits and underscores; an underscore
// would read as a separator of GoogleTest's own, so a name with one stops the test program
// at registration.

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace lajes::testing_rows {

struct RowName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& info) const {
        std::string name(info.param.name);
        if (name.find('_') != std::string::npos) {
            std::fprintf(stderr, "row name with an underscore: %s\n", name.c_str());
            std::abort();
        }
        return name;
    }
};

} // namespace lajes::testing_rows
