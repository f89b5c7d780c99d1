#pragma once

#include <QPixmap>
#include <QProxyStyle>

// Qt's Fusion style, the program's look on every desktop, with one change
// that leaves every pixel as Fusion draws it: the frame of a group box.
// Fusion loads that frame's picture with QPixmap, which makes Qt load and ask
// every image plugin (GIF, ICO, JPEG) first, and its stretched middle is
// blended by worker threads the painting waits for. Here the picture is read
// as PNG without the plugins, and the frame is drawn in bands short enough to
// be blended at once. The first paint of the main window, with its two group
// boxes, is so about a millisecond sooner.
class FusionLook : public QProxyStyle
{
    Q_OBJECT

public:
    FusionLook();

    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override;

private:
    void drawGroupBoxFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;

    mutable QPixmap groupBoxFrame; // read on first use
};
