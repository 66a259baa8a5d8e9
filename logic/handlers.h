#pragma once

#include "controls.h"

// The window's event handlers. They keep BitPattern, CurrentValue, the switches, the stepper and
// the fields agreeing on one value, touching the controls only through FormControls.
class ByteHandlers {
public:
    // controls must outlive this object; it is not used during construction.
    explicit ByteHandlers(FormControls& controls) : controls_(controls) {}

    // Once, before the window is first shown: all eight positions '0'; touches no control.
    void FormCreate();

    // Switch n, 1..8, flips bit n-1 and brings value, stepper and fields in line.
    // Refuses any other n with std::out_of_range, touching nothing.
    void ToggleBit(int n);
    void Button1Click() { ToggleBit(1); }
    void Button2Click() { ToggleBit(2); }
    void Button3Click() { ToggleBit(3); }
    void Button4Click() { ToggleBit(4); }
    void Button5Click() { ToggleBit(5); }
    void Button6Click() { ToggleBit(6); }
    void Button7Click() { ToggleBit(7); }
    void Button8Click() { ToggleBit(8); }

    // After the stepper has moved: fields, then value parsed back from Edit2, then the switches.
    // Throws ConversionError when Edit2 does not hold a number; switches and pattern stay as
    // they were. The arrow clicked does not matter.
    void UpDown2Click(TUDBtnType button);

private:
    FormControls& controls_;
};
