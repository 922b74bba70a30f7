#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kalvio {

// A broken invariant is a finding: report it and abort, so that the fuzzer keeps the input and a
// corpus replay fails.
inline void FuzzRequire(bool condition, const char* invariant) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

// Reads a fuzzer's bytes as a stream of small decisions followed by text. Past the end every
// read gives zero, so that any input, even an empty one, is a complete test case.
class TFuzzInput {
public:
    TFuzzInput(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}

    bool AtEnd() const { return FIndex >= FSize; }
    std::size_t Remaining() const { return FSize - FIndex; }

    std::uint8_t TakeByte() { return AtEnd() ? 0 : FData[FIndex++]; }
    std::uint16_t TakeUInt16() {
        const std::uint16_t low = TakeByte();
        return static_cast<std::uint16_t>(low | (TakeByte() << 8));
    }
    bool TakeBool() { return (TakeByte() & 1) != 0; }
    // A value in 0..count-1.
    std::size_t TakeIndex(std::size_t count) { return count == 0 ? 0 : TakeByte() % count; }

    std::string_view TakeRestBytes() {
        const std::string_view rest(reinterpret_cast<const char*>(FData) + FIndex, Remaining());
        FIndex = FSize;
        return rest;
    }

    // UTF-16 text in a form a mutator can work with: a byte below 0xF0 is the code unit of the
    // same value (ASCII and Latin-1 stay readable in a corpus file), a byte from 0xF0 up is
    // followed by two bytes that give any code unit, little-endian, lone surrogates included.
    // Stops at a NUL byte (which is consumed) or after maxUnits units.
    std::u16string TakeText16(std::size_t maxUnits) {
        std::u16string text;
        while (!AtEnd() && text.size() < maxUnits) {
            const std::uint8_t byte = TakeByte();
            if (byte == 0) {
                break;
            }
            text.push_back(byte < 0xF0 ? char16_t(byte) : char16_t(TakeUInt16()));
        }
        return text;
    }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FIndex = 0;
};

} // namespace kalvio
