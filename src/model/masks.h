#pragma once
// The six outcome masks: three different outcomes at three consecutive positions.
#include <array>
#include <string>
#include <string_view>

namespace zuvo {

constexpr int kMaskCount = 6;

// Index 0 holds mask 1; outcomes as the characters '1', '0', '2'.
const std::array<std::array<char, 3>, kMaskCount>& maskCatalogue();
std::string maskCaption(int number);  // "1 0 2"
std::string maskCode(int number);     // "102"

// True when positions i, i+1, i+2 (i = 1..11) carry the mask's outcomes in order.
bool columnContainsMask(std::string_view column, int number);

}  // namespace zuvo
