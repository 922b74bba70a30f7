#include "engine/VariableDictionary.h"

#include "engine/MojiConvert.h"

#include <algorithm>
#include <limits>

namespace kalvio {
namespace {

template <typename Map, typename Key> auto& FindOrThrow(Map& map, const Key& key) {
    auto found = map.find(key);
    if (found == map.end()) {
        throw EVariableNotFound("variable not found");
    }
    return found->second;
}

} // namespace

void TVariableDictionary::Clear() {
    NumberDictionary.clear();
    ValueDictionary.clear();
    BcdValueDictionary.clear();
    StatusDictionary.clear();
    FNameList.clear();
    Number = 0;
}

void TVariableDictionary::AddOrSetValue(std::u16string_view AName, double Value,
                                        const TBcd& BcdValue, bool IsOverride,
                                        std::u16string_view Comment) {
    std::u16string name = ToHalfWidthUpper(AName);
    TVariableStatus status{IsOverride, std::u16string(Comment)};
    if (auto found = NumberDictionary.find(name); found != NumberDictionary.end()) {
        ValueDictionary[found->second] = Value;
        BcdValueDictionary[found->second] = BcdValue;
        StatusDictionary[name] = std::move(status);
        return;
    }
    if (Number == std::numeric_limits<std::int32_t>::max()) {
        throw std::length_error("variable numbers exhausted");
    }
    FNameList.push_back(name);
    ValueDictionary.emplace(Number, Value);
    BcdValueDictionary.emplace(Number, BcdValue);
    StatusDictionary.emplace(name, std::move(status));
    NumberDictionary.emplace(std::move(name), Number);
    ++Number;
}

void TVariableDictionary::Remove(std::u16string_view AName) {
    const std::u16string name = ToHalfWidthUpper(AName);
    auto found = NumberDictionary.find(name);
    if (found == NumberDictionary.end()) {
        return;
    }
    ValueDictionary.erase(found->second);
    BcdValueDictionary.erase(found->second);
    NumberDictionary.erase(found);
    StatusDictionary.erase(name);
    FNameList.erase(std::find(FNameList.begin(), FNameList.end(), name));
}

bool TVariableDictionary::ContainsKey(std::u16string_view AName) const {
    return NumberDictionary.contains(ToHalfWidthUpper(AName));
}

std::optional<std::int32_t> TVariableDictionary::FindNumber(std::u16string_view AName) const {
    const auto found = NumberDictionary.find(ToHalfWidthUpper(AName));
    if (found == NumberDictionary.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::int32_t TVariableDictionary::GetNumberItems(std::u16string_view AName) const {
    return FindOrThrow(NumberDictionary, ToHalfWidthUpper(AName));
}

double TVariableDictionary::GetValueItems(std::int32_t ANumber) const {
    return FindOrThrow(ValueDictionary, ANumber);
}

const TBcd& TVariableDictionary::GetBcdValueItems(std::int32_t ANumber) const {
    return FindOrThrow(BcdValueDictionary, ANumber);
}

TVariableStatus& TVariableDictionary::GetStatusItems(std::u16string_view AName) {
    return FindOrThrow(StatusDictionary, ToHalfWidthUpper(AName));
}

const TVariableStatus& TVariableDictionary::GetStatusItems(std::u16string_view AName) const {
    return FindOrThrow(StatusDictionary, ToHalfWidthUpper(AName));
}

void TVariableDictionary::MoveName(int fromIndex, int toIndex) {
    if (fromIndex < 0 || fromIndex >= Count() || toIndex < 0 || toIndex >= Count()) {
        throw std::out_of_range("name index out of range");
    }
    auto from = FNameList.begin() + fromIndex;
    auto to = FNameList.begin() + toIndex;
    if (fromIndex < toIndex) {
        std::rotate(from, from + 1, to + 1);
    } else {
        std::rotate(to, from, from + 1);
    }
}

} // namespace kalvio
