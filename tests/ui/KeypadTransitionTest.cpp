#include "ui/main/KeypadTransition.h"

#include <gtest/gtest.h>
#include <string>

namespace kalvio {
namespace {

// A plan as text: start positions, then the steps ("|" between steps, "&" joins moves of one
// step); a move reads LayerAxis→target/ms and "q" for the quadratic ease-in.
std::string Describe(const TKeypadTransitionPlan& plan) {
    std::string text = "F(" + std::to_string(int(plan.FunctionY)) + "," +
                       std::to_string(int(plan.FunctionZ)) + ") N(" +
                       std::to_string(int(plan.NumericY)) + "," +
                       std::to_string(int(plan.NumericZ)) + ")";
    text += plan.GrowsWindowFirst ? " grow" : "";
    for (const auto& step : plan.Steps) {
        text += " |";
        for (std::size_t i = 0; i < step.size(); ++i) {
            const TLayerMove& move = step[i];
            text += std::string(i == 0 ? " " : " & ") + (move.Layer == kkFunction ? "F" : "N") +
                    (move.Axis == laY ? "Y" : "Z") + "→" + std::to_string(int(move.Target)) + "/" +
                    std::to_string(move.DurationMs) + (move.IsQuadraticEaseIn ? "q" : "");
        }
    }
    return text;
}

TEST(KeypadTransitionPlan, MovesTargetsDurationsAndOrderOfEveryCase) {
    struct TCase {
        TKeypadKind Keypad;
        TTransitionKind Kind;
        bool IsFunctionShown;
        std::string Expected;
    };
    const TCase cases[] = {
        {kkNumeric, tkHide, true, "F(0,0) N(165,0) | NZ→10/80 | NY→0/400q"},
        {kkNumeric, tkHide, false, "F(-165,0) N(0,10) | NY→-165/400q | NZ→0/80"},
        {kkNumeric, tkShow, true, "F(0,0) N(0,10) grow | NY→165/400q | NZ→0/80"},
        {kkNumeric, tkShow, false, "F(-165,0) N(-165,10) grow | NY→0/400q | NZ→0/80"},
        {kkFunction, tkHide, true, "F(0,0) N(165,0) | FZ→10/80 | FY→-165/400q & NY→0/400q"},
        {kkFunction, tkShow, false, "F(-165,10) N(0,0) grow | NY→165/400q & FY→0/400q | FZ→0/80"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Describe(KeypadTransitionPlan(c.Keypad, c.Kind, c.IsFunctionShown)), c.Expected);
    }
}

} // namespace
} // namespace kalvio
