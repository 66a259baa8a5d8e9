#include "explain.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(Field)

class TestExplain : public QObject {
    Q_OBJECT

private slots:
    void fieldTooltips_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<std::string>("text");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("NUL") << Field::Edit1 << std::string(1, '\0')
                             << QStringLiteral("NUL – Nullzeichen");
        QTest::newRow("empty field at start is NUL")
            << Field::Edit1 << std::string() << QStringLiteral("NUL – Nullzeichen");
        QTest::newRow("printable A")
            << Field::Edit1 << std::string("A") << QStringLiteral("Zeichen 65: A");
        QTest::newRow("euro from the upper half")
            << Field::Edit1 << std::string("\x80") << QStringLiteral("Zeichen 128: €");
        QTest::newRow("space is named")
            << Field::Edit1 << std::string(" ") << QStringLiteral("Zeichen 32: Leerzeichen");
        QTest::newRow("LF") << Field::Edit1 << std::string("\n")
                            << QStringLiteral("Zeichen 10: LF – Zeilenvorschub");
        QTest::newRow("ESC") << Field::Edit1 << std::string("\x1B")
                             << QStringLiteral("Zeichen 27: ESC – Escape");
        QTest::newRow("DEL") << Field::Edit1 << std::string("\x7F")
                             << QStringLiteral("Zeichen 127: DEL – Löschen");
        QTest::newRow("no-break space") << Field::Edit1 << std::string("\xA0")
                                        << QStringLiteral("Zeichen 160: geschütztes Leerzeichen");
        QTest::newRow("soft hyphen") << Field::Edit1 << std::string("\xAD")
                                     << QStringLiteral("Zeichen 173: bedingter Trennstrich");
        QTest::newRow("unassigned 0x81")
            << Field::Edit1 << std::string("\x81")
            << QStringLiteral("Zeichen 129: in Windows-1252 nicht belegt");
        QTest::newRow("decimal 200 is -56 signed")
            << Field::Edit2 << std::string("200")
            << QStringLiteral("Dezimal 200; als Byte mit Vorzeichen (Zweierkomplement): −56");
        QTest::newRow("decimal 128 is -128 signed")
            << Field::Edit2 << std::string("128")
            << QStringLiteral("Dezimal 128; als Byte mit Vorzeichen (Zweierkomplement): −128");
        QTest::newRow("decimal 127 stays positive")
            << Field::Edit2 << std::string("127")
            << QStringLiteral("Dezimal 127; als Byte mit Vorzeichen (Zweierkomplement): 127");
        QTest::newRow("decimal not a number") << Field::Edit2 << std::string("abc") << QString();
        QTest::newRow("decimal out of byte range")
            << Field::Edit2 << std::string("256") << QString();
        QTest::newRow("hex C8") << Field::Edit3 << std::string("C8")
                                << QStringLiteral("C8 hexadezimal = 12 · 16 + 8 = 200");
        QTest::newRow("hex one digit at start")
            << Field::Edit3 << std::string("0") << QStringLiteral("0 hexadezimal = 0");
        QTest::newRow("hex lower case is not ours")
            << Field::Edit3 << std::string("c8") << QString();
        QTest::newRow("octal 310") << Field::Edit4 << std::string("310")
                                   << QStringLiteral("310 oktal = 3 · 64 + 1 · 8 + 0 = 200");
        QTest::newRow("octal refuses 8") << Field::Edit4 << std::string("18") << QString();
    }

    void fieldTooltips()
    {
        QFETCH(Field, field);
        QFETCH(std::string, text);
        QFETCH(QString, tooltip);
        QCOMPARE(QString::fromStdString(ExplainField(field, text)), tooltip);
    }

    void picturesNeverLookEmptyButForNul()
    {
        QCOMPARE(CharacterPicture(std::string(1, '\0')), std::string());
        QCOMPARE(CharacterPicture(std::string()), std::string());
        for (int code = 1; code < 256; ++code) {
            const QString picture =
                QString::fromStdString(CharacterPicture(std::string(1, static_cast<char>(code))));
            QCOMPARE(picture.size(), 1);
            QVERIFY2(picture.at(0).isPrint() && !picture.at(0).isSpace(),
                     qPrintable(QStringLiteral("code %1").arg(code)));
        }
    }
};

QTEST_APPLESS_MAIN(TestExplain)
#include "tst_explain.moc"
