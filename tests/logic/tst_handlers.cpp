#include "bytestate.h"
#include "handlers.h"

#include <QtTest>

#include <array>
#include <random>
#include <vector>

namespace {

const char* FieldName(Field field)
{
    switch (field) {
    case Field::Edit1:
        return "Edit1";
    case Field::Edit2:
        return "Edit2";
    case Field::Edit3:
        return "Edit3";
    case Field::Edit4:
        return "Edit4";
    }
    return "?";
}

// Controls as the layout starts them, recording every write and every read of the stepper or
// the decimal field in order. The stepper honours its bounds like the real one.
class FakeControls : public FormControls {
public:
    std::array<std::string, 9> captions{"", "0", "0", "0", "0", "0", "0", "0", "0"};
    std::array<std::string, 4> fields{"", "0", "0", "0"};
    std::int16_t position = 0;
    // When set, the decimal field reads back as this whatever was written to it.
    const char* decimalReadsAs = nullptr;
    mutable std::vector<std::string> log;

    std::string SwitchCaption(int n) const override { return captions.at(n); }
    void SetSwitchCaption(int n, const std::string& caption) override
    {
        captions.at(n) = caption;
        log.push_back("Button" + std::to_string(n) + "=" + caption);
    }
    void SetFieldText(Field field, const std::string& text) override
    {
        fields.at(static_cast<std::size_t>(field)) = text;
        log.push_back(std::string(FieldName(field)) + "=" + Printable(text));
    }
    std::string DecimalText() const override
    {
        log.push_back("read Edit2");
        return decimalReadsAs ? decimalReadsAs : fields[1];
    }
    std::int16_t UpDownPosition() const override
    {
        log.push_back("read UpDown2");
        return position;
    }
    void SetUpDownPosition(std::int16_t p) override
    {
        position = p;
        log.push_back("UpDown2=" + std::to_string(p));
    }

    std::string Text(Field field) const { return fields.at(static_cast<std::size_t>(field)); }
    // Switch captions as the window shows them, Button8 at the left.
    std::string Binary() const
    {
        std::string text;
        for (int n = 8; n >= 1; --n) {
            text += captions.at(n);
        }
        return text;
    }

private:
    static std::string Printable(const std::string& text)
    {
        std::string out;
        for (unsigned char c : text) {
            out +=
                c >= 32 && c < 127 ? std::string(1, static_cast<char>(c)) : "#" + std::to_string(c);
        }
        return out;
    }
};

} // namespace

class TestHandlers : public QObject {
    Q_OBJECT

    FakeControls* fake = nullptr;
    ByteHandlers* handlers = nullptr;

    // A click on the stepper's arrow as the control does it: no move and no event at a bound.
    void ClickArrow(TUDBtnType arrow)
    {
        const int next = fake->position + (arrow == TUDBtnType::btNext ? 1 : -1);
        if (next < 0 || next > 255) {
            return;
        }
        fake->position = static_cast<std::int16_t>(next);
        handlers->UpDown2Click(arrow);
    }

    // Events in a script: "8" presses Button8, "+" clicks the up arrow, "-" the down arrow.
    void Play(const QByteArray& script)
    {
        for (char event : script) {
            if (event == '+' || event == '-') {
                ClickArrow(event == '+' ? TUDBtnType::btNext : TUDBtnType::btPrev);
            } else if (event >= '1' && event <= '8') {
                handlers->ToggleBit(event - '0');
            }
        }
    }

    // Everything the window shows and the state behind it tell the same value.
    void VerifyAgree(int value)
    {
        QCOMPARE(CurrentValue, value);
        QCOMPARE(PatternToValue(), value);
        QCOMPARE(int{fake->position}, value);
        QCOMPARE(std::stoi(fake->Binary(), nullptr, 2), value);
        QCOMPARE(fake->Text(Field::Edit2), FormatDecimal(value));
        QCOMPARE(fake->Text(Field::Edit3), FormatHex2(value));
        QCOMPARE(fake->Text(Field::Edit4), FormatOctal(value));
        QCOMPARE(fake->Text(Field::Edit1), FormatChar(value));
    }

private slots:
    void init()
    {
        std::fill(std::begin(BitPattern), std::end(BitPattern), '\0');
        CurrentValue = 0;
        fake = new FakeControls;
        handlers = new ByteHandlers(*fake);
        handlers->FormCreate();
    }
    void cleanup()
    {
        delete handlers;
        delete fake;
    }

    void formCreateClearsPatternAndTouchesNoControl()
    {
        QCOMPARE(QByteArray(BitPattern, 8), QByteArray("00000000"));
        QVERIFY(fake->log.empty());
        QCOMPARE(fake->Text(Field::Edit3), std::string("0")); // the layout's one digit
    }

