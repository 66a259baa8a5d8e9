#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Texts here are 8-bit Windows-1252 strings, the character set of the window's fonts.

// Position i stands for bit i: '1' is set, anything else is clear. Zero-filled at start.
extern char BitPattern[8];
// The byte's value as last computed by a handler; 0 at start, 0..255 in use.
extern std::int32_t CurrentValue;

// Thrown by ParseDecimal. what() is Windows-1252, like the text it quotes: "'<text>' ist kein
// gültiger Integerwert" with the ü as byte 0xFC.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text);
};

// Sum of the weights 2^i of the positions of BitPattern that hold '1': 0..255. Reads only.
std::int32_t PatternToValue();
// Rewrites all eight positions from bits 0..7 of value; higher bits are ignored.
void ValueToPattern(std::int32_t value);
// Decimal digits without leading zeros, '-' before a negative value.
std::string FormatDecimal(std::int32_t value);
// Upper-case base 16, at least two digits; a negative value shows its 32-bit two's complement.
std::string FormatHex2(std::int32_t value);
// Base 8 without leading zeros; a negative value shows its 32-bit two's complement.
std::string FormatOctal(std::int32_t value);
// Exactly one character whose code is the low eight bits of value; NUL for 0.
std::string FormatChar(std::int32_t value);
// An optional '+' or '-' and at least one decimal digit, nothing else, within the signed 32-bit
// range; refuses anything else (empty, spaces, letters, prefixes, overflow) with ConversionError.
std::int32_t ParseDecimal(const std::string& text);
