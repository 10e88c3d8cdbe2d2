#include "core/number_syntax.h"

#include <algorithm>
#include <array>

namespace level {
namespace {

constexpr std::string_view kNoBreakSpace = "\u00A0";
constexpr std::string_view kNarrowNoBreakSpace = "\u202F";
// White space: ASCII's, the no-break and the narrow no-break space.
constexpr std::array<std::string_view, 8> kBlanks = {
    " ", "\t", "\n", "\r", "\v", "\f", kNoBreakSpace, kNarrowNoBreakSpace};

constexpr std::string_view kDigitsAndSigns = "0123456789+-";
constexpr std::string_view kExponentLetters = "eE";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

using ByteSet = std::array<bool, 256>;

constexpr std::size_t ByteOf(char c)
{
    return static_cast<unsigned char>(c);
}

// The first and the last bytes of the blanks: a text whose end is none of
// these has no blank there, which spares the search of every blank at
// every read.
constexpr ByteSet kBlankFirstBytes = [] {
    ByteSet bytes{};
    for (const std::string_view blank : kBlanks) {
        bytes.at(ByteOf(blank.front())) = true;
    }
    return bytes;
}();
constexpr ByteSet kBlankLastBytes = [] {
    ByteSet bytes{};
    for (const std::string_view blank : kBlanks) {
        bytes.at(ByteOf(blank.back())) = true;
    }
    return bytes;
}();

// The bytes no decimal separator may hold: digits, signs, exponent letters
// and the one-byte blanks.
constexpr ByteSet kNumberBytes = [] {
    ByteSet bytes{};
    for (const std::string_view characters : {kDigitsAndSigns, kExponentLetters}) {
        for (const char c : characters) {
            bytes.at(ByteOf(c)) = true;
        }
    }
    for (const std::string_view blank : kBlanks) {
        if (blank.size() == 1) {
            bytes.at(ByteOf(blank.front())) = true;
        }
    }
    return bytes;
}();

// Length of the white space at the front of text, or 0.
std::size_t LeadingSpace(std::string_view text)
{
    if (text.empty() || !kBlankFirstBytes.at(ByteOf(text.front()))) {
        return 0;
    }
    for (std::string_view blank : kBlanks) {
        if (text.starts_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

// Length of the white space at the back of text, or 0.
std::size_t TrailingSpace(std::string_view text)
{
    if (text.empty() || !kBlankLastBytes.at(ByteOf(text.back()))) {
        return 0;
    }
    for (std::string_view blank : kBlanks) {
        if (text.ends_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

std::string_view Trim(std::string_view text)
{
    while (std::size_t n = LeadingSpace(text)) {
        text.remove_prefix(n);
    }
    while (std::size_t n = TrailingSpace(text)) {
        text.remove_suffix(n);
    }
    return text;
}

// Reads characters off the front of a text.
class Cursor {
public:
    explicit Cursor(std::string_view text) : rest_(text) {}

    [[nodiscard]] bool AtEnd() const { return rest_.empty(); }
    [[nodiscard]] bool AtDigit() const { return !rest_.empty() && IsDigit(rest_.front()); }

    char Take()
    {
        const char c = rest_.front();
        rest_.remove_prefix(1);
        return c;
    }

    bool TakeIf(std::string_view token)
    {
        if (token.empty() || !rest_.starts_with(token)) {
            return false;
        }
        rest_.remove_prefix(token.size());
        return true;
    }

    // Takes token only when a digit follows it.
    bool TakeIfBeforeDigit(std::string_view token)
    {
        if (token.empty() || !rest_.starts_with(token) || rest_.size() == token.size() ||
            !IsDigit(rest_[token.size()])) {
            return false;
        }
        rest_.remove_prefix(token.size());
        return true;
    }

private:
    std::string_view rest_;
};

bool IsBlank(std::string_view separator)
{
    return std::find(kBlanks.begin(), kBlanks.end(), separator) != kBlanks.end();
}

bool TakeGroupSeparator(Cursor& cursor, std::string_view separator)
{
    if (IsBlank(separator)) {
        return std::any_of(kBlanks.begin(), kBlanks.end(),
                           [&](std::string_view blank) { return cursor.TakeIfBeforeDigit(blank); });
    }
    return cursor.TakeIfBeforeDigit(separator);
}

void TakeDigits(Cursor& cursor, std::string& digits)
{
    while (cursor.AtDigit()) {
        digits.push_back(cursor.Take());
    }
}

// Takes the integer part's digits; false when it is grouped in a way people
// do not write numbers.
bool TakeIntegerDigits(Cursor& cursor, std::string_view groupSeparator, std::string& digits)
{
    TakeDigits(cursor, digits);
    if (digits.empty() || !TakeGroupSeparator(cursor, groupSeparator)) {
        return true;
    }
    if (digits.size() > 3 || digits.front() == '0') {
        return false;
    }
    do {
        const std::size_t before = digits.size();
        TakeDigits(cursor, digits);
        if (digits.size() - before != 3) {
            return false;
        }
    } while (TakeGroupSeparator(cursor, groupSeparator));
    return true;
}

bool HoldsAnyOf(std::string_view text, std::string_view characters)
{
    return text.find_first_of(characters) != std::string_view::npos;
}

bool HoldsBlank(std::string_view text)
{
    return std::any_of(kBlanks.begin(), kBlanks.end(), [text](std::string_view blank) {
        return text.find(blank) != std::string_view::npos;
    });
}

std::optional<std::int64_t> TakeExponent(Cursor& cursor)
{
    const bool negative = cursor.TakeIf("-");
    if (!negative) {
        cursor.TakeIf("+");
    }
    if (!cursor.AtDigit()) {
        return std::nullopt;
    }
    std::int64_t exponent = 0;
    while (cursor.AtDigit()) {
        const int digit = cursor.Take() - '0';
        exponent = std::min(exponent * 10 + digit, NumberText::kExponentLimit);
    }
    return negative ? -exponent : exponent;
}

}  // namespace

std::optional<NumberText> ScanNumber(std::string_view text, const RegionalSettings& settings)
{
    Cursor cursor(Trim(text));
    NumberText number;
    number.negative = cursor.TakeIf("-");
    if (!number.negative) {
        cursor.TakeIf("+");
    }
    if (!TakeIntegerDigits(cursor, settings.groupSeparator, number.integerDigits)) {
        return std::nullopt;
    }
    if (cursor.TakeIf(settings.decimalSeparator)) {
        TakeDigits(cursor, number.fractionDigits);
    }
    if (number.integerDigits.empty() && number.fractionDigits.empty()) {
        return std::nullopt;
    }
    if (cursor.TakeIf("e") || cursor.TakeIf("E")) {
        const auto exponent = TakeExponent(cursor);
        if (!exponent) {
            return std::nullopt;
        }
        number.exponent = *exponent;
    }
    if (!cursor.AtEnd()) {
        return std::nullopt;
    }
    return number;
}

bool DecimalSeparatorWorks(std::string_view decimal)
{
    if (decimal.size() == 1) {
        return !kNumberBytes.at(ByteOf(decimal.front()));  // the readers ask this at every read
    }
    return !decimal.empty() && !HoldsAnyOf(decimal, kDigitsAndSigns) &&
           !HoldsAnyOf(decimal, kExponentLetters) && !HoldsBlank(decimal);
}

RegionalSettings MendSeparators(RegionalSettings settings)
{
    std::string& decimal = settings.decimalSeparator;
    std::string& group = settings.groupSeparator;
    if (!DecimalSeparatorWorks(decimal)) {
        decimal = ".";
    }
    if (HoldsAnyOf(group, kDigitsAndSigns) || HoldsAnyOf(group, kExponentLetters) ||
        decimal.find(group) != std::string::npos || group.find(decimal) != std::string::npos) {
        group.clear();
    }
    return settings;
}

}  // namespace level
