#include "info/LinkLabels.h"

#include <QLabel>
#include <QMouseEvent>

namespace LinkLabels
{

void watch(QWidget* widget, QObject* filter)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(filter);
}

bool isClick(const QObject* watched, const QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease || !watched->isWidgetType()) return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton
        && static_cast<const QWidget*>(watched)->rect().contains(mouse->position().toPoint());
}

void fitToText(QLabel* label)
{
    label->resize(label->sizeHint());
}

void centreInParent(QWidget* widget)
{
    if (const QWidget* parent = widget->parentWidget())
        widget->move((parent->width() - widget->width()) / 2, widget->y());
}

} // namespace LinkLabels
