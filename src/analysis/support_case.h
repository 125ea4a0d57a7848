#pragma once

// The edges of the support-case pictures: the x edges (length Ly) are the left and right
// sides, the y edges (length Lx) the top and bottom; a fixed edge is drawn hatched.

namespace lajes {

struct FixedEdges {
    bool left = false, right = false, top = false, bottom = false;
};

// Case 1 none; 2 left; 3 left and top (meeting at a corner); 4 left and right; 5 left, right
// and top; 6 all four. Any other number: none.
constexpr FixedEdges fixedEdgesOf(int supportCase) {
    switch (supportCase) {
    case 2:
        return {true, false, false, false};
    case 3:
        return {true, false, true, false};
    case 4:
        return {true, true, false, false};
    case 5:
        return {true, true, true, false};
    case 6:
        return {true, true, true, true};
    default:
        return {};
    }
}

} // namespace lajes
