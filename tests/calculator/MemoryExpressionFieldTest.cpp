#include "calculator/MemoryExpressionField.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

TEST(MemoryExpressionField, TypingReplacesTheSelectionOrInsertsAtTheCaret) {
    TMemoryExpressionField field;
    int changes = 0;
    field.OnChange = [&changes] { ++changes; };
    field.SetText(u"12+34");
    EXPECT_EQ(field.CaretPosition(), 5);
    field.SetCaret(2);
    field.TypeText(u"5");
    EXPECT_EQ(field.Text(), u"125+34");
    EXPECT_EQ(field.CaretPosition(), 3);
    field.SelectAll();
    EXPECT_EQ(field.SelectionLength(), 6);
    field.TypeText(u"7");
    EXPECT_EQ(field.Text(), u"7");
    EXPECT_EQ(field.SelectionLength(), 0);
    field.SetCaret(99);
    EXPECT_EQ(field.CaretPosition(), 1);
    EXPECT_EQ(changes, 3);
}

} // namespace
} // namespace kalvio
