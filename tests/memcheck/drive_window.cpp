// The program's life as a user lives it, for valgrind to watch: start, a few hundred switch
// presses and stepper steps through the real widgets, then the close button ends the loop.
#include "tapplication.h"
#include "tform1.h"
#include "tupdown.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cstdio>

namespace {

int failures = 0;

void Expect(const QString& what, const QString& got, const QString& wanted)
{
    if (got != wanted) {
        std::fprintf(stderr, "FAIL: %s is \"%s\", not \"%s\"\n", qPrintable(what), qPrintable(got),
                     qPrintable(wanted));
        ++failures;
    }
}

void Press(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
    // Let each press paint, as it would on screen.
    QCoreApplication::processEvents();
}

void Drive(TForm1& form)
{
    auto* decimal = form.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    auto* stepper = form.findChild<TUpDown*>(QStringLiteral("UpDown2"));
    // Every switch 25 times, an odd count: all eight bits end up set.
    for (int round = 0; round < 25; ++round) {
        for (int n = 1; n <= 8; ++n) {
            Press(form.Switch(n));
        }
    }
    Expect(QStringLiteral("Edit2 after 200 switch presses"), decimal->text(), "255");
    for (int i = 0; i < 100; ++i) {
        Press(stepper->DownArrow());
    }
    for (int i = 0; i < 50; ++i) {
        Press(stepper->UpArrow());
    }
    // 205 is 11001101.
    Expect(QStringLiteral("Edit2 after 100 steps down and 50 up"), decimal->text(), "205");
    Expect(QStringLiteral("switch 2 (bit 1)"), form.Switch(2)->text(), "0");
    Expect(QStringLiteral("switch 8 (bit 7)"), form.Switch(8)->text(), "1");
    Press(form.findChild<QPushButton*>(QStringLiteral("BitBtn1")));
}

} // namespace

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    TForm1 form;
    form.show();
    QTimer::singleShot(0, &form, [&form] { Drive(form); });
    // Returns only once the close button has closed the last window.
    const int code = application.exec();
    if (form.isVisible()) {
        std::fprintf(stderr, "FAIL: the close button left the window open\n");
        ++failures;
    }
    std::printf("drive_window: %s\n", failures == 0 ? "1 passed, 0 failed" : "0 passed, 1 failed");
    return failures == 0 ? code : 1;
}
