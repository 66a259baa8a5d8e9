#include "bytestate.h"
#include "tapplication.h"
#include "tform1.h"
#include "tupdown.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

struct Place {
    const char* name;
    const char* parent;
    QRect rect;
};

// Every control of the layout: its parent and its rectangle in the parent's client area.
const Place kLayout[] = {
    {"Panel1", "Form1", {0, 0, 601, 433}},
    {"GroupBox1", "Panel1", {8, 24, 585, 129}},
    {"Button8", "GroupBox1", {24, 40, 41, 41}},
    {"Button7", "GroupBox1", {96, 40, 43, 41}},
    {"Button6", "GroupBox1", {168, 40, 43, 41}},
    {"Button5", "GroupBox1", {240, 40, 43, 41}},
    {"Button4", "GroupBox1", {312, 40, 43, 41}},
    {"Button3", "GroupBox1", {384, 40, 49, 41}},
    {"Button2", "GroupBox1", {456, 40, 41, 41}},
    {"Button1", "GroupBox1", {528, 40, 41, 41}},
    {"StaticText8", "GroupBox1", {32, 16, 25, 17}},
    {"StaticText7", "GroupBox1", {104, 16, 25, 17}},
    {"StaticText6", "GroupBox1", {176, 16, 25, 17}},
    {"StaticText5", "GroupBox1", {248, 16, 25, 17}},
    {"StaticText4", "GroupBox1", {320, 16, 25, 17}},
    {"StaticText3", "GroupBox1", {392, 16, 25, 17}},
    {"StaticText2", "GroupBox1", {464, 16, 25, 17}},
    {"StaticText1", "GroupBox1", {536, 16, 25, 17}},
    {"StaticText16", "GroupBox1", {16, 96, 49, 24}},
    {"StaticText15", "GroupBox1", {96, 96, 39, 24}},
    {"StaticText14", "GroupBox1", {168, 96, 39, 24}},
    {"StaticText13", "GroupBox1", {240, 96, 39, 24}},
    {"StaticText12", "GroupBox1", {320, 96, 29, 24}},
    {"StaticText11", "GroupBox1", {392, 96, 29, 24}},
    {"StaticText10", "GroupBox1", {464, 96, 29, 24}},
    {"StaticText9", "GroupBox1", {528, 96, 29, 24}},
    {"GroupBox2", "Panel1", {408, 176, 185, 105}},
    {"BitBtn1", "GroupBox2", {16, 64, 161, 25}},
    {"GroupBox3", "Panel1", {8, 176, 385, 249}},
    {"StaticText17", "GroupBox3", {8, 24, 140, 28}},
    {"Edit1", "GroupBox3", {168, 24, 49, 38}},
    {"StaticText21", "GroupBox3", {240, 32, 72, 17}},
    {"StaticText18", "GroupBox3", {8, 72, 117, 28}},
    {"UpDown2", "GroupBox3", {136, 72, 17, 41}},
    {"Edit2", "GroupBox3", {168, 72, 49, 38}},
    {"StaticText22", "GroupBox3", {240, 80, 125, 17}},
    {"StaticText19", "GroupBox3", {8, 128, 161, 28}},
    {"Edit3", "GroupBox3", {168, 120, 49, 38}},
    {"StaticText23", "GroupBox3", {240, 128, 119, 17}},
    {"StaticText20", "GroupBox3", {8, 184, 92, 28}},
    {"Edit4", "GroupBox3", {168, 176, 49, 38}},
    {"StaticText24", "GroupBox3", {240, 176, 125, 17}},
};

