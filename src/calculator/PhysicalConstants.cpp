#include "calculator/PhysicalConstants.h"

#include "display/NumberFormat.h"
#include "engine/DoubleText.h"

namespace kalvio {
namespace {

constexpr double SpeedOfLight = 299792458;
constexpr double FourPi = 12.566370614359172;
constexpr double MagneticConstant = FourPi * 1E-7;

constexpr TPhysicalConstant Constants[] = {
    {u"真空の光速度", SpeedOfLight},
    {u"真空の透磁率", MagneticConstant},
    {u"真空の誘電率", 1 / (MagneticConstant * SpeedOfLight * SpeedOfLight)},
    {u"プランク定数", 6.62607004E-34},
    {u"アボガドロ数", 6.022140857E23},
    {u"万有引力定数", 6.67408E-11},
    {u"ボルツマン定数", 1.38064852E-23},
    // The product of the two mantissas: their exponents cancel.
    {u"気体定数", 1.38064852 * 6.022140857},
    {u"素電荷", 1.6021766208E-19},
    {u"電子質量", 9.10938356E-31},
    {u"ネイピア数", 2.718281828459045},
};

} // namespace

std::span<const TPhysicalConstant> PhysicalConstantTable() {
    return Constants;
}

std::u16string ConstantValueText(double Value) {
    return FloatToGeneralText(Value, 15);
}

std::u16string CheckConstantEntries(std::u16string_view ValueText, std::u16string_view Name) {
    if (ValueText.empty()) {
        return u"定数を入力してください";
    }
    if (!TextToFloat(ValueText)) {
        return u"定数が正しくありません";
    }
    if (Name.empty()) {
        return u"登録する変数名を入力してください";
    }
    return {};
}

} // namespace kalvio
