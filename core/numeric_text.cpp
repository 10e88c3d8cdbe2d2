#include "core/numeric_text.h"

#include <fast_float/fast_float.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/conversion_error.h"
#include "core/number_syntax.h"

namespace level {
namespace {

constexpr int kCurrencyDecimals = Currency::kDecimals;
constexpr std::uint64_t kMagnitudeLimit = Currency::kMagnitudeLimit;

NumberText ScanOrThrow(std::string_view text, const RegionalSettings& settings)
{
    auto number = ScanNumber(text, settings);
    if (!number) {
        throw ConversionError(ErrorKind::TypeMismatch);
    }
    return *std::move(number);
}

// The number in the plain ASCII form fast_float reads. Short numbers stay
// within the string's own buffer, so reading them allocates nothing.
std::string ToChars(const NumberText& number)
{
    std::string chars;
    if (number.negative) {
        chars += '-';
    }
    chars += number.integerDigits.empty() ? "0" : number.integerDigits;
    if (!number.fractionDigits.empty()) {
        chars += '.';
        chars += number.fractionDigits;
    }
    if (number.exponent != 0) {
        std::array<char, 24> exponent{};
        exponent[0] = 'e';
        const auto end =
            std::to_chars(exponent.data() + 1, exponent.data() + exponent.size(), number.exponent)
                .ptr;
        chars.append(exponent.data(), end);
    }
    return chars;
}

// The nearest double to a decimal text in plain ASCII form. fast_float is
// compiled with the build's own flags, so the result is the same on every
// build; a library's precompiled strtod or from_chars may have been built
// for the x87 and round twice. An infinite result means the value lies
// beyond the double range.
double NearestDouble(std::string_view chars)
{
    double value = 0.0;
    const auto result = fast_float::from_chars(chars.data(), chars.data() + chars.size(), value);
    if (result.ptr != chars.data() + chars.size()) {
        throw ConversionError(ErrorKind::TypeMismatch);
    }
    return value;
}

// Whether the digits after the kept ones are more than, exactly or less than
// half a unit of the last kept digit: +1, 0 or -1.
int CompareRestWithHalf(std::string_view rest)
{
    if (rest.empty() || rest.front() < '5') {
        return -1;
    }
    if (rest.front() > '5') {
        return 1;
    }
    return rest.find_first_not_of('0', 1) == std::string_view::npos ? 0 : 1;
}

// The magnitude of the number in ten-thousandths, rounded half to even, or
// nothing when it is 2^64 or more.
std::optional<std::uint64_t> ScaledMagnitude(const NumberText& number)
{
    std::string digits = number.integerDigits + number.fractionDigits;
    const auto firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) {
        return 0;
    }
    digits.erase(0, firstSignificant);
    // Position of the decimal point after scaling, counted in digits from the
    // first significant one.
    const std::int64_t point = static_cast<std::int64_t>(number.integerDigits.size()) -
                               static_cast<std::int64_t>(firstSignificant) + number.exponent +
                               kCurrencyDecimals;
    if (point > std::numeric_limits<std::uint64_t>::digits10 + 1) {
        return std::nullopt;
    }
    if (point < 0) {
        return 0;
    }
    const auto kept = static_cast<std::size_t>(point);
    if (digits.size() < kept) {
        digits.append(kept - digits.size(), '0');
    }
    std::uint64_t magnitude = 0;
    if (kept > 0) {
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + kept, magnitude);
        if (error != std::errc{}) {
            return std::nullopt;
        }
    }
    const int rest = CompareRestWithHalf(std::string_view(digits).substr(kept));
    if (rest > 0 || (rest == 0 && magnitude % 2 == 1)) {
        if (magnitude == std::numeric_limits<std::uint64_t>::max()) {
            return std::nullopt;
        }
        ++magnitude;
    }
    return magnitude;
}

