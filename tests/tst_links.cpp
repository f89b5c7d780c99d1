#include "TestSupport.h"

#include "widgets/Links.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QUrlQuery>

namespace
{

// Stands in for the desktop: records what QDesktopServices hands over.
class DesktopHandler : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

const QString generalSubject = QStringLiteral("Frage zu Fluvano");
const QString generalBody = QStringLiteral("Sehr geehrte Damen und Herren, zu Ihrem Programm Fluvano habe ich folgende "
                                           "Fragen/Anmerkungen/Kritik/Verbesserungsvorschläge");

} // namespace

class TestLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rotatesByOneCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rotated");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one letter") << QStringLiteral("a") << QStringLiteral("a");
        QTest::newRow("one umlaut") << QStringLiteral("ü") << QStringLiteral("ü");
        QTest::newRow("one blank") << QStringLiteral(" ") << QStringLiteral(" ");
        QTest::newRow("two letters") << QStringLiteral("ab") << QStringLiteral("ba");
        QTest::newRow("umlaut in front") << QStringLiteral("übrig") << QStringLiteral("brigü");
        QTest::newRow("sharp s in the middle") << QStringLiteral("Grüße") << QStringLiteral("rüßeG");
        QTest::newRow("welcome line") << QStringLiteral("Willkommen bei qel Fluvano - ")
                                      << QStringLiteral("illkommen bei qel Fluvano - W");
        QTest::newRow("combining diaeresis") << QStringLiteral("u\u0308ber") << QStringLiteral("beru\u0308");
        QTest::newRow("surrogate pair") << QStringLiteral("\U0001F525ab") << QStringLiteral("ab\U0001F525");
        QTest::newRow("surrogate pair alone") << QStringLiteral("\U0001F525") << QStringLiteral("\U0001F525");
    }
    void rotatesByOneCharacter()
    {
        QFETCH(QString, text);
        QFETCH(QString, rotated);
        QCOMPARE(Links::rotatedLeft(text), rotated);
        QLabel label(text);
        Links::Lauftext_Schritt(&label);
        QCOMPARE(label.text(), rotated);
    }

    void backToTheStartAfterOneStepPerCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("characters");
        QTest::newRow("banner") << Links::bannerText() << 255;
        QTest::newRow("welcome line") << QStringLiteral("Willkommen bei qel Fluvano - ") << 29;
        QTest::newRow("umlauts") << QStringLiteral("Grüße für Öfen") << 14;
    }
    void backToTheStartAfterOneStepPerCharacter()
    {
        QFETCH(QString, text);
        QFETCH(int, characters);
        QLabel label(text);
        for (int step = 1; step < characters; ++step) {
            Links::Lauftext_Schritt(&label);
            // Each step is one character further: the caption is always the
            // text cut after `step` characters and put back together.
            QCOMPARE(label.text(), text.mid(step) + text.left(step));
        }
        Links::Lauftext_Schritt(&label);
        QCOMPARE(label.text(), text);
    }

    void bannerText()
    {
        const QString text = Links::bannerText();
        QCOMPARE(text.size(), 255);
        QVERIFY(text.endsWith(QStringLiteral(" - - - - ")));
        QVERIFY(!text.endsWith(QStringLiteral("- - - - - ")));
        QVERIFY(!text.contains(u'\r') && !text.contains(u'\n'));
        QVERIFY(text.contains(Links::webAddressShort()));
    }

    void addresses()
    {
        const QUrl web(Links::webAddress());
        QVERIFY(web.isValid());
        QCOMPARE(web.scheme(), QStringLiteral("https"));
        QVERIFY(web.host().endsWith(QStringLiteral(".example")));
        QCOMPARE(Links::webAddressShort(), web.host());
        QVERIFY(Links::mailAddress().endsWith(u'@' + web.host().mid(QStringLiteral("www.").size())));
    }

    void linkErrorMessage()
    {
        const QString text = Links::linkErrorMessage();
        QCOMPARE(text,
            QStringLiteral("FEHLER beim Laden der Seite.\rBitte überprüfen Sie, ob Ihr Internetzugang richtig "
                           "konfiguriert bzw. installiert ist."));
        QCOMPARE(text.size(), 115);
        QCOMPARE(text.count(u'\r'), 1);
        QVERIFY(!text.contains(u'\n'));
    }

    void mailLinkIsJoinedPieceByPiece_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::newRow("information window") << Links::mailAddress() << generalSubject << generalBody;
        QTest::newRow("empty pieces") << QString() << QString() << QString();
        QTest::newRow("characters left as they are")
            << QStringLiteral("a.b@c.example") << QStringLiteral("Größe 50%") << QStringLiteral("x+y=z / ä ö ü");
    }
    void mailLinkIsJoinedPieceByPiece()
    {
        QFETCH(QString, address);
        QFETCH(QString, subject);
        QFETCH(QString, body);
        QString rest = Links::mailLink(address, subject, body);
        for (const QString& piece : { QStringLiteral("mailto:"), address, QStringLiteral("?Subject="), subject,
                 QStringLiteral("&body="), body }) {
            QVERIFY2(rest.startsWith(piece), qPrintable(piece));
            rest.remove(0, piece.size());
        }
        QVERIFY(rest.isEmpty());
    }

    void generalMailLinkText()
    {
        QCOMPARE(generalBody.size(), 124);
        const QString link = Links::mailLink(Links::mailAddress(), generalSubject, generalBody);
        QCOMPARE(link,
            QStringLiteral("mailto:") + Links::mailAddress()
                + QStringLiteral("?Subject=Frage zu Fluvano&body=Sehr geehrte Damen und Herren, zu Ihrem Programm "
                                 "Fluvano habe ich folgende Fragen/Anmerkungen/Kritik/Verbesserungsvorschläge"));
        QCOMPARE(link.count(u' '), generalSubject.count(u' ') + generalBody.count(u' '));
    }

    void webLinkOpensTheMakersSite()
    {
        TestEnvironment env;
        QWidget window;
        Links::Internetseite_Aufrufen(&window);
        QCOMPARE(env.openedUrls, QList<QUrl> { QUrl(Links::webAddress()) });
        QVERIFY(env.messages.isEmpty());
    }

    void failedWebLinkShowsOneTwoLineMessage()
    {
        TestEnvironment env;
        env.urlOpens = false;
        QWidget window;
        Links::Internetseite_Aufrufen(&window);
        QCOMPARE(env.openedUrls.size(), 1);
        QCOMPARE(env.messages.size(), 1);
        const MessageBoxes::Request& message = env.messages.front();
        QCOMPARE(message.icon, QMessageBox::NoIcon);
        QCOMPARE(message.caption, QStringLiteral("Fluvano"));
        const QStringList lines = message.text.split(u'\r');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.front(), QStringLiteral("FEHLER beim Laden der Seite."));

        // A second click reports again, once.
        Links::Internetseite_Aufrufen(&window);
        QCOMPARE(env.messages.size(), 2);
    }

    void mailLinkReachesTheDesktopIntact_data()
    {
        QTest::addColumn<bool>("opens");
        QTest::newRow("mail program found") << true;
        QTest::newRow("no mail program") << false;
    }
    void mailLinkReachesTheDesktopIntact()
    {
        QFETCH(bool, opens);
        TestEnvironment env;
        env.urlOpens = opens;
        QWidget window;
        Links::Email_Schreiben(&window, Links::mailAddress(), generalSubject, generalBody);
        QCOMPARE(env.openedUrls.size(), 1);
        const QUrl url = env.openedUrls.front();
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), Links::mailAddress());
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded), generalSubject);
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), generalBody);
        // A failed mail link shows nothing.
        QVERIFY(env.messages.isEmpty());
    }

    void desktopServiceGetsTheLinks()
    {
        TestEnvironment env;
        Links::setUrlOpener({});
        DesktopHandler desktop;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &desktop, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &desktop, "open");
        QWidget window;
        Links::Internetseite_Aufrufen(&window);
        Links::Email_Schreiben(&window, Links::mailAddress(), generalSubject, generalBody);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));

        QCOMPARE(desktop.urls.size(), 2);
        QCOMPARE(desktop.urls[0], QUrl(Links::webAddress()));
        // The encoded form the desktop passes on has no raw blanks or umlauts
        // and decodes to the composed text.
        const QByteArray encoded = desktop.urls[1].toEncoded();
        QVERIFY(!encoded.contains(' '));
        QVERIFY(encoded.contains("Subject=Frage%20zu%20Fluvano&body="));
        QCOMPARE(
            QUrl::fromPercentEncoding(encoded), Links::mailLink(Links::mailAddress(), generalSubject, generalBody));
        QVERIFY(env.messages.isEmpty());
    }
};

FLUVANO_TEST_MAIN(TestLinks)
#include "tst_links.moc"
