#include "forms/info/TForm5.h"

#include "widgets/FormLook.h"
#include "widgets/LinkLabels.h"
#include "widgets/Links.h"

TForm5::TForm5(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    FormLook::applyPixelFonts(this);
    FormLook::applyPictures(this);
    LinkLabels::siteLink(Label7, Panel2);

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
    Q_EMIT confirmed();
    close();
}

void TForm5::BitBtn2Click()
{
    close();
    Q_EMIT quitChosen();
}
