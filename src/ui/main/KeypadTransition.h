#pragma once

#include <cstdint>
#include <vector>

namespace kalvio {

enum TKeypadKind : std::uint8_t { kkFunction, kkNumeric };
enum TTransitionKind : std::uint8_t { tkHide, tkShow };
enum TLayerAxis : std::uint8_t { laY, laZ };

// One move of a keypad layer: vertical (Y, in design pixels from the top of the keypad area) or
// in depth (Z, 0 in the plane, 10 pushed back).
struct TLayerMove {
    TKeypadKind Layer;
    TLayerAxis Axis;
    double Target;
    int DurationMs;
    bool IsQuadraticEaseIn; // else linear
};

// Where the layers start, and the moves: the moves of one step run together, the steps one
// after the other. A keypad that slides in needs the window grown to its end height first.
struct TKeypadTransitionPlan {
    double FunctionY = 0;
    double FunctionZ = 0;
    double NumericY = 0;
    double NumericZ = 0;
    bool GrowsWindowFirst = false;
    std::vector<std::vector<TLayerMove>> Steps;
};

inline constexpr double KeypadLayerHeight = 165;
inline constexpr double PushedBackDepth = 10;
inline constexpr int DepthMoveMs = 80;
inline constexpr int SlideMoveMs = 400;

// The transition that shows or hides `keypad`, with the function keypad shown or not.
TKeypadTransitionPlan KeypadTransitionPlan(TKeypadKind keypad, TTransitionKind kind,
                                           bool isFunctionKeypadShown);

} // namespace kalvio
