// The main window's banner: the timers that set it going, its link and the
// hover colours.
#include "forms/main/TForm1.h"

#include "widgets/LinkLabels.h"
#include "widgets/Links.h"

#include <QMouseEvent>
#include <QTimer>

void TForm1::connectBanner()
{
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    connect(Timer4, &QTimer::timeout, this, &TForm1::Timer4Timer);
    LinkLabels::link(
        Label26, [this] { Label26MouseMove(); }, [this] { Label26Click(); });
    LinkLabels::surrounding(Panel7, [this] { Panel7MouseMove(); });
    // The whole banner is the link.
    LinkLabels::clickArea(Panel7, [this] { Label26Click(); });
    setMouseTracking(true);
}

void TForm1::Timer2Timer()
{
    Links::Lauftext_Schritt(Label26);
}

// Timer3 (after the start window) and Timer4 (without it) each set the banner
// going once.
void TForm1::startBannerFrom(QTimer* trigger)
{
    if (!Timer2->isActive()) Timer2->start();
    trigger->stop();
}

void TForm1::Timer3Timer()
{
    startBannerFrom(Timer3);
}

void TForm1::Timer4Timer()
{
    startBannerFrom(Timer4);
}

void TForm1::Label26Click()
{
    Links::Internetseite_Aufrufen(this);
}

void TForm1::Label26MouseMove()
{
    LinkLabels::setHovered(Label26, true);
}

void TForm1::Panel7MouseMove()
{
    LinkLabels::setHovered(Label26, false);
}

void TForm1::FormMouseMove()
{
    LinkLabels::setHovered(Label26, false);
}

void TForm1::mouseMoveEvent(QMouseEvent* event)
{
    FormMouseMove();
    QWidget::mouseMoveEvent(event);
}
