#include "forms/info/TForm3.h"

#include "core/AppState.h"
#include "forms/constants/Settings.h"
#include "widgets/FormLook.h"
#include "widgets/LinkLabels.h"
#include "widgets/Links.h"

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    FormLook::applyPixelFonts(this);
    FormLook::applyPictures(this);
    LinkLabels::fitToText(Label5);
    LinkLabels::fitToText(Label14);
    LinkLabels::link(
        Label5, [this] { Label5MouseMove(); }, [this] { Label5Click(); });
    LinkLabels::link(
        Label14, [this] { Label14MouseMove(); }, [this] { Label14Click(); });
    LinkLabels::surrounding(GroupBox1, [this] { GroupBox1MouseMove(); });

    connect(CheckBox1, &QCheckBox::clicked, this, &TForm3::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TForm3::CheckBox2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    FormLook::centerOnScreen(this);
}

QString TForm3::mailSubject()
{
    return QStringLiteral("Frage zu Fluvano");
}

QString TForm3::mailBody()
{
    return QStringLiteral("Sehr geehrte Damen und Herren, zu Ihrem Programm Fluvano habe ich folgende "
                          "Fragen/Anmerkungen/Kritik/Verbesserungsvorschläge");
}

void TForm3::Startprozeduren()
{
    const SettingsRecord& settings = appState().settings();
    CheckBox1->setChecked(settings.hideStartWindow == 0);
    CheckBox2->setChecked(settings.hideEndWindow == 0);
    Settings::Vorgaben_Speichern(this);
}

void TForm3::CheckBox1Click()
{
    SettingsRecord settings = appState().settings();
    settings.hideStartWindow = CheckBox1->isChecked() ? 0 : 1;
    appState().setSettings(settings);
    Settings::Vorgaben_Speichern(this);
}

void TForm3::CheckBox2Click()
{
    SettingsRecord settings = appState().settings();
    settings.hideEndWindow = CheckBox2->isChecked() ? 0 : 1;
    appState().setSettings(settings);
    Settings::Vorgaben_Speichern(this);
}

void TForm3::Label14Click()
{
    Links::Internetseite_Aufrufen(this);
}

void TForm3::Label5Click()
{
    Links::Email_Schreiben(this, Links::mailAddress(), mailSubject(), mailBody());
}

void TForm3::Label5MouseMove()
{
    LinkLabels::setHovered(Label5, true);
}

void TForm3::Label14MouseMove()
{
    LinkLabels::setHovered(Label14, true);
}

void TForm3::GroupBox1MouseMove()
{
    LinkLabels::setHovered(Label14, false);
    LinkLabels::setHovered(Label5, false);
}
