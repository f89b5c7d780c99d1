#include "info/Links.h"

#include "app/MessageBoxes.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

namespace Links {

namespace {
UrlOpener& opener()
{
    static UrlOpener current;
    return current;
}

bool open(const QUrl& url, QWidget* window)
{
    if (opener())
        return opener()(url, window);
    return QDesktopServices::openUrl(url);
}
} // namespace

QString webAddress() { return QStringLiteral("https://www.qel-software.example/"); }

QString webAddressShort() { return QStringLiteral("www.qel-software.example"); }

QString mailAddress() { return QStringLiteral("info@qel-software.example"); }

QString bannerText()
{
    return QStringLiteral("Fluvano von qel - Rohrnetzberechnung leicht gemacht - - - - ");
}

QString linkErrorMessage()
{
    return QStringLiteral("FEHLER beim Laden der Seite.\rBitte überprüfen Sie, ob Ihr Internetzugang richtig "
                          "konfiguriert bzw. installiert ist.");
}

void setUrlOpener(UrlOpener newOpener) { opener() = std::move(newOpener); }

void Internetseite_Aufrufen(QWidget* window)
{
    if (!open(QUrl(webAddress()), window))
        MessageBoxes::plain(window, linkErrorMessage());
}

QString mailLink(const QString& address, const QString& subject, const QString& body)
{
    return QStringLiteral("mailto:") + address + QStringLiteral("?Subject=") + subject + QStringLiteral("&body=")
        + body;
}

void Email_Schreiben(QWidget* window, const QString& address, const QString& subject, const QString& body)
{
    open(QUrl(mailLink(address, subject, body)), window);
}

QString rotatedLeft(const QString& text)
{
    if (text.size() < 2)
        return text;
    const qsizetype first = text.front().isHighSurrogate() && text.size() > 2 ? 2 : 1;
    return text.mid(first) + text.left(first);
}

void Lauftext_Schritt(QLabel* label) { label->setText(rotatedLeft(label->text())); }

} // namespace Links