    void scenarios_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("value");
        QTest::addColumn<std::string>("binary");
        QTest::addColumn<std::string>("hex");
        QTest::newRow("Button1 once")
            << QByteArray("1") << 1 << std::string("00000001") << std::string("01");
        QTest::newRow("Button1 twice shows two hex digits")
            << QByteArray("11") << 0 << std::string("00000000") << std::string("00");
        QTest::newRow("Button8 then Button1")
            << QByteArray("81") << 129 << std::string("10000001") << std::string("81");
        QTest::newRow("all eight")
            << QByteArray("12345678") << 255 << std::string("11111111") << std::string("FF");
        QTest::newRow("Button7 and Button1 give A")
            << QByteArray("71") << 65 << std::string("01000001") << std::string("41");
        QTest::newRow("200 then one step up")
            << QByteArray("874+") << 201 << std::string("11001001") << std::string("C9");
        QTest::newRow("0 up to 3 and back to 1")
            << QByteArray("+++--") << 1 << std::string("00000001") << std::string("01");
        QTest::newRow("down arrow at 0 after a step down")
            << QByteArray("+--") << 0 << std::string("00000000") << std::string("00");
        QTest::newRow("up arrow at 255 changes nothing")
            << QByteArray("12345678++") << 255 << std::string("11111111") << std::string("FF");
        QTest::newRow("step up from a switch value")
            << QByteArray("8++") << 130 << std::string("10000010") << std::string("82");
    }

    void scenarios()
    {
        QFETCH(QByteArray, script);
        QFETCH(int, value);
        QFETCH(std::string, binary);
        QFETCH(std::string, hex);
        Play(script);
        QCOMPARE(fake->Binary(), binary);
        QCOMPARE(fake->Text(Field::Edit3), hex);
        VerifyAgree(value);
    }

    void boundsRaiseNoEvent()
    {
        ClickArrow(TUDBtnType::btPrev);
        QVERIFY(fake->log.empty());
        Play("12345678");
        fake->log.clear();
        ClickArrow(TUDBtnType::btNext);
        QVERIFY(fake->log.empty());
    }

    void valueZeroLeavesCharacterFieldEmptyOnScreen()
    {
        Play("1+--");
        // One NUL: the control shows nothing of it.
        QCOMPARE(fake->Text(Field::Edit1), std::string(1, '\0'));
    }

    void switchHandlerOrder()
    {
        Play("8");
        const std::vector<std::string> expected{"Button8=1",    "Edit2=128", "UpDown2=128",
                                                "read UpDown2", "Edit3=80",  "Edit4=200",
                                                "read UpDown2", "Edit1=#128"};
        QCOMPARE(fake->log, expected);
    }

    void switchHandlerTakesLow16BitsForStepper()
    {
        // Not reachable in use; the stepper is given the value's low 16 bits.
        Play("8");
        QCOMPARE(fake->position, std::int16_t{128});
    }

    void stepperHandlerOrder()
    {
        fake->position = 66;
        handlers->UpDown2Click(TUDBtnType::btNext);
        const std::vector<std::string> expected{
            "read UpDown2", "Edit1=B",    "read UpDown2", "Edit2=66",  "read UpDown2", "Edit3=42",
            "Edit4=102",    "read Edit2", "Button1=0",    "Button2=1", "Button3=0",    "Button4=0",
            "Button5=0",    "Button6=0",  "Button7=1",    "Button8=0"};
        QCOMPARE(fake->log, expected);
        VerifyAgree(66);
    }

    void stepperValueComesFromDecimalField()
    {
        fake->position = 3;
        fake->decimalReadsAs = "129";
        handlers->UpDown2Click(TUDBtnType::btNext);
        QCOMPARE(CurrentValue, 129);
        QCOMPARE(fake->Binary(), std::string("10000001"));
    }

    void conversionErrorLeavesSwitchesAlone()
    {
        Play("3");
        fake->log.clear();
        fake->position = 5;
        fake->decimalReadsAs = "abc";
        try {
            handlers->UpDown2Click(TUDBtnType::btNext);
            QFAIL("no ConversionError");
        } catch (const ConversionError& error) {
            QCOMPARE(std::string(error.what()),
                     std::string("'abc' ist kein g\xFCltiger Integerwert"));
        }
        QCOMPARE(fake->Binary(), std::string("00000100"));
        QCOMPARE(QByteArray(BitPattern, 8), QByteArray("00100000"));
        QCOMPARE(CurrentValue, 4);
        QCOMPARE(fake->log.back(), std::string("read Edit2"));
    }

    void toggleBitRefusesUnknownSwitch_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("0") << 0;
        QTest::newRow("9") << 9;
        QTest::newRow("negative") << -1;
    }

    void toggleBitRefusesUnknownSwitch()
    {
        QFETCH(int, n);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, handlers->ToggleBit(n));
        QVERIFY(fake->log.empty());
        QCOMPARE(QByteArray(BitPattern, 8), QByteArray("00000000"));
    }

    void randomEventsKeepEverythingAgreeing()
    {
        std::mt19937 random(20261211);
        std::uniform_int_distribution<int> pick(0, 9);
        for (int event = 0; event < 5000; ++event) {
            const int choice = pick(random);
            if (choice < 8) {
                handlers->ToggleBit(choice + 1);
            } else {
                ClickArrow(choice == 8 ? TUDBtnType::btNext : TUDBtnType::btPrev);
            }
            if (fake->log.empty()) {
                continue; // only arrows at a bound so far: nothing written yet
            }
            VerifyAgree(fake->position);
            if (QTest::currentTestFailed()) {
                qWarning("after event %d", event);
                return;
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestHandlers)
#include "tst_handlers.moc"
