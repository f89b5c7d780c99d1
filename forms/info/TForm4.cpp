#include "forms/info/TForm4.h"

#include "widgets/FormLook.h"
#include "widgets/LinkLabels.h"
#include "widgets/Links.h"

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
    FormLook::applyPictures(this);

    // The closing words follow the program's name on the same line.
    Label13->resize(Label13->sizeHint());
    Label14->resize(Label14->sizeHint());
    Label14->move(Label13->x() + Label13->width() + Label14->fontMetrics().horizontalAdvance(u' '), Label13->y());
    LinkLabels::siteLink(Label7, Panel2);
    // The logo under the link opens the web site too.
    LinkLabels::clickArea(Panel4, [this] { Links::Internetseite_Aufrufen(this); });
    LinkLabels::clickArea(Image3, [this] { Links::Internetseite_Aufrufen(this); });

    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(150);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    for (QTimer* timer : { Timer1, Timer2 })
        timer->setTimerType(Qt::PreciseTimer);
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
    Q_EMIT confirmed();
    close();
}
