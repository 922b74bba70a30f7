#pragma once

#include "engine/Bcd.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kalvio {

// A settings file that exists but cannot be read, or cannot be replaced.
class EIniFileError : public std::runtime_error {
public:
    // The message names the file, then the reason if one is given.
    EIniFileError(std::string_view action, const std::filesystem::path& fileName,
                  std::string_view reason = {});
};

// An INI file held in memory and saved whole.
//
// Sections and keys are compared without regard to ASCII case. Reading is lenient: a missing or
// unreadable value gives the caller's default. Content the program never writes (unknown
// sections and keys, comments, a repeated section) is kept in place, so a file written by
// another build survives a round trip. Lines that cannot be understood at all (or bytes that
// are not UTF-8) mark the file as damaged; they are dropped on save, which is why the caller
// keeps a backup of a damaged file before replacing it.
//
// Saved form: UTF-8 with byte-order mark, CR LF line ends, one empty line after each section.
class TIniFile {
public:
    TIniFile() = default;

    // The largest file that is read. The calculator's own file stays far below it even with tens
    // of thousands of history entries; a larger one would hold up the start for seconds.
    static constexpr std::uintmax_t MaxFileSize = 16 * 1024 * 1024;

    // A missing file gives an empty INI file; a file that exists but cannot be read raises
    // EIniFileError. A file larger than MaxFileSize is not read: it gives an empty file marked as
    // damaged, so that it is kept as a backup before it is replaced.
    static TIniFile LoadFromFile(const std::filesystem::path& fileName);
    // Parses the file's bytes; the byte-order mark is optional; CR LF, LF and a lone CR each end
    // a line.
    static TIniFile Parse(std::string_view bytes);

    // Replaces the file atomically: a temporary file in the same folder, then a rename.
    void SaveToFile(const std::filesystem::path& fileName) const;
    std::string ToBytes() const;

    // Some content could not be understood and will not be saved again.
    bool IsDamaged() const { return FIsDamaged; }

    bool SectionExists(std::u16string_view section) const;
    bool ValueExists(std::u16string_view section, std::u16string_view key) const;
    // Upper bounds for numbered entries: a count stored in the file cannot exceed what it holds.
    std::size_t SectionCount() const { return FSections.size(); }
    std::size_t KeyCount(std::u16string_view section) const;

    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) const;
    // Decimal, or hexadecimal after "0x" or "$"; either with an optional sign.
    std::int32_t ReadInteger(std::u16string_view section, std::u16string_view key,
                             std::int32_t defaultValue) const;
    // An integer; any non-zero value is true.
    bool ReadBool(std::u16string_view section, std::u16string_view key, bool defaultValue) const;
    // "." is the only decimal separator.
    double ReadFloat(std::u16string_view section, std::u16string_view key,
                     double defaultValue) const;
    TBcd ReadBcd(std::u16string_view section, std::u16string_view key,
                 const TBcd& defaultValue) const;

    // A value cannot hold a line break: CR, LF and NUL are stored as blanks.
    void WriteString(std::u16string_view section, std::u16string_view key,
                     std::u16string_view value);
    void WriteInteger(std::u16string_view section, std::u16string_view key, std::int32_t value);
    void WriteBool(std::u16string_view section, std::u16string_view key, bool value);
    // At most 15 significant digits, exponent form from 1E15 and below 0.0001.
    void WriteFloat(std::u16string_view section, std::u16string_view key, double value);
    void WriteBcd(std::u16string_view section, std::u16string_view key, const TBcd& value);

private:
    struct TLine {
        bool IsComment = false;
        std::u16string Key; // the whole line of a comment
        std::u16string Value;
    };
    // Names compared without regard to ASCII case, looked up by view without a copy.
    struct TFoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view name) const;
    };
    struct TFoldedEqual {
        using is_transparent = void;
        bool operator()(std::u16string_view left, std::u16string_view right) const;
    };
    using TNameIndex = std::unordered_map<std::u16string, std::size_t, TFoldedHash, TFoldedEqual>;

    class TSection {
    public:
        explicit TSection(std::u16string_view name) : FName(name) {}
        const std::u16string& Name() const { return FName; }
        const std::vector<TLine>& Lines() const { return FLines; }
        // The first line of that key; comments are never found.
        const TLine* Find(std::u16string_view key) const;
        TLine* Find(std::u16string_view key);
        void Add(TLine line);

    private:
        // Most sections hold a dozen keys and are searched in order; only long ones get an index.
        static constexpr std::size_t IndexedSize = 16;

        std::u16string FName;
        std::vector<TLine> FLines;
        TNameIndex FKeyIndex; // key -> first line, once the section is long
        bool FIsIndexed = false;
    };

    const TSection* FindSection(std::u16string_view section) const;
    const std::u16string* FindValue(std::u16string_view section, std::u16string_view key) const;
    TSection& SectionForWriting(std::u16string_view section);
    void ParseText(std::u16string_view text);
    static TLine ParseLine(std::u16string_view line);

    std::vector<std::u16string> FPreamble; // lines before the first section
    std::vector<TSection> FSections;       // a repeated name is kept but never read or written
    TNameIndex FSectionIndex;              // name -> the first section of that name
    bool FIsDamaged = false;
};

} // namespace kalvio
