#pragma once

#include <cstdint>
#include <string>

// The four text fields: character, decimal, hexadecimal, octal.
enum class Field { Edit1, Edit2, Edit3, Edit4 };

// Which arrow of the stepper was clicked: up (btNext) or down (btPrev).
enum class TUDBtnType { btNext, btPrev };

// What the handlers may do to the window's controls. Texts are Windows-1252; a control shows a
// text up to its first NUL.
class FormControls {
public:
    virtual ~FormControls() = default;

    // Caption of switch n, 1..8 (switch n stands for bit n-1).
    virtual std::string SwitchCaption(int n) const = 0;
    virtual void SetSwitchCaption(int n, const std::string& caption) = 0;
    virtual void SetFieldText(Field field, const std::string& text) = 0;
    // Text of the decimal field as the control holds it.
    virtual std::string DecimalText() const = 0;
    // What the stepper shows now, including a step the user has just made.
    virtual std::int16_t UpDownPosition() const = 0;
    // Moves the stepper without raising its click event.
    virtual void SetUpDownPosition(std::int16_t position) = 0;
};
