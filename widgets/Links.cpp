#include "widgets/Links.h"

#include "widgets/MessageBoxes.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTextBoundaryFinder>
#include <QUrl>

namespace Links
{

namespace
{
    UrlOpener& opener()
    {
        static UrlOpener current;
        return current;
    }

    bool open(const QUrl& url, QWidget* window)
    {
        if (opener()) return opener()(url, window);
        return QDesktopServices::openUrl(url);
    }
} // namespace

QString webAddress()
{
    return QStringLiteral("https://www.qel-software.example/");
}

QString webAddressShort()
{
    return QStringLiteral("www.qel-software.example");
}

QString mailAddress()
{
    return QStringLiteral("info@qel-software.example");
}

QString bannerText()
{
    return QStringLiteral(
        "qel Software - Ihr Spezialist für Heizlastberechnung und Rohrnetzauslegung - Heizlast Raum für "
        "Raum, schnell und normgerecht: mit qel HEIZLAST oder als Berechnungsservice zum Festpreis - "
        "Besuchen Sie uns im Internet unter www.qel-software.example - - - - ");
}

QString linkErrorMessage()
{
    return QStringLiteral("FEHLER beim Laden der Seite.\rBitte überprüfen Sie, ob Ihr Internetzugang richtig "
                          "konfiguriert bzw. installiert ist.");
}

void setUrlOpener(UrlOpener newOpener)
{
    opener() = std::move(newOpener);
}

void Internetseite_Aufrufen(QWidget* window)
{
    if (!open(QUrl(webAddress()), window)) MessageBoxes::plain(window, linkErrorMessage());
}

QString mailLink(const QString& address, const QString& subject, const QString& body)
{
    return QStringLiteral("mailto:") + address + QStringLiteral("?Subject=") + subject + QStringLiteral("&body=")
        + body;
}

void Email_Schreiben(QWidget* window, const QString& address, const QString& subject, const QString& body)
{
    // The composed text goes over as it is; QUrl percent-encodes blanks and
    // umlauts only in the encoded form that reaches the desktop.
    open(QUrl(mailLink(address, subject, body), QUrl::TolerantMode), window);
}

QString rotatedLeft(const QString& text)
{
    // One character as the reader sees it: a surrogate pair or a letter with
    // combining marks moves as a whole.
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    const qsizetype first = characters.toNextBoundary();
    if (first <= 0 || first >= text.size()) return text;
    return text.mid(first) + text.left(first);
}

void Lauftext_Schritt(QLabel* label)
{
    label->setText(rotatedLeft(label->text()));
}

} // namespace Links
