#include "state/IniFile.h"

#include "engine/DoubleText.h"
#include "engine/Utf8Text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kalvio {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view LineEnd = "\r\n";

// Blanks and control characters around keys and values are not part of them.
bool IsBlank(char16_t c) {
    return c <= 32;
}

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char16_t FoldCase(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// The ASCII form of a number text; nullopt when it holds anything else.
std::optional<std::string> ToAscii(std::u16string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (char16_t c : text) {
        if (c >= 0x80) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    return ascii;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<std::int32_t> ParseInteger(std::u16string_view text) {
    std::optional<std::string> ascii = ToAscii(Trim(text));
    if (!ascii || ascii->empty()) {
        return std::nullopt;
    }
    std::string_view digits = *ascii;
    const bool isNegative = digits.front() == '-';
    if (isNegative || digits.front() == '+') {
        digits.remove_prefix(1);
    }
    int base = 10;
    if (digits.starts_with('$')) {
        digits.remove_prefix(1);
        base = 16;
    } else if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    }
    std::uint64_t magnitude = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, magnitude, base);
    if (digits.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    if (base == 16) {
        // A hexadecimal text is a 32-bit pattern: $FFFFFFFF is -1.
        if (magnitude > std::numeric_limits<std::uint32_t>::max()) {
            return std::nullopt;
        }
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    } else {
        if (magnitude > std::uint64_t{1} << 32) {
            return std::nullopt;
        }
        value = static_cast<std::int64_t>(magnitude);
    }
    if (isNegative) {
        value = -value;
    }
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// [sign] digits [. digits] [E [sign] digits], with digits on at least one side of the point.
bool IsDecimalFloatText(std::string_view text) {
    std::size_t i = 0;
    auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
        return i - start;
    };
    auto skipSign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
    };
    skipSign();
    std::size_t mantissaDigits = skipDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += skipDigits();
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        skipSign();
        if (skipDigits() == 0) {
            return false;
        }
    }
    return i == text.size();
}

bool EqualsIgnoringCase(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c =
            (text[i] >= 'a' && text[i] <= 'z') ? static_cast<char>(text[i] - 32) : text[i];
        if (c != upper[i]) {
            return false;
        }
    }
    return true;
}

std::optional<double> ParseFloat(std::u16string_view text) {
    std::optional<std::string> ascii = ToAscii(Trim(text));
    if (!ascii) {
        return std::nullopt;
    }
    std::string_view number = *ascii;
    // Infinities and NaN come back as they were written.
    const bool isNegative = number.starts_with('-');
    std::string_view unsignedPart = isNegative ? number.substr(1) : number;
    if (EqualsIgnoringCase(unsignedPart, "INF")) {
        const double infinity = std::numeric_limits<double>::infinity();
        return isNegative ? -infinity : infinity;
    }
    if (EqualsIgnoringCase(number, "NAN")) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (!IsDecimalFloatText(number)) {
        return std::nullopt;
    }
    if (number.starts_with('+')) {
        number.remove_prefix(1);
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{} || stop != number.data() + number.size()) {
        return std::nullopt;
    }
    return value;
}

std::u16string AsciiToText(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFileHandle = std::unique_ptr<std::FILE, TFileCloser>;

// Fails if the file exists, so two writers never share a temporary file.
TFileHandle CreateNewFile(const fs::path& fileName) {
#ifdef _WIN32
    return TFileHandle(_wfopen(fileName.c_str(), L"wbx"));
#else
    return TFileHandle(std::fopen(fileName.c_str(), "wbx"));
#endif
}

// The bytes reach the disk before the rename, so a power loss cannot leave an empty file
// behind the new name.
bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

fs::path TemporaryNameBeside(const fs::path& fileName) {
    std::random_device source;
    std::uniform_int_distribution<std::uint64_t> distribution;
    char suffix[17] = {};
    std::to_chars(std::begin(suffix), std::end(suffix) - 1, distribution(source), 16);
    fs::path temporary = fileName;
    temporary += ".";
    temporary += suffix;
    temporary += ".tmp";
    return temporary;
}

// A settings file that is a symbolic link stays one: the file it points to is replaced.
fs::path ReplacementTarget(const fs::path& fileName) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(fileName, error))) {
        return fileName;
    }
    const fs::path target = fs::weakly_canonical(fileName, error);
    if (error) {
        throw EIniFileError("Cannot follow the link", fileName, error.message());
    }
    return target;
}

