#include "model/masks.h"

namespace zuvo {

const std::array<std::array<char, 3>, kMaskCount>& maskCatalogue() {
    static const std::array<std::array<char, 3>, kMaskCount> catalogue{{
        {'1', '0', '2'},
        {'1', '2', '0'},
        {'0', '1', '2'},
        {'0', '2', '1'},
        {'2', '1', '0'},
        {'2', '0', '1'},
    }};
    return catalogue;
}

std::string maskCaption(int number) {
    if (number < 1 || number > kMaskCount) return {};
    const auto& m = maskCatalogue()[number - 1];
    return std::string{m[0], ' ', m[1], ' ', m[2]};
}

std::string maskCode(int number) {
    if (number < 1 || number > kMaskCount) return {};
    const auto& m = maskCatalogue()[number - 1];
    return std::string{m[0], m[1], m[2]};
}

bool columnContainsMask(std::string_view column, int number) {
    if (number < 1 || number > kMaskCount) return false;
    const auto& m = maskCatalogue()[number - 1];
    // Start positions 1..11 of a full column; a short text is scanned only as far as it goes.
    for (size_t i = 0; i + 2 < column.size() && i < 11; ++i) {
        if (column[i] == m[0] && column[i + 1] == m[1] && column[i + 2] == m[2]) return true;
    }
    return false;
}

}  // namespace zuvo
