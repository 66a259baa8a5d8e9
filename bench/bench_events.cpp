// The cost of one switch press and one stepper step through the real widgets, offscreen, with
// and without the repaint that follows, and the resident memory after many of them.
//
// usage: bench_events [EVENTS_PER_TIMING]
// prints key=value lines.
#include "tapplication.h"
#include "tform1.h"
#include "tupdown.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// One event of a kind: the i-th switch press cycles through the eight switches, the i-th step
// alternates up and down so the stepper never sits at a bound, where a click does nothing.
using Event = std::function<void(long)>;

long VmKib(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray key(field);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key)) {
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// Plays count events with the window's updates on or off. With repaint each is followed by the
// paints it asked for, including the ones a button makes at once on press and release; without,
// the window paints nothing at all.
void Play(QWidget& window, const Event& event, long count, bool repaint)
{
    window.setUpdatesEnabled(repaint);
    for (long i = 0; i < count; ++i) {
        event(i);
        if (repaint) {
            QCoreApplication::processEvents();
        }
    }
}

// Updates back on, and whatever they still owe painted, outside any timing.
void Settle(QWidget& window)
{
    window.setUpdatesEnabled(true);
    QCoreApplication::processEvents();
}

void Run(QWidget& window, const Event& event, long count, bool repaint)
{
    Play(window, event, count, repaint);
    Settle(window);
}

double MicrosecondsPerEvent(QWidget& window, const Event& event, long count, bool repaint)
{
    Run(window, event, count / 10, repaint);
    QElapsedTimer timer;
    timer.start();
    Play(window, event, count, repaint);
    const double us = static_cast<double>(timer.nsecsElapsed()) / 1000.0;
    Settle(window);
    return us / static_cast<double>(count);
}

class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Paint events per event, to show what each mode paints.
double PaintsPerEvent(QWidget& window, const Event& event, long count, bool repaint)
{
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    Play(window, event, count, repaint);
    qApp->removeEventFilter(&counter);
    Settle(window);
    return static_cast<double>(counter.paints) / static_cast<double>(count);
}

} // namespace

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    const long count = argc > 1 ? std::atol(argv[1]) : 2000;
    TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "bench_events: the window was never exposed\n");
        return 1;
    }
    auto* stepper = form.findChild<TUpDown*>(QStringLiteral("UpDown2"));
    const Event press = [&form](long i) {
        QTest::mouseClick(form.Switch(static_cast<int>(i % 8) + 1), Qt::LeftButton);
    };
    const Event step = [stepper](long i) {
        QTest::mouseClick(i % 2 == 0 ? stepper->UpArrow() : stepper->DownArrow(), Qt::LeftButton);
    };
    // Away from the stepper's lower bound first, so the first step down moves it.
    QTest::mouseClick(stepper->UpArrow(), Qt::LeftButton);

    std::printf("press_paints_per_event=%.2f\n", PaintsPerEvent(form, press, 80, true));
    std::printf("press_paints_per_event_norepaint=%.2f\n", PaintsPerEvent(form, press, 80, false));
    std::printf("press_us=%.2f\n", MicrosecondsPerEvent(form, press, count, true));
    std::printf("press_us_norepaint=%.2f\n", MicrosecondsPerEvent(form, press, count, false));
    std::printf("step_us=%.2f\n", MicrosecondsPerEvent(form, step, count, true));
    std::printf("step_us_norepaint=%.2f\n", MicrosecondsPerEvent(form, step, count, false));

    // Resident memory over a long session of presses and steps, each painted.
    const Event mixed = [&press, &step](long i) { (i % 2 == 0 ? press : step)(i / 2); };
    Run(form, mixed, 1000, true);
    std::printf("rss_kib_1000=%ld\n", VmKib("VmRSS:"));
    Run(form, mixed, 99000, true);
    std::printf("rss_kib_100000=%ld\n", VmKib("VmRSS:"));
    std::printf("hwm_kib=%ld\n", VmKib("VmHWM:"));
    return 0;
}
