#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

class QWidget;

// Looks shared by all windows.
namespace FormLook
{

inline const QColor Red { 255, 0, 0 };
inline const QColor Navy { 0, 0, 128 };
inline const QColor Blue { 0, 0, 255 };

// The frame of the tool windows (constants, pipe overview, section list,
// pipe and valve series): a small caption with the close box and the system
// menu only.
inline constexpr Qt::WindowFlags ToolWindow
    = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Forms give font sizes in pixels through the dynamic property
// "fontPixelSize" (Designer's font property knows only points). Applies it to
// the root and every descendant that carries it; the others inherit.
void applyPixelFonts(QWidget* root);

// Forms name their pictures through dynamic properties: "picture" on a
// label, "iconPicture" on a button (with the disabled look from
// name_disabled.png where there is one). Applies them to every descendant.
void applyPictures(QWidget* root);

// A picture from the resources, read as PNG without consulting the image
// plugins; for a screen of more than one device pixel per pixel its
// name@2x.png variant where there is one.
QPixmap picture(const QString& resource, qreal devicePixelRatio);
// An icon of such pictures: resource, and resource_disabled when present.
QIcon iconPicture(const QString& resource, qreal devicePixelRatio);

void setTextColor(QWidget* widget, const QColor& color);
QColor textColor(const QWidget* widget);

// Background of a panel; buttonFace() is the normal one.
void setPanelColor(QWidget* panel, const QColor& color);
QColor panelColor(const QWidget* panel);
QColor buttonFace();

// Of each set of radio buttons only the checked one is reached by Tab; the
// arrow keys move within the set.
void tabToCheckedRadioButtons(QWidget* window);

// Sizes a window to its visible controls plus a border, without resizing.
void fitToControls(QWidget* window, int border);
// Centres a top-level window on its screen.
void centerOnScreen(QWidget* window);

// Brings a window that opens to the front with the keyboard, so that its
// accelerators, Enter and typing work at once; its focused control is the
// one it set itself.
void present(QWidget* window);

} // namespace FormLook
