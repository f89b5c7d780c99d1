#include "widgets/Accelerators.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QShortcutEvent>

namespace
{

QKeySequence accelerator(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return QKeySequence::mnemonic(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
        return QKeySequence::mnemonic(label->text());
    return {};
}

// What the control does with its accelerator when it is the only one.
void activate(QWidget* widget)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setFocus(Qt::ShortcutFocusReason);
        button->animateClick();
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        label->buddy()->setFocus(Qt::ShortcutFocusReason);
    }
}

} // namespace

bool ActiveWindowAccelerators::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Shortcut || !static_cast<QShortcutEvent*>(event)->isAmbiguous())
        return QObject::eventFilter(watched, event);
    QWidget* active = QApplication::activeWindow();
    if (!active) return false;
    const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
    QWidget* owner = nullptr;
    const auto widgets = active->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (widget->window() != active || !widget->isVisible() || !widget->isEnabled() || accelerator(widget) != key)
            continue;
        if (owner) return false; // ambiguous within the window too: Qt's own cycling
        owner = widget;
    }
    if (!owner) return false;
    activate(owner);
    return true;
}
