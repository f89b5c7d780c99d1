#pragma once

class QEvent;
class QLineEdit;

namespace NumericKeys
{

// The numeric key filter for an edit's key presses: a typed "." is entered as
// ",", backspace, "," and digits pass, every other typed character (control
// characters included) is swallowed. Keys that type nothing (arrows, Delete)
// and the keys that move focus or press the default button pass unchanged.
// Returns true when the event was consumed.
bool filter(QLineEdit* edit, QEvent* event);

} // namespace NumericKeys
