#pragma once

#include <QColor>
#include <QFrame>

// A panel that paints its own colour under its children, so that only the labels and group boxes
// (which paint no background) show it; buttons and fields keep the style's colours.
class TPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ Color WRITE setColor)

public:
    explicit TPanel(QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};
