#include "tupdown.h"

#include <QToolButton>

#include <algorithm>
#include <limits>

namespace {

int Clamp16(int value)
{
    return std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(),
                           std::numeric_limits<std::int16_t>::max());
}

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType type, const QString& name)
{
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(type);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAccessibleName(name);
    return arrow;
}

} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(this, Qt::UpArrow, QStringLiteral("Wert erhöhen"))),
      down_(MakeArrow(this, Qt::DownArrow, QStringLiteral("Wert verringern")))
{
    connect(up_, &QToolButton::clicked, this, [this] { Step(TUDBtnType::btNext); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(TUDBtnType::btPrev); });
}

void TUpDown::setMin(int min)
{
    min_ = Clamp16(min);
    setPosition(position_);
}

void TUpDown::setMax(int max)
{
    max_ = Clamp16(max);
    setPosition(position_);
}

void TUpDown::setPosition(int position)
{
    position_ = static_cast<std::int16_t>(std::clamp(position, min_, std::max(min_, max_)));
}

bool TUpDown::Step(TUDBtnType button)
{
    int next = position_ + (button == TUDBtnType::btNext ? 1 : -1);
    if (next > max_ || next < min_) {
        if (!wrap_) {
            return false;
        }
        next = next > max_ ? min_ : max_;
    }
    if (next == position_) {
        return false;
    }
    position_ = static_cast<std::int16_t>(next);
    emit Click(button);
    return true;
}

void TUpDown::resizeEvent(QResizeEvent* /*event*/)
{
    // The up arrow takes the upper half, the down arrow the rest.
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}
