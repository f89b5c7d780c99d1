#include "widgets/Bevel.h"

#include <QPainter>

Bevel::Bevel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::setEdge(Edge edge)
{
    edge_ = edge;
    update();
}

void Bevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const int right = width() - 1;
    const int bottom = height() - 1;
    switch (edge_) {
    case TopLine:
        painter.setPen(shadow);
        painter.drawLine(0, 0, right, 0);
        painter.setPen(light);
        painter.drawLine(0, 1, right, 1);
        break;
    case BottomLine:
        painter.setPen(shadow);
        painter.drawLine(0, bottom - 1, right, bottom - 1);
        painter.setPen(light);
        painter.drawLine(0, bottom, right, bottom);
        break;
    case LeftLine:
        painter.setPen(shadow);
        painter.drawLine(0, 0, 0, bottom);
        painter.setPen(light);
        painter.drawLine(1, 0, 1, bottom);
        break;
    }
}
