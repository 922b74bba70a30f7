#pragma once

#include "engine/Bcd.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kalvio {

// Whether an assignment may replace an entry, and the comment shown with it. The dictionary only
// stores the flag; the assignment code enforces it.
struct TVariableStatus {
    bool IsOverwrite = true;
    std::u16string Comment;
};

// A name or number that is not in the dictionary.
class EVariableNotFound : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// The user's named variables and constants. Every name is stored normalised (ToHalfWidthUpper),
// so abc, ABC and their full-width forms are one entry. Each entry gets a number in creation
// order that is never reused until Clear; key lists refer to variables by that number.
// Const member functions only read, so converters on other threads may share a const dictionary
// as long as nobody changes it meanwhile.
class TVariableDictionary {
public:
    void Clear();
    // Adds a new entry at the end of NameList, or replaces the values and status of an existing
    // one, keeping its number and place.
    void AddOrSetValue(std::u16string_view AName, double Value, const TBcd& BcdValue,
                       bool IsOverride = true, std::u16string_view Comment = {});
    // A name that is not stored is ignored.
    void Remove(std::u16string_view AName);

    bool ContainsKey(std::u16string_view AName) const;
    // ContainsKey and GetNumberItems in one lookup.
    std::optional<std::int32_t> FindNumber(std::u16string_view AName) const;
    // These throw EVariableNotFound for a name or number not in use.
    std::int32_t GetNumberItems(std::u16string_view AName) const;
    double GetValueItems(std::int32_t ANumber) const;
    const TBcd& GetBcdValueItems(std::int32_t ANumber) const;
    TVariableStatus& GetStatusItems(std::u16string_view AName);
    const TVariableStatus& GetStatusItems(std::u16string_view AName) const;

    int Count() const { return static_cast<int>(FNameList.size()); }
    // The normalised names in display and save order.
    const std::vector<std::u16string>& NameList() const { return FNameList; }
    // Moves the name at fromIndex so that it ends up at toIndex (the variable panel's up/down);
    // numbers are unaffected. Throws std::out_of_range for an index outside NameList.
    void MoveName(int fromIndex, int toIndex);

private:
    struct TNameHash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view name) const {
            return std::hash<std::u16string_view>{}(name);
        }
    };
    template <typename T>
    using TNameMap = std::unordered_map<std::u16string, T, TNameHash, std::equal_to<>>;

    TNameMap<std::int32_t> NumberDictionary;
    std::unordered_map<std::int32_t, double> ValueDictionary;
    std::unordered_map<std::int32_t, TBcd> BcdValueDictionary;
    TNameMap<TVariableStatus> StatusDictionary;
    std::int32_t Number = 0; // the number the next new name receives
    std::vector<std::u16string> FNameList;
};

} // namespace kalvio
