#include "bytestate.h"

#include <limits>

char BitPattern[8] = {};
std::int32_t CurrentValue = 0;

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' ist kein g\xFCltiger Integerwert")
{
}

std::int32_t PatternToValue()
{
    std::int32_t value = 0;
    for (int i = 0; i < 8; ++i) {
        if (BitPattern[i] == '1') {
            value += 1 << i;
        }
    }
    return value;
}

void ValueToPattern(std::int32_t value)
{
    for (int i = 0; i < 8; ++i) {
        BitPattern[i] = (value >> i) & 1 ? '1' : '0';
    }
}

std::string FormatDecimal(std::int32_t value)
{
    return std::to_string(value);
}

namespace {

// Digits of the unsigned 32-bit reading of value in the given base, at least minDigits of them.
std::string FormatUnsigned(std::int32_t value, unsigned base, std::size_t minDigits)
{
    static const char digits[] = "0123456789ABCDEF";
    auto rest = static_cast<std::uint32_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), digits[rest % base]);
        rest /= base;
    } while (rest != 0);
    if (text.size() < minDigits) {
        text.insert(0, minDigits - text.size(), '0');
    }
    return text;
}

} // namespace

std::string FormatHex2(std::int32_t value)
{
    return FormatUnsigned(value, 16, 2);
}

std::string FormatOctal(std::int32_t value)
{
    return FormatUnsigned(value, 8, 1);
}

std::string FormatChar(std::int32_t value)
{
    return std::string(1, static_cast<char>(static_cast<unsigned char>(value & 0xFF)));
}

std::int32_t ParseDecimal(const std::string& text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        throw ConversionError(text);
    }
    // 64 bits hold INT32_MIN's magnitude; the bound stops a long run of digits early.
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            throw ConversionError(text);
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            throw ConversionError(text);
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        throw ConversionError(text);
    }
    return static_cast<std::int32_t>(value);
}
