#include "widgets/FocusFrame.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QPainter>

FocusFrame::FocusFrame(QLabel* result)
    : QWidget(result)
    , result_(result)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setGeometry(result->rect());
    describe();
    result->installEventFilter(this);
}

void FocusFrame::describe()
{
    setAccessibleName(result_->accessibleName());
    if (accessibleDescription() == result_->accessibleDescription()) return;
    setAccessibleDescription(result_->accessibleDescription());
    if (!hasFocus()) return;
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) setGeometry(result_->rect());
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::focusInEvent(QFocusEvent* event)
{
    describe();
    update();
    QWidget::focusInEvent(event);
}

void FocusFrame::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}
