#include "tpanel.h"

#include <QPainter>

TPanel::TPanel(QWidget* parent) : QFrame(parent), color_(palette().color(QPalette::Window)) {}

void TPanel::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void TPanel::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(rect(), color_);
    QFrame::paintEvent(event);
}
