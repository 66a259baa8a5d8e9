#pragma once

#include "controls.h"

#include <cstdint>
#include <string>

// What the window tells a learner beside the bare digits. Texts here are UTF-8, unlike the
// Windows-1252 control texts: they need characters that code page lacks (⁷, −, ␊).

enum class CharacterKind { Null, Control, Printable, Special, Unassigned };

// Kind of the Windows-1252 character with the low eight bits of value as its code.
CharacterKind KindOfCharacter(std::int32_t value);
// What the character field draws for a text from FormatChar: nothing for NUL, a control
// picture for a control character or the space, a visible stand-in for characters that draw
// nothing, else the character itself. An empty text draws nothing.
std::string CharacterPicture(const std::string& text);
// The tooltip of a field showing text ("Zeichen 65: A", "LF – Zeilenvorschub" …); empty where the
// text is not what the handlers write into that field.
std::string ExplainField(Field field, const std::string& text);
