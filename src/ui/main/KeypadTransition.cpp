#include "ui/main/KeypadTransition.h"

namespace kalvio {

namespace {

constexpr double H = KeypadLayerHeight;

TLayerMove Depth(TKeypadKind layer, double target) {
    return {layer, laZ, target, DepthMoveMs, false};
}

TLayerMove Slide(TKeypadKind layer, double target) {
    return {layer, laY, target, SlideMoveMs, true};
}

TKeypadTransitionPlan NumericPlan(TTransitionKind kind, bool isFunctionKeypadShown) {
    TKeypadTransitionPlan plan;
    if (kind == tkHide && isFunctionKeypadShown) {
        // Recedes, then slides up behind the function keypad.
        plan.NumericY = H;
        plan.Steps = {{Depth(kkNumeric, PushedBackDepth)}, {Slide(kkNumeric, 0)}};
    } else if (kind == tkHide) {
        plan.FunctionY = -H;
        plan.NumericZ = PushedBackDepth;
        plan.Steps = {{Slide(kkNumeric, -H)}, {Depth(kkNumeric, 0)}};
    } else if (isFunctionKeypadShown) {
        // Slides down from behind the function keypad, then comes forward.
        plan.NumericZ = PushedBackDepth;
        plan.GrowsWindowFirst = true;
        plan.Steps = {{Slide(kkNumeric, H)}, {Depth(kkNumeric, 0)}};
    } else {
        plan.FunctionY = -H;
        plan.NumericY = -H;
        plan.NumericZ = PushedBackDepth;
        plan.GrowsWindowFirst = true;
        plan.Steps = {{Slide(kkNumeric, 0)}, {Depth(kkNumeric, 0)}};
    }
    return plan;
}

TKeypadTransitionPlan FunctionPlan(TTransitionKind kind) {
    TKeypadTransitionPlan plan;
    if (kind == tkHide) {
        // Recedes, then leaves upwards while the numeric keypad takes its place.
        plan.NumericY = H;
        plan.Steps = {{Depth(kkFunction, PushedBackDepth)},
                      {Slide(kkFunction, -H), Slide(kkNumeric, 0)}};
    } else {
        plan.FunctionY = -H;
        plan.FunctionZ = PushedBackDepth;
        plan.GrowsWindowFirst = true;
        plan.Steps = {{Slide(kkNumeric, H), Slide(kkFunction, 0)}, {Depth(kkFunction, 0)}};
    }
    return plan;
}

} // namespace

TKeypadTransitionPlan KeypadTransitionPlan(TKeypadKind keypad, TTransitionKind kind,
                                           bool isFunctionKeypadShown) {
    return keypad == kkNumeric ? NumericPlan(kind, isFunctionKeypadShown) : FunctionPlan(kind);
}

} // namespace kalvio
