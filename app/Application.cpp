#include "app/Application.h"

#include "widgets/FormLook.h"
#include "widgets/FusionLook.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QTranslator>

QPalette lightPalette()
{
    const QColor buttonFace(240, 240, 240);
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor grayText(109, 109, 109);

    QPalette palette;
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? grayText : black;
        palette.setColor(group, QPalette::Window, buttonFace);
        palette.setColor(group, QPalette::Button, buttonFace);
        palette.setColor(group, QPalette::Base, disabled ? buttonFace : white);
        palette.setColor(group, QPalette::AlternateBase, QColor(246, 246, 246));
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::PlaceholderText, grayText);
        palette.setColor(group, QPalette::BrightText, white);
        palette.setColor(group, QPalette::Light, white);
        palette.setColor(group, QPalette::Midlight, QColor(227, 227, 227));
        palette.setColor(group, QPalette::Mid, QColor(180, 180, 180));
        palette.setColor(group, QPalette::Dark, QColor(160, 160, 160));
        palette.setColor(group, QPalette::Shadow, QColor(105, 105, 105));
        palette.setColor(group, QPalette::Highlight, disabled ? QColor(204, 204, 204) : QColor(0, 120, 215));
        palette.setColor(group, QPalette::HighlightedText, disabled ? grayText : white);
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        palette.setColor(group, QPalette::ToolTipText, black);
        palette.setColor(group, QPalette::Link, QColor(0, 0, 128));
        palette.setColor(group, QPalette::LinkVisited, QColor(0, 0, 128));
    }
    return palette;
}

void setUpApplication(QApplication& application)
{
    // Only the name: a display name set as well would be appended to every
    // window title (" — Fluvano"). The display name falls back to this one.
    QApplication::setApplicationName(QStringLiteral("Fluvano"));
    // Wayland desktops match the window to its desktop entry and icon by this.
    QGuiApplication::setDesktopFileName(QStringLiteral(FLUVANO_APP_ID));
    // The windows' own font, before any window exists: every control is laid
    // out once, in the font it shows.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    QApplication::setWindowIcon(
        FormLook::iconPicture(QStringLiteral(":/images/fluvano.png"), application.devicePixelRatio()));

    QApplication::setStyle(new FusionLook);
    QApplication::setPalette(lightPalette());

    installGermanTexts(application);
}

void installGermanTexts(QCoreApplication& application)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    auto* translator = new QTranslator(&application);
    if (translator->load(
            german, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