// The common form read straight: an optional '-', digits, and at most one
// decimal separator of one character, nothing else, short enough for a
// buffer; such a text needs no taking apart, and reads the same either way.
// Nothing for any other text.
std::optional<double> ReadPlainNumber(std::string_view text, const RegionalSettings& settings)
{
    constexpr std::size_t kLongestPlain = 40;
    const std::string_view decimal = settings.decimalSeparator;
    if (text.empty() || text.size() > kLongestPlain || decimal.size() != 1 ||
        !DecimalSeparatorWorks(decimal)) {
        return std::nullopt;  // a separator that could be read as part of the number
    }
    const char separator = decimal.front();
    bool digit = false;
    bool separated = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == separator && !separated) {
            separated = true;
        } else if (!(c == '-' && i == 0)) {
            return std::nullopt;
        }
    }
    // fast_float reads the user's separator itself.
    double value = 0.0;
    const auto read = fast_float::from_chars_advanced(
        text.data(), text.data() + text.size(), value,
        fast_float::parse_options(fast_float::chars_format::general, separator));
    if (!digit || read.ptr != text.data() + text.size() || std::isinf(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

double ParseDouble(std::string_view text, const RegionalSettings& settings)
{
    if (const auto plain = ReadPlainNumber(text, settings)) {
        return *plain;
    }
    const NumberText number = ScanOrThrow(text, settings);
    const double value = NearestDouble(ToChars(number));
    if (std::isinf(value)) {
        throw ConversionError(ErrorKind::Overflow);
    }
    return value;
}

Currency ParseCurrency(std::string_view text, const RegionalSettings& settings)
{
    const NumberText number = ScanOrThrow(text, settings);
    const auto magnitude = ScaledMagnitude(number);
    if (!magnitude || *magnitude > kMagnitudeLimit ||
        (*magnitude == kMagnitudeLimit && !number.negative)) {
        throw ConversionError(ErrorKind::Overflow);
    }
    if (number.negative) {
        // Negated in unsigned arithmetic so that -2^63 needs no special case.
        return Currency{static_cast<std::int64_t>(std::uint64_t{0} - *magnitude)};
    }
    return Currency{static_cast<std::int64_t>(*magnitude)};
}

double CurrencyToDouble(Currency amount)
{
    constexpr std::int64_t kExactLimit = std::int64_t{1} << std::numeric_limits<double>::digits;
    if (amount.units >= -kExactLimit && amount.units <= kExactLimit) {
        // Both operands are exact, so the one rounding of the division gives
        // the nearest double.
        return static_cast<double>(amount.units) / static_cast<double>(Currency::kScale);
    }
    // Beyond 2^53 the integer itself would round first; round the decimal
    // value once instead.
    std::array<char, 32> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size() - 3, amount.units).ptr;
    *end++ = 'e';
    *end++ = '-';
    *end++ = static_cast<char>('0' + kCurrencyDecimals);
    return NearestDouble(
        std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

Currency RoundToCurrency(double value)
{
    const double scaled = value * static_cast<double>(Currency::kScale);
    // The default rounding mode rounds to nearest with ties to even.
    const double rounded = std::nearbyint(scaled);
    constexpr auto kLimit = static_cast<double>(Currency::kMagnitudeLimit);
    if (!std::isfinite(rounded) || rounded < -kLimit || rounded >= kLimit) {
        throw ConversionError(ErrorKind::Overflow);
    }
    return Currency{static_cast<std::int64_t>(rounded)};
}

std::string FormatCurrency(Currency amount, const RegionalSettings& settings)
{
    const bool negative = amount.units < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t{0} - static_cast<std::uint64_t>(amount.units)
                 : static_cast<std::uint64_t>(amount.units);
    const auto scale = static_cast<std::uint64_t>(Currency::kScale);

    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / scale);

    std::uint64_t fraction = magnitude % scale;
    if (fraction == 0) {
        return text;
    }
    int digits = kCurrencyDecimals;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    const std::string fractionText = std::to_string(fraction);
    text += settings.decimalSeparator;
    text.append(static_cast<std::size_t>(digits) - fractionText.size(), '0');
    text += fractionText;
    return text;
}

}  // namespace level