// The replacement keeps the access rights of the file it replaces (a private file stays private).
void KeepPermissions(const fs::path& original, const fs::path& replacement) {
    std::error_code error;
    const fs::file_status status = fs::status(original, error);
    if (!error && fs::exists(status)) {
        fs::permissions(replacement, status.permissions(), error);
    }
}

// Removes the temporary file unless it was renamed into place.
class TTemporaryFileGuard {
public:
    explicit TTemporaryFileGuard(fs::path fileName) : FFileName(std::move(fileName)) {}
    TTemporaryFileGuard(const TTemporaryFileGuard&) = delete;
    TTemporaryFileGuard& operator=(const TTemporaryFileGuard&) = delete;
    ~TTemporaryFileGuard() {
        if (!FIsCommitted) {
            std::error_code ignored;
            fs::remove(FFileName, ignored);
        }
    }
    void Commit() { FIsCommitted = true; }

private:
    fs::path FFileName;
    bool FIsCommitted = false;
};

std::string ErrorMessage(std::string_view action, const fs::path& fileName,
                         std::string_view reason) {
    const std::u8string path = fileName.u8string();
    std::string message(action);
    message += ' ';
    message.append(path.begin(), path.end());
    if (!reason.empty()) {
        message += ": ";
        message += reason;
    }
    return message;
}

} // namespace

EIniFileError::EIniFileError(std::string_view action, const std::filesystem::path& fileName,
                             std::string_view reason)
    : std::runtime_error(ErrorMessage(action, fileName, reason)) {}

TIniFile TIniFile::LoadFromFile(const std::filesystem::path& fileName) {
    std::error_code error;
    const fs::file_status status = fs::status(fileName, error);
    if (status.type() == fs::file_type::not_found) {
        return {};
    }
    if (error || !fs::is_regular_file(status)) {
        throw EIniFileError("Cannot read", fileName);
    }
    if (const std::uintmax_t size = fs::file_size(fileName, error); !error && size > MaxFileSize) {
        TIniFile oversized;
        oversized.FIsDamaged = true;
        return oversized;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        throw EIniFileError("Cannot open", fileName);
    }
    std::string bytes;
    std::array<char, 65536> chunk{};
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        throw EIniFileError("Cannot read", fileName);
    }
    return Parse(bytes);
}

TIniFile TIniFile::Parse(std::string_view bytes) {
    if (bytes.starts_with(Utf8ByteOrderMark)) {
        bytes.remove_prefix(Utf8ByteOrderMark.size());
    }
    TIniFile file;
    std::u16string text;
    file.FIsDamaged = !AppendUtf16(text, bytes) || bytes.find('\0') != std::string_view::npos;
    // A NUL is damage the backup keeps; in any line it becomes a blank, as in a written value,
    // so that the file saved from this one is clean.
    std::replace(text.begin(), text.end(), u'\0', u' ');
    file.ParseText(text);
    return file;
}

// A comment, or a key line: the key before the first "=", the value after it.
TIniFile::TLine TIniFile::ParseLine(std::u16string_view line) {
    if (line.front() == u';') {
        return {true, std::u16string(line), {}};
    }
    const std::size_t equals = line.find(u'=');
    return {false, std::u16string(Trim(line.substr(0, equals))),
            std::u16string(Trim(line.substr(equals + 1)))};
}

