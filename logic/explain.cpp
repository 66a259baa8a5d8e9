#include "explain.h"

#include "bytestate.h"

#include <array>

namespace {

struct ControlName {
    const char* abbreviation;
    const char* name;
};

// ASCII's control characters 0..31 with their German names.
constexpr std::array<ControlName, 32> kControls{{
    {"NUL", "Nullzeichen"},
    {"SOH", "Kopfanfang"},
    {"STX", "Textanfang"},
    {"ETX", "Textende"},
    {"EOT", "Ende der Übertragung"},
    {"ENQ", "Anfrage"},
    {"ACK", "Bestätigung"},
    {"BEL", "Klingel"},
    {"BS", "Rückschritt"},
    {"HT", "Horizontaler Tabulator"},
    {"LF", "Zeilenvorschub"},
    {"VT", "Vertikaler Tabulator"},
    {"FF", "Seitenvorschub"},
    {"CR", "Wagenrücklauf"},
    {"SO", "Dauerumschaltung"},
    {"SI", "Rückschaltung"},
    {"DLE", "Datenübertragungsumschaltung"},
    {"DC1", "Gerätesteuerung 1 (XON)"},
    {"DC2", "Gerätesteuerung 2"},
    {"DC3", "Gerätesteuerung 3 (XOFF)"},
    {"DC4", "Gerätesteuerung 4"},
    {"NAK", "Negative Bestätigung"},
    {"SYN", "Synchronisierung"},
    {"ETB", "Ende des Übertragungsblocks"},
    {"CAN", "Abbruch"},
    {"EM", "Ende des Mediums"},
    {"SUB", "Ersatz"},
    {"ESC", "Escape"},
    {"FS", "Dateitrenner"},
    {"GS", "Gruppentrenner"},
    {"RS", "Satztrenner"},
    {"US", "Einheitentrenner"},
}};

// Unicode of Windows-1252's codes 0x80..0x9F; 0 where the code page leaves a code unassigned.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string Utf8(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Unicode of a Windows-1252 code, 0 for the unassigned ones.
char32_t Unicode(int code)
{
    if (code >= 0x80 && code < 0xA0) {
        return kHighControls[static_cast<std::size_t>(code - 0x80)];
    }
    return static_cast<char32_t>(code);
}

int CodeOf(const std::string& text)
{
    return text.empty() ? 0 : static_cast<unsigned char>(text[0]);
}

std::string Number(int value)
{
    return std::to_string(value);
}

// A negative number with the typographic minus sign, as the tooltip prints it.
std::string Signed(int value)
{
    return value < 0 ? "\u2212" + Number(-value) : Number(value);
}

bool ParseDigits(const std::string& text, int base, int& value)
{
    if (text.empty() || text.size() > 3) {
        return false;
    }
    value = 0;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0 || digit >= base) {
            return false;
        }
        value = value * base + digit;
    }
    return value <= 255;
}

// "C8 hexadezimal = 12 · 16 + 8 = 200": each digit times its place value.
std::string ExplainPlaces(const std::string& text, int base, const char* baseName)
{
    int value = 0;
    if (!ParseDigits(text, base, value)) {
        return {};
    }
    if (text.size() == 1) {
        return text + " " + baseName + " = " + Number(value);
    }
    std::string sum;
    int place = 1;
    for (std::size_t i = 1; i < text.size(); ++i) {
        place *= base;
    }
    for (std::size_t i = 0; i < text.size(); ++i, place /= base) {
        int digit = 0;
        ParseDigits(text.substr(i, 1), base, digit);
        if (!sum.empty()) {
            sum += " + ";
        }
        sum += place == 1 ? Number(digit) : Number(digit) + " \u00B7 " + Number(place);
    }
    return text + " " + baseName + " = " + sum + " = " + Number(value);
}

std::string ExplainCharacter(int code)
{
    switch (KindOfCharacter(code)) {
    case CharacterKind::Null:
        return "NUL \u2013 Nullzeichen";
    case CharacterKind::Control: {
        const ControlName& control =
            code == 127 ? ControlName{"DEL", "Löschen"} : kControls[static_cast<std::size_t>(code)];
        return "Zeichen " + Number(code) + ": " + control.abbreviation + " \u2013 " + control.name;
    }
    case CharacterKind::Special:
        return "Zeichen " + Number(code) + ": " +
               (code == 160 ? "geschütztes Leerzeichen" : "bedingter Trennstrich");
    case CharacterKind::Unassigned:
        return "Zeichen " + Number(code) + ": in Windows-1252 nicht belegt";
    case CharacterKind::Printable:
        break;
    }
    return "Zeichen " + Number(code) + ": " + (code == 32 ? "Leerzeichen" : Utf8(Unicode(code)));
}

std::string ExplainDecimal(const std::string& text)
{
    std::int32_t value = 0;
    try {
        value = ParseDecimal(text);
    } catch (const ConversionError&) {
        return {};
    }
    if (value < 0 || value > 255) {
        return {};
    }
    return "Dezimal " + Number(value) + "; als Byte mit Vorzeichen (Zweierkomplement): " +
           Signed(value < 128 ? value : value - 256);
}

} // namespace

CharacterKind KindOfCharacter(std::int32_t value)
{
    const int code = value & 0xFF;
    if (code == 0) {
        return CharacterKind::Null;
    }
    if (code < 32 || code == 127) {
        return CharacterKind::Control;
    }
    if (code == 160 || code == 173) {
        return CharacterKind::Special;
    }
    if (Unicode(code) == 0) {
        return CharacterKind::Unassigned;
    }
    return CharacterKind::Printable;
}

std::string CharacterPicture(const std::string& text)
{
    const int code = CodeOf(text);
    switch (KindOfCharacter(code)) {
    case CharacterKind::Null:
        return {};
    case CharacterKind::Control:
        return Utf8(code == 127 ? 0x2421 : 0x2400 + static_cast<char32_t>(code));
    case CharacterKind::Special:
        // Both draw nothing by themselves: the open box for the no-break space, a hyphen.
        return Utf8(code == 160 ? 0x237D : 0x2010);
    case CharacterKind::Unassigned:
        return Utf8(0xFFFD);
    case CharacterKind::Printable:
        break;
    }
    return Utf8(code == 32 ? 0x2420 : Unicode(code));
}

std::string ExplainField(Field field, const std::string& text)
{
    switch (field) {
    case Field::Edit1:
        return text.size() <= 1 ? ExplainCharacter(CodeOf(text)) : std::string();
    case Field::Edit2:
        return ExplainDecimal(text);
    case Field::Edit3:
        return ExplainPlaces(text, 16, "hexadezimal");
    case Field::Edit4:
        return ExplainPlaces(text, 8, "oktal");
    }
    return {};
}
