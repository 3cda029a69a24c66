#include "pointfile.h"

#include "byteordermark.h"
#include "foreignfile.h"
#include "numtext.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

namespace plane_figures::pointfile {

namespace {

constexpr std::string_view kHeading = "# plane-figures points\n";

constexpr std::string_view kUtf16 = "той е в кодировка UTF-16, а трябва да е в UTF-8";
constexpr std::string_view kNotUtf8 = "това не е текст в кодировка UTF-8";
constexpr std::string_view kNotTwoNumbers = "трябва да съдържа точно две цели числа, X и Y";
constexpr std::string_view kNoPoints = "в него няма нито една точка";
constexpr std::string_view kNotPoints = "това не е файл с точки, а ";

// a whole number as read: its value, or too_big when it does not fit in 64 bits
struct Number {
    std::int64_t value = 0;
    bool too_big = false;
};

// the coordinates a point may have, as the messages give them
std::string CanvasRange() {
    return "(X от 0 до " + std::to_string(kCanvasWidth - 1) + ", Y от 0 до " +
           std::to_string(kCanvasHeight - 1) + ")";
}

// an error about the line with this number
Error LineError(std::size_t line, std::string_view text) {
    return {line, "ред " + std::to_string(line) + ": " + std::string(text)};
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// the first position at or after pos that holds no blank
std::size_t SkipBlanks(std::string_view s, std::size_t pos) {
    while (pos < s.size() && IsBlank(s[pos])) ++pos;
    return pos;
}

// how many bytes the UTF-8 sequence led by this byte has; 0 when it leads
// none (and for NUL, which no text file holds)
std::size_t SequenceLength(unsigned char lead) {
    if (lead == 0) return 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// whether byte may follow lead: rules out overlong forms, surrogates and
// code points past U+10FFFF
bool SecondByteFits(unsigned char lead, unsigned char byte) {
    switch (lead) {
        case 0xE0: return byte >= 0xA0 && byte <= 0xBF;
        case 0xED: return byte >= 0x80 && byte <= 0x9F;
        case 0xF0: return byte >= 0x90 && byte <= 0xBF;
        case 0xF4: return byte >= 0x80 && byte <= 0x8F;
        default: return byte >= 0x80 && byte <= 0xBF;
    }
}

// the length of the well-formed UTF-8 character at s[pos]; 0 when there is none
std::size_t CharacterAt(std::string_view s, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[pos + i]); };
    const std::size_t n = SequenceLength(byte(0));
    if (n == 0 || n > s.size() - pos) return 0;
    if (n > 1 && !SecondByteFits(byte(0), byte(1))) return 0;
    for (std::size_t i = 2; i < n; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return n;
}

// what makes a line's bytes unreadable as text: not UTF-8, or too long
std::optional<std::string> TextFault(std::string_view line) {
    std::size_t chars = 0;
    for (std::size_t pos = 0; pos < line.size(); ++chars) {
        if (chars == kMaxLineChars) {
            return "редът е по-дълъг от " + std::to_string(kMaxLineChars) + " знака";
        }
        const std::size_t n = CharacterAt(line, pos);
        if (n == 0) return std::string(kNotUtf8);
        pos += n;
    }
    return std::nullopt;
}

// the end of the whole number ([+-]digits) at s[pos...]; pos when there is none
std::size_t NumberEnd(std::string_view s, std::size_t pos) {
    std::size_t digits = pos;
    if (digits < s.size() && (s[digits] == '+' || s[digits] == '-')) ++digits;
    std::size_t end = digits;
    while (end < s.size() && IsDigit(s[end])) ++end;
    return end == digits ? pos : end;
}

// the whole number at s[pos...], pos moved past it; nullopt when there is none
std::optional<Number> ReadNumber(std::string_view s, std::size_t& pos) {
    const std::size_t end = NumberEnd(s, pos);
    if (end == pos) return std::nullopt;
    const std::size_t first = s[pos] == '+' ? pos + 1 : pos;  // from_chars takes no '+'
    Number number;
    const auto result = std::from_chars(s.data() + first, s.data() + end, number.value);
    number.too_big = result.ec == std::errc::result_out_of_range;
    pos = end;
    return number;
}

// skip what parts X from Y: blanks, or one comma with optional blanks around
// it; false when there is neither
bool SkipSeparator(std::string_view s, std::size_t& pos) {
    std::size_t next = SkipBlanks(s, pos);
    if (next < s.size() && s[next] == ',') next = SkipBlanks(s, next + 1);
    if (next == pos) return false;
    pos = next;
    return true;
}

// X and Y of a line whose first non-blank is at pos; nullopt when the line is
// not exactly two whole numbers
std::optional<std::pair<Number, Number>> ReadPair(std::string_view line, std::size_t pos) {
    const auto x = ReadNumber(line, pos);
    if (!x || !SkipSeparator(line, pos)) return std::nullopt;
    const auto y = ReadNumber(line, pos);
    if (!y || SkipBlanks(line, pos) != line.size()) return std::nullopt;
    return std::pair{*x, *y};
}

// whether a coordinate lies in 0..extent-1
bool Within(Number n, std::int32_t extent) {
    return !n.too_big && n.value >= 0 && n.value < extent;
}

// the point of the two numbers, or why it is not on the canvas
std::variant<GridPoint, std::string> ToPoint(Number x, Number y) {
    if (x.too_big || y.too_big) {
        return "числото е твърде дълго — точката е извън платното " + CanvasRange();
    }
    if (!Within(x, kCanvasWidth) || !Within(y, kCanvasHeight)) {
        return "точката (" + std::to_string(x.value) + ", " + std::to_string(y.value) +
               ") е извън платното " + CanvasRange();
    }
    return GridPoint{static_cast<std::int32_t>(x.value), static_cast<std::int32_t>(y.value)};
}

// read the line with this number into points; the error that refuses the file, if any
std::optional<Error> ReadLine(std::string_view line, std::size_t number,
                              std::vector<GridPoint>& points) {
    if (auto fault = TextFault(line)) return LineError(number, *fault);
    const std::size_t first = SkipBlanks(line, 0);
    if (first == line.size() || line[first] == '#') return std::nullopt;
    const auto pair = ReadPair(line, first);
    if (!pair) return LineError(number, kNotTwoNumbers);
    const auto point = ToPoint(pair->first, pair->second);
    if (const auto* message = std::get_if<std::string>(&point)) return LineError(number, *message);
    if (points.size() == kMaxPoints) {
        return LineError(number, "точките във файла са повече от " + std::to_string(kMaxPoints));
    }
    points.push_back(std::get<GridPoint>(point));
    return std::nullopt;
}

// a line without its CR, if it ended in CR LF
std::string_view WithoutCr(std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

}  // namespace

std::string Format(std::span<const GridPoint> points) {
    std::string text(kHeading);
    for (const GridPoint p : points) {
        text += std::to_string(p.x) + ' ' + std::to_string(p.y) + '\n';
    }
    return text;
}

ParseResult Parse(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return Error{0, std::string(kUtf16)};
    }
    if (auto error = CheckKind(bytes)) return *std::move(error);
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    std::vector<GridPoint> points;
    std::size_t number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        auto error = ReadLine(WithoutCr(bytes.substr(start, end - start)), ++number, points);
        if (error) return *std::move(error);
        start = end + 1;
    }
    if (points.empty()) return Error{0, std::string(kNoPoints)};
    return points;
}

ParseResult ParseFile(std::string_view bytes) {
    // a large document is no file of points either: say what it is, not its size
    if (auto error = CheckKind(bytes)) return *std::move(error);
    if (bytes.size() <= kMaxFileBytes) return Parse(bytes);
    return Error{0,
                 "файлът е по-голям от " + std::to_string(kMaxFileBytes / (1024 * 1024)) + " MiB"};
}

std::optional<Error> CheckKind(std::string_view bytes) {
    const std::optional<std::string> kind = foreignfile::KindOf(bytes);
    if (!kind) return std::nullopt;
    return Error{0, std::string(kNotPoints) + *kind};
}

}  // namespace plane_figures::pointfile
