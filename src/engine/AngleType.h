#pragma once

#include <cstdint>

namespace kalvio {

// The angle unit of the trigonometric functions; 400 grads make the circle.
enum TAngleType : std::uint8_t { atDeg, atRad, atGrad };

} // namespace kalvio
