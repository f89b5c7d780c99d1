#pragma once

class QEvent;
class QLabel;
class QObject;
class QWidget;

// Mouse handling shared by the link texts of the information, start and end
// windows (and the banner).
namespace LinkLabels
{

// Lets filter see the widget's mouse moves, also without a button held.
void watch(QWidget* widget, QObject* filter);

// A click: the left button released inside the widget that got the press.
bool isClick(const QObject* watched, const QEvent* event);

// Sizes a link text to its caption, so that only the text reacts to the mouse.
void fitToText(QLabel* label);

// Moves the widget to the horizontal centre of its parent.
void centreInParent(QWidget* widget);

} // namespace LinkLabels
