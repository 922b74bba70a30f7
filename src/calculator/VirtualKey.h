#pragma once

#include <cstdint>

namespace kalvio {

// Key codes of the keys without a character that the field and the window handle.
enum TVirtualKey : std::uint16_t {
    vkBack = 8,
    vkReturn = 13,
    vkEscape = 27,
    vkEnd = 35,
    vkHome = 36,
    vkLeft = 37,
    vkUp = 38,
    vkRight = 39,
    vkDown = 40,
    vkDelete = 46,
};

} // namespace kalvio
