#include "info/TForm5.h"

#include "app/FormLook.h"
#include "app/TForm1.h"
#include "info/LinkLabels.h"
#include "info/Links.h"

#include <QTimer>

TForm5::TForm5(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    FormLook::applyPixelFonts(this);
    LinkLabels::fitToText(Label7);
    LinkLabels::centreInParent(Label7);
    LinkLabels::watch(Label7, this);
    LinkLabels::watch(Panel2, this);

    // Enter presses the button that has the focus; at first that is "Beenden".
    BitBtn1->setAutoDefault(true);
    BitBtn2->setAutoDefault(true);
    BitBtn2->setDefault(true);
    BitBtn2->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, &TForm5::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm5::BitBtn2Click);

    FormLook::fitToControls(this, 0);
    FormLook::centerOnScreen(this);
}

void TForm5::BitBtn1Click()
{
    if (TForm1* mainWindow = TForm1::instance()) mainWindow->Timer3->start();
    close();
}

void TForm5::BitBtn2Click()
{
    close();
    if (TForm1* mainWindow = TForm1::instance()) mainWindow->Beenden();
}

void TForm5::Label7Click()
{
    Links::Internetseite_Aufrufen(this);
}

void TForm5::Label7MouseMove()
{
    FormLook::setTextColor(Label7, FormLook::Red);
}

void TForm5::Panel2MouseMove()
{
    FormLook::setTextColor(Label7, FormLook::Navy);
}

bool TForm5::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label7) {
        if (event->type() == QEvent::MouseMove) {
            Label7MouseMove();
            return true;
        }
        if (LinkLabels::isClick(watched, event)) {
            Label7Click();
            return true;
        }
    } else if (watched == Panel2 && event->type() == QEvent::MouseMove) {
        Panel2MouseMove();
    }
    return QWidget::eventFilter(watched, event);
}
