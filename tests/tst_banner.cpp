#include "TestSupport.h"

#include "core/AppState.h"
#include "forms/main/TForm1.h"
#include "widgets/FormLook.h"
#include "widgets/Links.h"

#include <QApplication>
#include <QLabel>

class TestBanner : public QObject
{
    Q_OBJECT

private:
    // A shown main window whose start window is switched off.
    static std::unique_ptr<TForm1> shownMainWindow(TestEnvironment& env)
    {
        env.writeStandardSettings(true, true);
        auto w = env.createMainWindow();
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) return {};
        return w;
    }

private Q_SLOTS:
    void look()
    {
        TestEnvironment env;
        env.writeStandardSettings();
        auto w = env.createMainWindow();
        const QString tip = QStringLiteral("Hier klicken, um die Internetseite von qel zu besuchen");
        QCOMPARE(w->Label26->text(), Links::bannerText());
        QCOMPARE(w->Label26->parentWidget(), w->Panel7);
        QCOMPARE(w->Label26->geometry(), QRect(8, 4, 457, 16));
        QCOMPARE(w->Panel7->size(), QSize(477, 25));
        QVERIFY(!w->Label26->wordWrap());
        QCOMPARE(w->Label26->textFormat(), Qt::PlainText);
        QCOMPARE(w->Label26->font().family(), QStringLiteral("Courier New"));
        QVERIFY(w->Label26->font().bold());
        QCOMPARE(w->Label26->font().pixelSize(), 13);
        QCOMPARE(FormLook::textColor(w->Label26), QColor(0, 0, 128));
        QCOMPARE(FormLook::panelColor(w->Panel7), QColor(255, 255, 255));
        for (QWidget* widget : { static_cast<QWidget*>(w->Panel7), static_cast<QWidget*>(w->Label26) }) {
            QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(widget->toolTip(), tip);
        }
    }

    void startsWhenNoStartWindowIsShown()
    {
        TestEnvironment env;
        env.writeStandardSettings(true, true);
        auto w = env.createMainWindow();
        // 500 ms after start the decision starts Timer3, 1500 ms later Timer2.
        QCOMPARE(mainTimer(*w, "Timer1")->interval() + mainTimer(*w, "Timer3")->interval(), 2000);
        w->Timer1Timer();
        QVERIFY(mainTimer(*w, "Timer3")->isActive());
        QVERIFY(!mainTimer(*w, "Timer2")->isActive());
        w->Timer3Timer();
        QVERIFY(!mainTimer(*w, "Timer3")->isActive());
        QVERIFY(mainTimer(*w, "Timer2")->isActive());
        QCOMPARE(mainTimer(*w, "Timer2")->interval(), 130);
        QCOMPARE(w->Label26->text(), Links::bannerText());
        w->Timer2Timer();
        QCOMPARE(w->Label26->text(), Links::bannerText().mid(1) + Links::bannerText().left(1));
    }

    void timer4StartsTheBannerInAnyCase()
    {
        TestEnvironment env;
        env.writeStandardSettings(false, true);
        TForm1 w;
        QVERIFY(mainTimer(w, "Timer4")->isActive());
        QCOMPARE(mainTimer(w, "Timer4")->interval(), 10000);
        QVERIFY(!mainTimer(w, "Timer2")->isActive());
        mainTimer(w, "Timer1")->stop();
        w.Timer4Timer();
        QVERIFY(!mainTimer(w, "Timer4")->isActive());
        QVERIFY(mainTimer(w, "Timer2")->isActive());
    }

    void laterStartsKeepTheCadence_data()
    {
        QTest::addColumn<bool>("byTimer3");
        QTest::newRow("Timer3 again (end window OK)") << true;
        QTest::newRow("Timer4 after Timer3") << false;
    }
    void laterStartsKeepTheCadence()
    {
        QFETCH(bool, byTimer3);
        TestEnvironment env;
        env.writeStandardSettings();
        auto w = env.createMainWindow();
        mainTimer(*w, "Timer3")->start();
        w->Timer3Timer();
        QVERIFY(mainTimer(*w, "Timer2")->isActive());
        QTRY_VERIFY(mainTimer(*w, "Timer2")->remainingTime() < 100);
        const int remaining = mainTimer(*w, "Timer2")->remainingTime();
        if (byTimer3) {
            mainTimer(*w, "Timer3")->start();
            w->Timer3Timer();
            QVERIFY(!mainTimer(*w, "Timer3")->isActive());
        } else {
            mainTimer(*w, "Timer4")->start();
            w->Timer4Timer();
            QVERIFY(!mainTimer(*w, "Timer4")->isActive());
        }
        QVERIFY(mainTimer(*w, "Timer2")->isActive());
        QVERIFY2(mainTimer(*w, "Timer2")->remainingTime() <= remaining, "Timer2 was restarted");
    }

    void timersAreWired()
    {
        TestEnvironment env;
        env.writeStandardSettings();
        auto w = env.createMainWindow();
        mainTimer(*w, "Timer3")->setInterval(1);
        mainTimer(*w, "Timer2")->setInterval(1);
        mainTimer(*w, "Timer3")->start();
        QTRY_VERIFY(w->Label26->text() != Links::bannerText());
        QVERIFY(!mainTimer(*w, "Timer3")->isActive());
        QVERIFY(mainTimer(*w, "Timer2")->isActive());
    }

    void fullTurnAfter255Ticks()
    {
        TestEnvironment env;
        env.writeStandardSettings();
        auto w = env.createMainWindow();
        for (int tick = 0; tick < 254; ++tick)
            w->Timer2Timer();
        QVERIFY(w->Label26->text() != Links::bannerText());
        w->Timer2Timer();
        QCOMPARE(w->Label26->text(), Links::bannerText());
    }

    void clickOpensTheSiteWhileScrolling_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<bool>("opens");
        QTest::newRow("text") << QStringLiteral("Label26") << QPoint(100, 8) << true;
        QTest::newRow("panel margin, link fails") << QStringLiteral("Panel7") << QPoint(470, 20) << false;
    }
    void clickOpensTheSiteWhileScrolling()
    {
        QFETCH(QString, target);
        QFETCH(QPoint, position);
        QFETCH(bool, opens);
        TestEnvironment env;
        env.urlOpens = opens;
        auto w = shownMainWindow(env);
        QVERIFY(w);
        mainTimer(*w, "Timer2")->start();
        w->Timer2Timer();
        const QString shown = w->Label26->text();
        QTest::mouseClick(w->findChild<QWidget*>(target), Qt::LeftButton, {}, position);
        QCOMPARE(env.openedUrls, QList<QUrl> { QUrl(Links::webAddress()) });
        QCOMPARE(env.messageTexts(), opens ? QStringList() : QStringList { Links::linkErrorMessage() });
        QVERIFY(mainTimer(*w, "Timer2")->isActive());
        QCOMPARE(w->Label26->text(), shown);
    }

    void rightClickOpensNothing()
    {
        TestEnvironment env;
        auto w = shownMainWindow(env);
        QVERIFY(w);
        QTest::mouseClick(w->Label26, Qt::RightButton, {}, QPoint(100, 8));
        QVERIFY(env.openedUrls.isEmpty());
    }

    void hoverColours()
    {
        TestEnvironment env;
        auto w = shownMainWindow(env);
        QVERIFY(w);
        const QColor navy(0, 0, 128), red(255, 0, 0);
        QTest::mouseMove(w->Label26, QPoint(100, 8));
        QTRY_COMPARE(FormLook::textColor(w->Label26), red);
        QTest::mouseMove(w->Panel7, QPoint(3, 12));
        QTRY_COMPARE(FormLook::textColor(w->Label26), navy);
        QTest::mouseMove(w->Label26, QPoint(200, 8));
        QTRY_COMPARE(FormLook::textColor(w->Label26), red);
        // Leaving the banner for a control of the window keeps the colour;
        // the window's own surface brings navy back.
        QTest::mouseMove(w->Edit1, QPoint(5, 5));
        QTest::qWait(0);
        QCOMPARE(FormLook::textColor(w->Label26), red);
        QTest::mouseMove(w.get(), QPoint(w->width() - 3, w->height() - 3));
        QTRY_COMPARE(FormLook::textColor(w->Label26), navy);
    }
};

FLUVANO_TEST_MAIN(TestBanner)
#include "tst_banner.moc"
