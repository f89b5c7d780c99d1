#pragma once

#include <QString>

class QEvent;
class QLineEdit;

// The numeric input rules of the number fields: what typing, pasting and
// dropping may put into them.
namespace NumericKeys
{

// The numeric key filter for an edit's events. A typed "." is entered as
// ",", backspace, "," and digits pass, every other typed character (control
// characters included) is swallowed. Keys that type nothing (arrows, Delete),
// the keys that move focus or press the default button and the standard
// editing keys (undo, redo, cut, copy, select all, the delete keys) pass
// unchanged. Text that arrives by the paste keys, the context menu's paste,
// a middle click or a drop is entered as typeableText() of it. Returns true
// when the event was consumed.
bool filter(QLineEdit* edit, QEvent* event);

// The text as typing would have entered it: "." becomes ",", digits and ","
// stay, everything else is dropped.
QString typeableText(const QString& text);

// Refuses any change by the user that would leave characters in the edit
// that typing could not put there (an input method, for instance); text set
// by the program is left alone.
void guard(QLineEdit* edit);

} // namespace NumericKeys
