#include "bytestate.h"

#include <QtTest>

#include <cstring>
#include <limits>

Q_DECLARE_METATYPE(std::string)

namespace {

// Pattern text lists positions 0..7 in that order.
void SetPattern(const QByteArray& positions)
{
    QCOMPARE_EQ(positions.size(), 8);
    std::memcpy(BitPattern, positions.constData(), 8);
}

QByteArray Pattern()
{
    return QByteArray(BitPattern, 8);
}

std::string Bytes(const char* text, std::size_t size)
{
    return std::string(text, size);
}

} // namespace

class TestByteState : public QObject {
    Q_OBJECT

private slots:
    void patternToValue_data();
    void patternToValue();
    void valueToPattern_data();
    void valueToPattern();
    void roundTripsOverEveryByte();
    void formatDecimal_data();
    void formatDecimal();
    void formatHex2_data();
    void formatHex2();
    void formatOctal_data();
    void formatOctal();
    void formatChar_data();
    void formatChar();
    void parseDecimalAccepts_data();
    void parseDecimalAccepts();
    void parseDecimalRefuses_data();
    void parseDecimalRefuses();
};

void TestByteState::patternToValue_data()
{
    QTest::addColumn<QByteArray>("positions");
    QTest::addColumn<int>("value");
    QTest::newRow("all clear") << QByteArray("00000000") << 0;
    QTest::newRow("all set") << QByteArray("11111111") << 255;
    QTest::newRow("only position 7 is 128") << QByteArray("00000001") << 128;
    QTest::newRow("positions 0 and 7 are 129") << QByteArray("10000001") << 129;
    QTest::newRow("positions 0 and 6 are 65") << QByteArray("10000010") << 65;
    QTest::newRow("zero-filled counts as clear") << QByteArray(8, '\0') << 0;
    QTest::newRow("only '1' counts as set") << QByteArray("x1 \x01"
                                                          "0\xFF"
                                                          "1T")
                                            << 2 + 64;
}

void TestByteState::patternToValue()
{
    QFETCH(QByteArray, positions);
    QFETCH(int, value);
    SetPattern(positions);
    QCOMPARE(PatternToValue(), value);
    QCOMPARE(Pattern(), positions); // reading changes nothing
}

void TestByteState::valueToPattern_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("1 after all set leaves only position 0")
        << QByteArray("11111111") << 1 << QByteArray("10000000");
    QTest::newRow("0 clears every position")
        << QByteArray("11111111") << 0 << QByteArray("00000000");
    QTest::newRow("0 writes '0' over zero-fill")
        << QByteArray(8, '\0') << 0 << QByteArray("00000000");
    QTest::newRow("foreign characters are overwritten")
        << QByteArray("xyzxyzxy") << 0xA5 << QByteArray("10100101");
    QTest::newRow("bits above 7 are not looked at")
        << QByteArray("00000000") << 0x300 + 0x81 << QByteArray("10000001");
    QTest::newRow("negative value uses its low bits")
        << QByteArray("00000000") << -1 << QByteArray("11111111");
}

void TestByteState::valueToPattern()
{
    QFETCH(QByteArray, before);
    QFETCH(int, value);
    QFETCH(QByteArray, after);
    SetPattern(before);
    ValueToPattern(value);
    QCOMPARE(Pattern(), after);
}

void TestByteState::roundTripsOverEveryByte()
{
    SetPattern("11111111");
    for (int value = 0; value <= 255; ++value) {
        ValueToPattern(value);
        QCOMPARE(PatternToValue(), value);
        QCOMPARE(ParseDecimal(FormatDecimal(value)), value);
        QCOMPARE(FormatHex2(value).size(), std::size_t{2});
        QCOMPARE(std::stoi(FormatHex2(value), nullptr, 16), value);
        QCOMPARE(std::stoi(FormatOctal(value), nullptr, 8), value);
        QCOMPARE(static_cast<unsigned char>(FormatChar(value).at(0)), value);
    }
}

void TestByteState::formatDecimal_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<std::string>("text");
    QTest::newRow("zero") << 0 << std::string("0");
    QTest::newRow("one digit") << 7 << std::string("7");
    QTest::newRow("largest byte") << 255 << std::string("255");
    QTest::newRow("negative has a minus") << -56 << std::string("-56");
    QTest::newRow("smallest int32")
        << std::numeric_limits<int>::min() << std::string("-2147483648");
}

