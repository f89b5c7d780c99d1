// The main window's banner: the timers that set it going, its link and the
// hover colours.
#include "app/TForm1.h"

#include "app/FormLook.h"
#include "info/LinkLabels.h"
#include "info/Links.h"

#include <QMouseEvent>
#include <QTimer>

void TForm1::connectBanner()
{
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    connect(Timer4, &QTimer::timeout, this, &TForm1::Timer4Timer);
    for (QWidget* widget : { static_cast<QWidget*>(Panel7), static_cast<QWidget*>(Label26) })
        LinkLabels::watch(widget, this);
    setMouseTracking(true);
}

void TForm1::Timer2Timer()
{
    Links::Lauftext_Schritt(Label26);
}

void TForm1::Timer3Timer()
{
    if (!Timer2->isActive()) Timer2->start();
    Timer3->stop();
}

void TForm1::Timer4Timer()
{
    if (!Timer2->isActive()) Timer2->start();
    Timer4->stop();
}

void TForm1::Label26Click()
{
    Links::Internetseite_Aufrufen(this);
}

void TForm1::Label26MouseMove()
{
    FormLook::setTextColor(Label26, FormLook::Red);
}

void TForm1::Panel7MouseMove()
{
    FormLook::setTextColor(Label26, FormLook::Navy);
}

void TForm1::FormMouseMove()
{
    FormLook::setTextColor(Label26, FormLook::Navy);
}

void TForm1::mouseMoveEvent(QMouseEvent* event)
{
    FormMouseMove();
    QWidget::mouseMoveEvent(event);
}

bool TForm1::bannerEvent(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        watched == Label26 ? Label26MouseMove() : Panel7MouseMove();
        return true;
    case QEvent::MouseButtonRelease:
        if (LinkLabels::isClick(watched, event)) Label26Click();
        return true;
    default:
        return false;
    }
}
