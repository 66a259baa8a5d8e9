#pragma once

#include "controls.h"

#include <QWidget>

#include <cstdint>

class QToolButton;

// The value stepper: an up arrow over a down arrow, not attached to any field. A click on an
// arrow (held down, it repeats) moves Position by one and then raises Click; at a bound without
// Wrap it changes nothing and raises nothing. Setting Position from code never raises Click.
class TUpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Position READ Position WRITE setPosition)
    Q_PROPERTY(bool Wrap READ Wrap WRITE setWrap)

public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    std::int16_t Position() const { return position_; }
    bool Wrap() const { return wrap_; }
    // Bounds are signed 16-bit; a Position outside them is clamped.
    void setMin(int min);
    void setMax(int max);
    void setPosition(int position);
    void setWrap(bool wrap) { wrap_ = wrap; }

    // What a click on that arrow does; returns whether Position moved (and Click was raised).
    bool Step(TUDBtnType button);

    QToolButton* UpArrow() const { return up_; }
    QToolButton* DownArrow() const { return down_; }

signals:
    void Click(TUDBtnType button);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0;
    int max_ = 100;
    std::int16_t position_ = 0;
    bool wrap_ = false;
};
