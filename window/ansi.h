#pragma once

#include <QString>

#include <string>

// The window's edge between the handlers' Windows-1252 texts and Qt's strings.

// Decodes text up to its first NUL, as a control shows it.
QString FromAnsi(const std::string& text);
// Encodes text; a character Windows-1252 lacks becomes its substitute byte 0x1A.
std::string ToAnsi(const QString& text);
