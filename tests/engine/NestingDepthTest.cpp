#include "engine/EvaluationSupport.h"

#include <gtest/gtest.h>
#include <optional>
#include <pthread.h>
#include <string>

namespace kalvio {
namespace {

using testing::Evaluate;

constexpr std::size_t kStackSize = 1024 * 1024;

struct TOutcome {
    std::optional<double> Value;
    std::optional<TExpressionErrorNumber> Error;
};

// Evaluates on a thread whose stack is only 1 MiB, so that unchecked recursion would crash.
TOutcome EvaluateOnSmallStack(const TExpressionKeyList& keys) {
    struct TJob {
        const TExpressionKeyList* Keys;
        TOutcome Outcome;
    } job{&keys, {}};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, kStackSize);
    pthread_t thread;
    const int created = pthread_create(
        &thread, &attributes,
        [](void* argument) -> void* {
            auto& job = *static_cast<TJob*>(argument);
            try {
                job.Outcome.Value = Evaluate(*job.Keys);
            } catch (const EExpressionError& error) {
                job.Outcome.Error = error.ErrorNumber();
            }
            return nullptr;
        },
        &job);
    pthread_attr_destroy(&attributes);
    EXPECT_EQ(created, 0);
    if (created == 0) {
        pthread_join(thread, nullptr);
    }
    return job.Outcome;
}

TExpressionKeyList Repeat(std::initializer_list<TExpressionKey> unit, int count,
                          std::initializer_list<TExpressionKey> tail) {
    TExpressionKeyList keys;
    for (int i = 0; i < count; ++i) {
        keys.insert(keys.end(), unit);
    }
    keys.insert(keys.end(), tail);
    return keys;
}

TExpressionKeyList Enclose(TExpressionKeyList keys, int closing) {
    keys.insert(keys.end(), static_cast<std::size_t>(closing), ekRParen);
    return keys;
}

struct TDepthCase {
    const char* Name;
    TExpressionKeyList Keys;
    double Value; // the result when the evaluator accepts the depth
};

void PrintTo(const TDepthCase& depthCase, std::ostream* out) {
    *out << depthCase.Name;
}

class DeepNesting : public ::testing::TestWithParam<TDepthCase> {};

// 1024 levels: a correct value or a syntax error, never a stack overflow.
TEST_P(DeepNesting, GivesValueOrSyntaxError) {
    const TOutcome outcome = EvaluateOnSmallStack(GetParam().Keys);
    if (outcome.Value) {
        EXPECT_EQ(*outcome.Value, GetParam().Value);
    } else {
        ASSERT_TRUE(outcome.Error);
        EXPECT_EQ(*outcome.Error, enSyntaxError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Levels1024, DeepNesting,
    ::testing::Values(
        TDepthCase{"Parentheses", Repeat({ekLParen}, 1024, {ek1}), 1},
        TDepthCase{"ClosedParentheses", Enclose(Repeat({ekLParen}, 1024, {ek2}), 1024), 2},
        TDepthCase{"SquareRoots", Repeat({ekSqrt}, 1024, {ek1}), 1},
        TDepthCase{"UnaryMinus", Repeat({ekSub}, 1024, {ek1}), 1},
        TDepthCase{"UnaryMinusBeforeParentheses", Repeat({ekSub, ekLParen}, 1024, {ek1}), 1},
        TDepthCase{"UnaryMinusBeforeFunctions", Repeat({ekSub, ekAbs}, 1024, {ek1}), -1},
        TDepthCase{"Functions", Repeat({ekAbs, ekLParen}, 1024, {ek1}), 1},
        TDepthCase{"TwoArgumentFunctions", Repeat({ekLogXY, ekLParen, ek2, ekComma}, 1024, {ek1}),
                   0}),
    [](const ::testing::TestParamInfo<TDepthCase>& info) { return info.param.Name; });

TEST(NestingDepth, OrdinaryDepthsEvaluate) {
    TExpressionKeyList roundOffs = Repeat({ekRoundOff, ekLParen}, 60, {ek7});
    for (int i = 0; i < 60; ++i) {
        roundOffs.insert(roundOffs.end(), {ekComma, ek0, ekRParen});
    }
    EXPECT_EQ(Evaluate(roundOffs), 7);
    EXPECT_EQ(Evaluate(Repeat({ekLParen}, 150, {ek7})), 7);
    EXPECT_EQ(Evaluate(Repeat({ekSub, ekLParen}, 90, {ek7})), 7);
    EXPECT_EQ(Evaluate(Repeat({ekSqrt, ekLParen}, 90, {ek1})), 1);
}

} // namespace
} // namespace kalvio