void TestByteState::formatDecimal()
{
    QFETCH(int, value);
    QFETCH(std::string, text);
    QCOMPARE(FormatDecimal(value), text);
    QCOMPARE(ParseDecimal(text), value);
}

void TestByteState::formatHex2_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<std::string>("text");
    QTest::newRow("zero is padded") << 0 << std::string("00");
    QTest::newRow("ten is padded 0A") << 10 << std::string("0A");
    QTest::newRow("upper-case letters") << 171 << std::string("AB");
    QTest::newRow("largest byte") << 255 << std::string("FF");
    QTest::newRow("more digits when needed") << 0x1234 << std::string("1234");
    QTest::newRow("negative as two's complement") << -1 << std::string("FFFFFFFF");
}

void TestByteState::formatHex2()
{
    QFETCH(int, value);
    QFETCH(std::string, text);
    QCOMPARE(FormatHex2(value), text);
}

void TestByteState::formatOctal_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<std::string>("text");
    QTest::newRow("zero is one digit") << 0 << std::string("0");
    QTest::newRow("seven") << 7 << std::string("7");
    QTest::newRow("eight carries") << 8 << std::string("10");
    QTest::newRow("A is 101") << 65 << std::string("101");
    QTest::newRow("largest byte") << 255 << std::string("377");
}

void TestByteState::formatOctal()
{
    QFETCH(int, value);
    QFETCH(std::string, text);
    QCOMPARE(FormatOctal(value), text);
}

void TestByteState::formatChar_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<std::string>("text");
    QTest::newRow("0 is one NUL") << 0 << Bytes("\0", 1);
    QTest::newRow("65 is A") << 65 << std::string("A");
    QTest::newRow("128 is the euro byte") << 128 << std::string("\x80");
    QTest::newRow("255 is y diaeresis byte") << 255 << std::string("\xFF");
    QTest::newRow("only the low eight bits count") << 0x141 << std::string("A");
}

void TestByteState::formatChar()
{
    QFETCH(int, value);
    QFETCH(std::string, text);
    QCOMPARE(FormatChar(value), text);
}

void TestByteState::parseDecimalAccepts_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << std::string("255") << 255;
    QTest::newRow("plus sign") << std::string("+7") << 7;
    QTest::newRow("minus sign") << std::string("-12") << -12;
    QTest::newRow("leading zeros") << std::string("007") << 7;
    QTest::newRow("largest int32") << std::string("2147483647") << std::numeric_limits<int>::max();
    QTest::newRow("smallest int32")
        << std::string("-2147483648") << std::numeric_limits<int>::min();
}

void TestByteState::parseDecimalAccepts()
{
    QFETCH(std::string, text);
    QFETCH(int, value);
    QCOMPARE(ParseDecimal(text), value);
}

void TestByteState::parseDecimalRefuses_data()
{
    QTest::addColumn<std::string>("text");
    QTest::newRow("empty") << std::string();
    QTest::newRow("sign alone") << std::string("-");
    QTest::newRow("leading space") << std::string(" 1");
    QTest::newRow("trailing space") << std::string("1 ");
    QTest::newRow("letters") << std::string("abc");
    QTest::newRow("digits then letter") << std::string("12a");
    QTest::newRow("hex prefix 0x") << std::string("0x10");
    QTest::newRow("hex prefix $") << std::string("$FF");
    QTest::newRow("decimal point") << std::string("1.5");
    QTest::newRow("two signs") << std::string("+-1");
    QTest::newRow("one above int32") << std::string("2147483648");
    QTest::newRow("one below int32") << std::string("-2147483649");
    QTest::newRow("far too many digits") << std::string("99999999999999999999999");
    QTest::newRow("embedded NUL") << Bytes("1\0"
                                           "2",
                                           3);
    QTest::newRow("Windows-1252 letter") << std::string("\xFC");
}

void TestByteState::parseDecimalRefuses()
{
    QFETCH(std::string, text);
    try {
        ParseDecimal(text);
        QFAIL("no ConversionError");
    } catch (const ConversionError& error) {
        // what() is a C string: like every text on screen it ends at a NUL.
        const std::string message = "'" + text + "' ist kein g\xFCltiger Integerwert";
        QCOMPARE(std::string(error.what()), message.substr(0, message.find('\0')));
    }
}

QTEST_APPLESS_MAIN(TestByteState)
#include "tst_bytestate.moc"
