#include "sizing/NumericKeys.h"

#include "sizing/NumberText.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace NumericKeys
{

bool filter(QLineEdit* edit, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty()) return false;
    if (text.size() != 1) return true;
    const auto passed = NumberText::filterKey(text.front());
    if (!passed) return true;
    if (*passed != text.front()) {
        edit->insert(QString(*passed));
        return true;
    }
    return false;
}

} // namespace NumericKeys
