#include "info/TForm4.h"

#include "app/FormLook.h"
#include "app/TForm1.h"
#include "info/LinkLabels.h"
#include "info/Links.h"

#include <QStyle>
#include <QTimer>

TForm4::TForm4(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , Timer1(new QTimer(this))
    , Timer2(new QTimer(this))
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    FormLook::applyPixelFonts(this);

    // The closing words follow the program's name on the same line.
    Label13->resize(Label13->sizeHint());
    Label14->resize(Label14->sizeHint());
    Label14->move(Label13->x() + Label13->width() + Label14->fontMetrics().horizontalAdvance(u' '), Label13->y());
    LinkLabels::fitToText(Label7);
    LinkLabels::centreInParent(Label7);
    LinkLabels::watch(Label7, this);
    LinkLabels::watch(Panel2, this);
    Panel4->installEventFilter(this);
    Image3->installEventFilter(this);

    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(150);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm4::Timer2Timer);
    Timer2->start();

    FormLook::fitToControls(this, 0);
    FormLook::centerOnScreen(this);
}

void TForm4::Timer1Timer()
{
    Links::Lauftext_Schritt(Label23);
}

void TForm4::Timer2Timer()
{
    Timer1->start();
    Timer2->stop();
}

void TForm4::BitBtn1Click()
{
    if (TForm1* mainWindow = TForm1::instance()) mainWindow->Timer3->start();
    close();
}

void TForm4::Label7Click()
{
    Links::Internetseite_Aufrufen(this);
}

void TForm4::Label7MouseMove()
{
    FormLook::setTextColor(Label7, FormLook::Red);
}

void TForm4::Panel2MouseMove()
{
    FormLook::setTextColor(Label7, FormLook::Navy);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label7 && event->type() == QEvent::MouseMove) {
        Label7MouseMove();
        return true;
    }
    if (watched == Panel2 && event->type() == QEvent::MouseMove) Panel2MouseMove();
    if ((watched == Label7 || watched == Panel4 || watched == Image3) && LinkLabels::isClick(watched, event)) {
        Label7Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
