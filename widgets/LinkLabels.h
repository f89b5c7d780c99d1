#pragma once

#include <functional>

class QLabel;
class QWidget;

// How the link texts of the banner and the information, start and end windows
// behave: navy at rest, red under the mouse, navy again when the mouse moves
// over the area around them, and a left click opens them. Each window keeps
// its named handlers and hands them in here.
namespace LinkLabels
{

// A link text: a mouse move over it calls hovered, a left click calls clicked.
void link(QWidget* text, std::function<void()> hovered, std::function<void()> clicked);
// A further widget whose left click counts as a click on the link.
void clickArea(QWidget* area, std::function<void()> clicked);
// The area around a link: a mouse move over it calls moved.
void surrounding(QWidget* area, std::function<void()> moved);

// Red while the mouse is over the link, navy otherwise.
void setHovered(QWidget* text, bool hovered);

// Sizes a link text to its caption, so that only the text reacts to the mouse.
void fitToText(QLabel* label);

// Moves the widget to the horizontal centre of its parent.
void centreInParent(QWidget* widget);

// The web-site link of the start and end windows: sized to its text and
// centred, red under the mouse, navy again over the surrounding area, and a
// click opens the web site.
void siteLink(QLabel* label, QWidget* surrounding);

} // namespace LinkLabels
