#pragma once
// Whole-number conversion of user and file text: leading blanks and a sign are allowed, anything
// else (a trailing blank, a gap between digits, a value beyond 32 bits) fails.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zuvo {

std::optional<int32_t> parseInteger(std::string_view text);
// "'<text>' is not a valid integer value"
std::string invalidIntegerMessage(std::string_view text);
// The text with leading and trailing blanks removed.
std::string trimBlanks(std::string_view text);

}  // namespace zuvo