void TIniFile::ParseText(std::u16string_view text) {
    // Lines before the first section are kept as they are; those under a broken section header
    // belong to no section and are dropped.
    enum { InPreamble, InSection, InBrokenSection } place = InPreamble;
    std::size_t start = 0;
    while (start <= text.size()) {
        // CR LF, LF and a lone CR all end a line, so no value read can hold a line break that
        // writing it back would have to turn into a blank.
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            end = text.size();
        }
        const std::u16string_view line = Trim(text.substr(start, end - start));
        start = text.substr(end).starts_with(u"\r\n") ? end + 2 : end + 1;
        if (line.empty()) {
            continue;
        }
        if (line.front() == u'[') {
            if (line.size() < 2 || line.back() != u']') {
                FIsDamaged = true;
                place = InBrokenSection;
                continue;
            }
            const std::u16string_view name = Trim(line.substr(1, line.size() - 2));
            FSections.emplace_back(name);
            place = InSection;
            // Only the first section of a name is read; a later one is carried along unread.
            if (!FSectionIndex.contains(name)) {
                FSectionIndex.emplace(name, FSections.size() - 1);
            }
        } else if (line.front() != u';' && line.find(u'=') == std::u16string_view::npos) {
            FIsDamaged = true;
        } else if (place == InPreamble) {
            FPreamble.emplace_back(line);
        } else if (place == InSection) {
            FSections.back().Add(ParseLine(line));
        }
    }
}

std::string TIniFile::ToBytes() const {
    std::string out(Utf8ByteOrderMark);
    for (const std::u16string& line : FPreamble) {
        AppendUtf8(out, line);
        out += LineEnd;
    }
    for (const TSection& section : FSections) {
        out += '[';
        AppendUtf8(out, section.Name());
        out += ']';
        out += LineEnd;
        for (const TLine& line : section.Lines()) {
            AppendUtf8(out, line.Key);
            if (!line.IsComment) {
                out += '=';
                AppendUtf8(out, line.Value);
            }
            out += LineEnd;
        }
        out += LineEnd;
    }
    return out;
}

void TIniFile::SaveToFile(const std::filesystem::path& fileName) const {
    const fs::path target = ReplacementTarget(fileName);
    const std::string bytes = ToBytes();
    const fs::path temporary = TemporaryNameBeside(target);
    TTemporaryFileGuard guard(temporary);
    {
        TFileHandle file = CreateNewFile(temporary);
        if (!file) {
            throw EIniFileError("Cannot create", temporary, std::strerror(errno));
        }
        KeepPermissions(target, temporary);
        const bool isWritten =
            std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
            FlushToDisk(file.get());
        if (!isWritten || std::fclose(file.release()) != 0) {
            throw EIniFileError("Cannot write", temporary);
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        throw EIniFileError("Cannot replace", target, error.message());
    }
    guard.Commit();
}

std::size_t TIniFile::TFoldedHash::operator()(std::u16string_view name) const {
    std::size_t hash = 14695981039346656037u; // FNV-1a
    for (char16_t c : name) {
        hash = (hash ^ FoldCase(c)) * 1099511628211u;
    }
    return hash;
}

bool TIniFile::TFoldedEqual::operator()(std::u16string_view left, std::u16string_view right) const {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](char16_t a, char16_t b) { return FoldCase(a) == FoldCase(b); });
}

const TIniFile::TLine* TIniFile::TSection::Find(std::u16string_view key) const {
    if (FIsIndexed) {
        const auto found = FKeyIndex.find(key);
        return found == FKeyIndex.end() ? nullptr : &FLines[found->second];
    }
    const auto found = std::find_if(FLines.begin(), FLines.end(), [key](const TLine& line) {
        return !line.IsComment && TFoldedEqual{}(line.Key, key);
    });
    return found == FLines.end() ? nullptr : &*found;
}

TIniFile::TLine* TIniFile::TSection::Find(std::u16string_view key) {
    return const_cast<TLine*>(std::as_const(*this).Find(key));
}

void TIniFile::TSection::Add(TLine line) {
    FLines.push_back(std::move(line));
    if (FLines.size() < IndexedSize) {
        return;
    }
    const std::size_t first = FIsIndexed ? FLines.size() - 1 : 0;
    FIsIndexed = true;
    for (std::size_t i = first; i < FLines.size(); ++i) {
        if (!FLines[i].IsComment && !FKeyIndex.contains(FLines[i].Key)) {
            FKeyIndex.emplace(FLines[i].Key, i);
        }
    }
}

