#include "handlers.h"

#include "bytestate.h"

#include <stdexcept>

void ByteHandlers::FormCreate()
{
    for (char& position : BitPattern) {
        position = '0';
    }
}

void ByteHandlers::ToggleBit(int n)
{
    if (n < 1 || n > 8) {
        throw std::out_of_range("ToggleBit: no switch " + std::to_string(n));
    }
    if (controls_.SwitchCaption(n) == "0") {
        controls_.SetSwitchCaption(n, "1");
        BitPattern[n - 1] = '1';
    } else {
        controls_.SetSwitchCaption(n, "0");
        BitPattern[n - 1] = '0';
    }
    CurrentValue = PatternToValue();
    controls_.SetFieldText(Field::Edit2, FormatDecimal(CurrentValue));
    controls_.SetUpDownPosition(
        static_cast<std::int16_t>(static_cast<std::uint16_t>(CurrentValue)));
    // The fields below show what the stepper holds, read back from it.
    const std::int16_t shown = controls_.UpDownPosition();
    controls_.SetFieldText(Field::Edit3, FormatHex2(shown));
    controls_.SetFieldText(Field::Edit4, FormatOctal(shown));
    controls_.SetFieldText(Field::Edit1, FormatChar(controls_.UpDownPosition()));
}

void ByteHandlers::UpDown2Click(TUDBtnType /*button*/)
{
    controls_.SetFieldText(Field::Edit1, FormatChar(controls_.UpDownPosition()));
    controls_.SetFieldText(Field::Edit2, FormatDecimal(controls_.UpDownPosition()));
    const std::int16_t shown = controls_.UpDownPosition();
    controls_.SetFieldText(Field::Edit3, FormatHex2(shown));
    controls_.SetFieldText(Field::Edit4, FormatOctal(shown));
    // The value comes back from the decimal field, not from the stepper.
    CurrentValue = ParseDecimal(controls_.DecimalText());
    ValueToPattern(CurrentValue);
    for (int n = 1; n <= 8; ++n) {
        controls_.SetSwitchCaption(n, BitPattern[n - 1] == '1' ? "1" : "0");
    }
}