// Qt's line edit keeps this many pixels free on each side inside its contents rectangle.
constexpr int kLineEditMargin = 2;

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm1> form;

    template <class T = QWidget> T* Control(const char* name) const
    {
        auto* widget = form->findChild<T*>(QString::fromLatin1(name));
        if (!widget) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    // Where a line edit draws its text: inside its frame, less Qt's fixed side margins.
    static QRect TextRoom(QLineEdit* edit)
    {
        edit->ensurePolished();
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        return edit->style()
            ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
            .adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
    }
    TUpDown* Stepper() const { return Control<TUpDown>("UpDown2"); }
    QString Text(const char* field) const { return Control<QLineEdit>(field)->text(); }
    // Switch captions from left to right.
    QString Binary() const
    {
        QString text;
        for (int n = 8; n >= 1; --n) {
            text += form->Switch(n)->text();
        }
        return text;
    }
    void ClickArrow(QToolButton* arrow) { QTest::mouseClick(arrow, Qt::LeftButton); }
    // "8" clicks Button8, "+" the up arrow, "-" the down arrow.
    void Play(const QByteArray& script)
    {
        for (char event : script) {
            if (event == '+') {
                ClickArrow(Stepper()->UpArrow());
            } else if (event == '-') {
                ClickArrow(Stepper()->DownArrow());
            } else {
                QTest::mouseClick(form->Switch(event - '0'), Qt::LeftButton);
            }
        }
    }

private slots:
    void init()
    {
        std::fill(std::begin(BitPattern), std::end(BitPattern), '\0');
        CurrentValue = 0;
        form = std::make_unique<TForm1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void windowOpensAsLaidOut()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Tesselin"));
        QCOMPARE(form->frameGeometry(), QRect(255, 210, 612, 470));
        QVERIFY(form->windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!form->windowIcon().isNull());
        QCOMPARE(form->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    }

    void layout_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("rect");
        for (const Place& place : kLayout) {
            QTest::newRow(place.name) << QString::fromLatin1(place.parent) << place.rect;
        }
    }

    void layout()
    {
        QFETCH(QString, parent);
        QFETCH(QRect, rect);
        QWidget* control = Control(QTest::currentDataTag());
        QCOMPARE(control->parentWidget()->objectName(), parent);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            // A label keeps its corner and takes the size of its text.
            QCOMPARE(label->pos(), rect.topLeft());
            QCOMPARE(label->size(), label->sizeHint());
            QVERIFY(label->focusPolicy() == Qt::NoFocus);
        } else {
            QCOMPARE(control->geometry(), rect);
        }
    }

    void layoutHasNoOtherNamedControls()
    {
        QStringList named;
        for (QWidget* widget : form->findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_")) {
                named << widget->objectName();
            }
        }
        QStringList expected;
        for (const Place& place : kLayout) {
            expected << QString::fromLatin1(place.name);
        }
        named.sort();
        expected.sort();
        QCOMPARE(named, expected);
    }

    void resizingMovesNothing()
    {
        const QRect button = form->Switch(1)->geometry();
        const QRect field = Control("Edit4")->geometry();
        form->resize(900, 700);
        QCOMPARE(form->Switch(1)->geometry(), button);
        QCOMPARE(Control("Edit4")->geometry(), field);
        form->resize(300, 200);
        QCOMPARE(Control("Edit4")->geometry(), field);
    }

    void initialTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("GroupBox1") << QStringLiteral("Schalter für 8 * 1 Bit = 1 Byte");
        QTest::newRow("GroupBox2") << QStringLiteral("Ablaufsteuerung");
        QTest::newRow("GroupBox3") << QStringLiteral("Ausgabeseite");
        QTest::newRow("BitBtn1") << QStringLiteral("S&chließen");
        QTest::newRow("StaticText1") << QStringLiteral("Bit 0");
        QTest::newRow("StaticText8") << QStringLiteral("Bit 7");
        QTest::newRow("StaticText9") << QStringLiteral("+ 1");
        QTest::newRow("StaticText16") << QStringLiteral("+ 128");
        QTest::newRow("StaticText17") << QStringLiteral("ASCII-Zeichen");
        QTest::newRow("StaticText18") << QStringLiteral("Dezimalwert");
        QTest::newRow("StaticText19") << QStringLiteral("Hexadezimalwert");
        QTest::newRow("StaticText20") << QStringLiteral("Oktalwert");
        QTest::newRow("StaticText21") << QStringLiteral("Steuerzeichen");
        QTest::newRow("StaticText22") << QStringLiteral("Wert zwischen 0 und 255");
        QTest::newRow("StaticText23") << QStringLiteral("Wert zwischen 0 und FF");
        QTest::newRow("StaticText24") << QStringLiteral("Wert zwischen 0 und 377");
        QTest::newRow("Edit1") << QString();
        QTest::newRow("Edit2") << QStringLiteral("0");
        QTest::newRow("Edit3") << QStringLiteral("0");
        QTest::newRow("Edit4") << QStringLiteral("0");
    }

    void initialTexts()
    {
        QFETCH(QString, text);
        QWidget* control = Control(QTest::currentDataTag());
        const QVariant shown =
            control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text");
        QCOMPARE(shown.toString(), text);
        QCOMPARE(Binary(), QStringLiteral("00000000"));
        QCOMPARE(int{Stepper()->Position()}, 0);
        QCOMPARE(Stepper()->Min(), 0);
        QCOMPARE(Stepper()->Max(), 255);
        QVERIFY(!Stepper()->Wrap());
    }

    void fonts_data()
    {
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("installed");
        const QColor text = QApplication::palette().color(QPalette::WindowText);
        QTest::newRow("window font")
            << QStringList{"GroupBox1",    "GroupBox2",    "GroupBox3",    "BitBtn1",
                           "StaticText21", "StaticText22", "StaticText23", "StaticText24"}
            << "MS Sans Serif" << 11 << false << text << "Liberation Sans";
        QTest::newRow("switch font") << QStringList{"Button1", "Button2", "Button3", "Button4",
                                                    "Button5", "Button6", "Button7", "Button8"}
                                     << "Arial Black" << 21 << false << text << "Roboto Black";
        QTest::newRow("bit-label font")
            << QStringList{"StaticText1", "StaticText2", "StaticText3", "StaticText4",
                           "StaticText5", "StaticText6", "StaticText7", "StaticText8"}
            << "MS Sans Serif" << 11 << false << QColor(0, 128, 0) << "Liberation Sans";
        QTest::newRow("weight-label font")
            << QStringList{"StaticText9",  "StaticText10", "StaticText11", "StaticText12",
                           "StaticText13", "StaticText14", "StaticText15", "StaticText16"}
            << "MS Sans Serif" << 16 << true << QColor(128, 0, 0) << "Liberation Sans";
        QTest::newRow("caption font")
            << QStringList{"StaticText17", "StaticText18", "StaticText19", "StaticText20"}
            << "Arial" << 21 << false << text << "Liberation Sans";
        QTest::newRow("field font")
            << QStringList{"Edit1", "Edit2", "Edit3", "Edit4"} << "Arial Black" << 21 << false
            << QColor(0, 128, 0) << "Roboto Black";
    }

    void fonts()
    {
        QFETCH(QStringList, controls);
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        QFETCH(QString, installed);
        for (const QString& name : controls) {
            QWidget* control = Control(name.toLatin1().constData());
            control->ensurePolished();
            QCOMPARE(control->font().family(), family);
            QCOMPARE(control->font().pixelSize(), pixels);
            QCOMPARE(control->font().bold(), bold);
            QCOMPARE(QFontInfo(control->font()).family(), installed);
            const auto role = qobject_cast<QLineEdit*>(control)         ? QPalette::Text
                              : qobject_cast<QAbstractButton*>(control) ? QPalette::ButtonText
                                                                        : QPalette::WindowText;
            QCOMPARE(control->palette().color(role), colour);
        }
    }

    void labelsShowTheirWholeText()
    {
        for (QLabel* label : form->findChildren<QLabel*>()) {
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
            QVERIFY2(metrics.height() <= label->height(), qPrintable(label->objectName()));
        }
    }

    void fieldsShowTheirWidestTextWhole()
    {
        const struct {
            const char* field;
            QString text;
        } cases[] = {{"Edit2", "255"}, {"Edit3", "FF"}, {"Edit4", "377"}};
        for (const auto& c : cases) {
            auto* edit = Control<QLineEdit>(c.field);
            const QFontMetrics fm(edit->font());
            QVERIFY2(fm.horizontalAdvance(c.text) <= TextRoom(edit).width(), c.field);
            QVERIFY2(fm.height() <= TextRoom(edit).height(), c.field);
        }
    }

    void characterField_data()
    {
        QTest::addColumn<int>("code");
        const char* const abbreviations[] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                             "BS",  "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                             "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                             "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
        QStringDecoder decoder("windows-1252");
        for (int code = 0; code < 256; ++code) {
            const QString decoded = decoder(QByteArray(1, static_cast<char>(code)));
            QString what;
            if (code == 0) {
                what = "NUL";
            } else if (code < 32) {
                what = QStringLiteral("control %1").arg(abbreviations[code]);
            } else if (code == 127) {
                what = "control DEL";
            } else if (code == 160 || code == 173) {
                what = "special";
            } else if (decoded.at(0).unicode() >= 0x80 && decoded.at(0).unicode() < 0xA0) {
                what = "unassigned";
            } else {
                what = "printable " + decoded;
            }
            QTest::addRow("%03d %s", code, qPrintable(what)) << code;
        }
    }

    void characterField()
    {
        QFETCH(int, code);
        // Reach the code with one step of the stepper, as a user would.
        Stepper()->setPosition(code == 0 ? 1 : code - 1);
        ClickArrow(code == 0 ? Stepper()->DownArrow() : Stepper()->UpArrow());
        QCOMPARE(Text("Edit2"), QString::number(code));

        auto* field = Control<QLineEdit>("Edit1");
        const QString shown = field->text();
        const QString tooltip = field->toolTip();
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QString decoded =
            QStringDecoder("windows-1252")(QByteArray(1, static_cast<char>(code)));
        if (code == 0) {
            QCOMPARE(shown, QString());
            QCOMPARE(tooltip, QStringLiteral("NUL – Nullzeichen"));
        } else if (tag.contains("control")) {
            QCOMPARE(shown, QString(QChar(code == 127 ? 0x2421 : 0x2400 + code)));
            QCOMPARE(tooltip,
                     QStringLiteral("Zeichen %1: %2 – ").arg(code).arg(tag.section(' ', 2)) +
                         tooltip.section(QStringLiteral(" – "), 1));
            QVERIFY(!tooltip.section(QStringLiteral(" – "), 1).isEmpty());
        } else if (tag.contains("special")) {
            QVERIFY(shown.size() == 1 && shown.at(0).isPrint() && !shown.at(0).isSpace());
            QCOMPARE(tooltip,
                     QStringLiteral("Zeichen %1: %2")
                         .arg(code)
                         .arg(code == 160 ? "geschütztes Leerzeichen" : "bedingter Trennstrich"));
        } else if (tag.contains("unassigned")) {
            QCOMPARE(shown, QStringLiteral("\uFFFD"));
            QCOMPARE(tooltip, QStringLiteral("Zeichen %1: in Windows-1252 nicht belegt").arg(code));
        } else {
            QCOMPARE(shown, code == 32 ? QStringLiteral("\u2420") : decoded);
            QCOMPARE(tooltip, QStringLiteral("Zeichen %1: %2")
                                  .arg(code)
                                  .arg(code == 32 ? QStringLiteral("Leerzeichen") : decoded));
        }
        QCOMPARE(field->accessibleDescription(), tooltip);
        const QFontMetrics fm(field->font());
        QVERIFY2(fm.horizontalAdvance(shown) <= TextRoom(field).width(),
                 qPrintable(QStringLiteral("%1 px").arg(fm.horizontalAdvance(shown))));
    }

    void clicks_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("binary");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("octal");
        QTest::addColumn<QString>("character");
        QTest::newRow("Button1 once") << QByteArray("1") << "00000001"
                                      << "1"
                                      << "01"
                                      << "1" << QStringLiteral("\u2401");
        QTest::newRow("Button1 twice: two hex digits, empty character")
            << QByteArray("11") << "00000000"
            << "0"
            << "00"
            << "0" << QString();
        QTest::newRow("Button8 then Button1") << QByteArray("81") << "10000001"
                                              << "129"
                                              << "81"
                                              << "201" << QStringLiteral("\uFFFD");
        QTest::newRow("all eight") << QByteArray("12345678") << "11111111"
                                   << "255"
                                   << "FF"
                                   << "377" << QStringLiteral("ÿ");
        QTest::newRow("65 shows A") << QByteArray("71") << "01000001"
                                    << "65"
                                    << "41"
                                    << "101"
                                    << "A";
        QTest::newRow("128 shows the euro sign") << QByteArray("8") << "10000000"
                                                 << "128"
                                                 << "80"
                                                 << "200" << QStringLiteral("€");
        QTest::newRow("200 then the up arrow") << QByteArray("874+") << "11001001"
                                               << "201"
                                               << "C9"
                                               << "311" << QStringLiteral("É");
        QTest::newRow("0 up to 3 and down to 1") << QByteArray("+++--") << "00000001"
                                                 << "1"
                                                 << "01"
                                                 << "1" << QStringLiteral("\u2401");
        QTest::newRow("up arrow at 255 holds") << QByteArray("12345678+") << "11111111"
                                               << "255"
                                               << "FF"
                                               << "377" << QStringLiteral("ÿ");
    }

    void clicks()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, binary);
        QFETCH(QString, decimal);
        QFETCH(QString, hex);
        QFETCH(QString, octal);
        QFETCH(QString, character);
        Play(script);
        QCOMPARE(Binary(), binary);
        QCOMPARE(Text("Edit2"), decimal);
        QCOMPARE(Text("Edit3"), hex);
        QCOMPARE(Text("Edit4"), octal);
        QCOMPARE(Text("Edit1"), character);
        QCOMPARE(int{Stepper()->Position()}, decimal.toInt());
    }

    void arrowsAtTheBoundsRaiseNothing()
    {
        QSignalSpy clicks(Stepper(), &TUpDown::Click);
        ClickArrow(Stepper()->DownArrow());
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(Text("Edit2"), QStringLiteral("0"));
        QCOMPARE(Text("Edit3"), QStringLiteral("0")); // still the layout's text: no handler ran
        Play("12345678");
        ClickArrow(Stepper()->UpArrow());
        QCOMPARE(clicks.count(), 0);
        ClickArrow(Stepper()->DownArrow());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).value<TUDBtnType>(), TUDBtnType::btPrev);
        QCOMPARE(Text("Edit2"), QStringLiteral("254"));
    }

    void settingThePositionRaisesNoClick()
    {
        QSignalSpy clicks(Stepper(), &TUpDown::Click);
        Play("8");
        QCOMPARE(int{Stepper()->Position()}, 128);
        QCOMPARE(clicks.count(), 0);
    }

    void holdingAnArrowRepeats()
    {
        QTest::mousePress(Stepper()->UpArrow(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(Stepper()->Position() >= 3, 3000);
        QTest::mouseRelease(Stepper()->UpArrow(), Qt::LeftButton);
        const int held = Stepper()->Position();
        QCOMPARE(Text("Edit2"), QString::number(held));
        QTest::qWait(300);
        QCOMPARE(int{Stepper()->Position()}, held);
    }

    void closeButtonClosesTheWindow()
    {
        QTest::mouseClick(Control<QPushButton>("BitBtn1"), Qt::LeftButton);
        QVERIFY(!form->isVisible());
    }

    void altCClosesTheWindow()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->Switch(1)->setFocus();
        QTest::keyClick(form->Switch(1), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!form->isVisible()); // a mnemonic presses the button visibly first
    }

    void closeButtonIsNeitherDefaultNorAutoDefault()
    {
        auto* close = Control<QPushButton>("BitBtn1");
        QVERIFY(!close->isDefault());
        QVERIFY(!close->autoDefault());
        QVERIFY(!close->icon().isNull());
    }

    void tabVisitsSwitchesThenCloseButton()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->Switch(1)->setFocus();
        const QStringList expected{"Button2", "Button3", "Button4", "Button5", "Button6",
                                   "Button7", "Button8", "BitBtn1", "Button1"};
        for (const QString& name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
    }

    void spacePressesTheFocusedSwitch()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->Switch(8)->setFocus();
        QTest::keyClick(form->Switch(8), Qt::Key_Space);
        QCOMPARE(Text("Edit2"), QStringLiteral("128"));
    }

    void fieldsTakeNoFocusNorKeys()
    {
        for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) {
            auto* field = Control<QLineEdit>(name);
            QVERIFY(!field->isEnabled());
            field->setFocus();
            QVERIFY(!field->hasFocus());
            QTest::keyClicks(field, "42");
            QCOMPARE(field->text(), QString(name == QByteArray("Edit1") ? "" : "0"));
        }
    }

    void conversionErrorShowsMessageAndLoopGoesOn()
    {
        Play("3");
        // The field holds a text that is not a number whenever the handler reads it back.
        auto* decimal = Control<QLineEdit>("Edit2");
        connect(decimal, &QLineEdit::textChanged, decimal, [decimal](const QString& text) {
            if (text != QLatin1String("abc")) {
                decimal->setText(QStringLiteral("abc"));
            }
        });
        QString title;
        QString message;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            message = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        ClickArrow(Stepper()->UpArrow());
        QCOMPARE(title, QStringLiteral("Tesselin"));
        QCOMPARE(message, QStringLiteral("'abc' ist kein gültiger Integerwert"));
        QCOMPARE(Binary(), QStringLiteral("00000100"));
        QCOMPARE(CurrentValue, 4);

        decimal->disconnect(decimal);
        Play("1");
        QCOMPARE(Text("Edit2"), QStringLiteral("5"));
        QCOMPARE(Binary(), QStringLiteral("00000101"));
    }

    void keys_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("value");
        // 165 is 10100101: every digit key flips its own bit of it.
        for (int bit = 0; bit < 8; ++bit) {
            QTest::addRow("key %d on 165", bit) << QByteArray("8631") << "Button1"
                                                << Qt::Key_0 + bit << false << (165 ^ (1 << bit));
        }
        QTest::newRow("keypad 3 sets bit 3")
            << QByteArray() << "Button1" << int{Qt::Key_3} << true << 8;
        QTest::newRow("digit with the close button focused")
            << QByteArray() << "BitBtn1" << int{Qt::Key_7} << false << 128;
        QTest::newRow("Up at 254")
            << QByteArray("2345678") << "Button1" << int{Qt::Key_Up} << false << 255;
        QTest::newRow("Up at 255 holds")
            << QByteArray("12345678") << "Button1" << int{Qt::Key_Up} << false << 255;
        QTest::newRow("Down at 1")
            << QByteArray("1") << "Button8" << int{Qt::Key_Down} << false << 0;
        QTest::newRow("Down at 0 holds")
            << QByteArray("1-") << "Button8" << int{Qt::Key_Down} << false << 0;
        QTest::newRow("plus") << QByteArray("1") << "BitBtn1" << int{Qt::Key_Plus} << false << 2;
        QTest::newRow("minus") << QByteArray("2") << "Button4" << int{Qt::Key_Minus} << false << 1;
        QTest::newRow("keypad plus") << QByteArray() << "Button1" << int{Qt::Key_Plus} << true << 1;
        QTest::newRow("keypad minus")
            << QByteArray("1") << "Button1" << int{Qt::Key_Minus} << true << 0;
    }

    void keys()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(int, value);
        Play(script);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto* target = Control(focus.toLatin1().constData());
        target->setFocus();
        QSignalSpy clicks(Stepper(), &TUpDown::Click);
        const int before = Text("Edit2").toInt();
        QTest::keyClick(target, static_cast<Qt::Key>(key),
                        keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(Text("Edit2"), QString::number(value));
        QCOMPARE(int{Stepper()->Position()}, value);
        QCOMPARE(Binary(), QString::number(value, 2).rightJustified(8, '0'));
        QCOMPARE(Text("Edit3"), QString::number(value, 16).toUpper().rightJustified(2, '0'));
        QCOMPARE(Text("Edit4"), QString::number(value, 8));
        const bool stepKey =
            key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Plus || key == Qt::Key_Minus;
        QCOMPARE(clicks.count(), stepKey && value != before ? 1 : 0);
        QCOMPARE(QApplication::focusWidget(), target); // the keys move no focus
    }

    void quickKeyPressesAreNeverMerged()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClicks(form->Switch(1), "0000000");
        QCOMPARE(Text("Edit2"), QStringLiteral("1"));
        QTest::keyClicks(form->Switch(1), "+++");
        QCOMPARE(Text("Edit2"), QStringLiteral("4"));
        QVERIFY(form->Switch(1)->isDown()); // still shows the press for a moment
        QTRY_VERIFY(!form->Switch(1)->isDown());
    }

    void decimalTooltipFollowsTheValue()
    {
        QCOMPARE(Control("Edit2")->toolTip(),
                 QStringLiteral("Dezimal 0; als Byte mit Vorzeichen (Zweierkomplement): 0"));
        Play("874");
        QCOMPARE(Control("Edit2")->toolTip(),
                 QStringLiteral("Dezimal 200; als Byte mit Vorzeichen (Zweierkomplement): −56"));
        QCOMPARE(Control("Edit2")->accessibleDescription(), Control("Edit2")->toolTip());
        QCOMPARE(Control("Edit3")->toolTip(), QStringLiteral("C8 hexadezimal = 12 · 16 + 8 = 200"));
        QCOMPARE(Control("Edit4")->toolTip(),
                 QStringLiteral("310 oktal = 3 · 64 + 1 · 8 + 0 = 200"));
        ClickArrow(Stepper()->UpArrow());
        QCOMPARE(Control("Edit2")->toolTip(),
                 QStringLiteral("Dezimal 201; als Byte mit Vorzeichen (Zweierkomplement): −55"));
    }

    void accessibleNamesAndDescriptions()
    {
        auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        auto description = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
        };
        Play("8");
        QCOMPARE(name(form->Switch(8)), QStringLiteral("1"));
        QCOMPARE(description(form->Switch(8)), QStringLiteral("Bit 7 – Wertigkeit 2⁷ = 128"));
        QCOMPARE(description(form->Switch(1)), QStringLiteral("Bit 0 – Wertigkeit 2⁰ = 1"));
        QCOMPARE(form->Switch(6)->toolTip(), QStringLiteral("Bit 5 – Wertigkeit 2⁵ = 32"));
        QCOMPARE(name(Control("Edit1")), QStringLiteral("ASCII-Zeichen"));
        QCOMPARE(name(Control("Edit2")), QStringLiteral("Dezimalwert"));
        QCOMPARE(name(Control("Edit3")), QStringLiteral("Hexadezimalwert"));
        QCOMPARE(name(Control("Edit4")), QStringLiteral("Oktalwert"));
        QCOMPARE(QAccessible::queryAccessibleInterface(Control("Edit2"))->text(QAccessible::Value),
                 QStringLiteral("128"));
        QCOMPARE(name(Stepper()), QStringLiteral("Wert einstellen"));
        QCOMPARE(name(Stepper()->UpArrow()), QStringLiteral("Wert erhöhen"));
        QCOMPARE(name(Stepper()->DownArrow()), QStringLiteral("Wert verringern"));
        QCOMPARE(name(Control("BitBtn1")), QStringLiteral("Schließen"));
    }
};

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window.moc"