const TIniFile::TSection* TIniFile::FindSection(std::u16string_view section) const {
    const auto found = FSectionIndex.find(section);
    return found == FSectionIndex.end() ? nullptr : &FSections[found->second];
}

const std::u16string* TIniFile::FindValue(std::u16string_view section,
                                          std::u16string_view key) const {
    const TSection* lines = FindSection(section);
    const TLine* line = lines ? lines->Find(key) : nullptr;
    return line ? &line->Value : nullptr;
}

bool TIniFile::SectionExists(std::u16string_view section) const {
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(std::u16string_view section, std::u16string_view key) const {
    return FindValue(section, key) != nullptr;
}

std::size_t TIniFile::KeyCount(std::u16string_view section) const {
    const TSection* lines = FindSection(section);
    return lines ? lines->Lines().size() : 0;
}

std::u16string TIniFile::ReadString(std::u16string_view section, std::u16string_view key,
                                    std::u16string_view defaultValue) const {
    const std::u16string* value = FindValue(section, key);
    return std::u16string(value ? std::u16string_view(*value) : defaultValue);
}

std::int32_t TIniFile::ReadInteger(std::u16string_view section, std::u16string_view key,
                                   std::int32_t defaultValue) const {
    const std::u16string* value = FindValue(section, key);
    return value ? ParseInteger(*value).value_or(defaultValue) : defaultValue;
}

bool TIniFile::ReadBool(std::u16string_view section, std::u16string_view key,
                        bool defaultValue) const {
    const std::u16string* value = FindValue(section, key);
    if (!value) {
        return defaultValue;
    }
    const std::optional<std::int32_t> number = ParseInteger(*value);
    return number ? *number != 0 : defaultValue;
}

double TIniFile::ReadFloat(std::u16string_view section, std::u16string_view key,
                           double defaultValue) const {
    const std::u16string* value = FindValue(section, key);
    return value ? ParseFloat(*value).value_or(defaultValue) : defaultValue;
}

TBcd TIniFile::ReadBcd(std::u16string_view section, std::u16string_view key,
                       const TBcd& defaultValue) const {
    const std::u16string* value = FindValue(section, key);
    TBcd result;
    if (value && TryStrToBcd(Trim(*value), result)) {
        return result;
    }
    return defaultValue;
}

TIniFile::TSection& TIniFile::SectionForWriting(std::u16string_view section) {
    if (const auto found = FSectionIndex.find(section); found != FSectionIndex.end()) {
        return FSections[found->second];
    }
    FSectionIndex.emplace(section, FSections.size());
    return FSections.emplace_back(section);
}

void TIniFile::WriteString(std::u16string_view section, std::u16string_view key,
                           std::u16string_view value) {
    std::u16string storedValue(value);
    for (char16_t& c : storedValue) {
        if (c == u'\r' || c == u'\n' || c == u'\0') {
            c = u' ';
        }
    }
    TSection& lines = SectionForWriting(section);
    if (TLine* line = lines.Find(key)) {
        line->Value = std::move(storedValue);
    } else {
        lines.Add({false, std::u16string(key), std::move(storedValue)});
    }
}

void TIniFile::WriteInteger(std::u16string_view section, std::u16string_view key,
                            std::int32_t value) {
    char digits[16] = {};
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    WriteString(section, key, AsciiToText(std::string_view(digits, result.ptr)));
}

void TIniFile::WriteBool(std::u16string_view section, std::u16string_view key, bool value) {
    WriteString(section, key, value ? u"1" : u"0");
}

void TIniFile::WriteFloat(std::u16string_view section, std::u16string_view key, double value) {
    WriteString(section, key, FloatToGeneralText(value, 15));
}

void TIniFile::WriteBcd(std::u16string_view section, std::u16string_view key, const TBcd& value) {
    WriteString(section, key, BcdToStr(value));
}

} // namespace kalvio
