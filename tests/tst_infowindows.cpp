#include "TestSupport.h"

#include "core/AppState.h"
#include "core/SettingsFile.h"
#include "forms/info/TForm3.h"
#include "forms/info/TForm4.h"
#include "forms/info/TForm5.h"
#include "forms/main/TForm1.h"
#include "widgets/FormLook.h"
#include "widgets/Links.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QUrlQuery>

namespace
{

const QColor navy(0, 0, 128);
const QColor red(255, 0, 0);
const QString visitTip = QStringLiteral("Hier klicken, um die Internetseite von qel zu besuchen");
const QString openTip = QStringLiteral("Hier klicken, um die Internetseite von qel aufzurufen");

QByteArray fileBytes()
{
    QFile file(SettingsFile::path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray image(const SettingsRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

// A settings file with standard values and the two window bytes as given,
// read into the record.
void loadSettings(TestEnvironment& env, int hideStart, int hideEnd)
{
    env.writeStandardSettings();
    QCOMPARE(appState().readSettings(), SettingsFile::ReadResult::Ok);
    editSettings([&](SettingsRecord& record) {
        record.hideStartWindow = std::uint8_t(hideStart);
        record.hideEndWindow = std::uint8_t(hideEnd);
    });
    QVERIFY(appState().writeSettings());
}

template <typename Window> QList<Window*> windowsOf(TForm1& mainWindow)
{
    return mainWindow.findChildren<Window*>();
}

// A link text as the windows show it.
void verifyLink(QLabel* label, const QString& text, const QString& tip, bool bold)
{
    QCOMPARE(label->text(), text);
    QCOMPARE(label->toolTip(), tip);
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(label->font().underline());
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(FormLook::textColor(label), navy);
    // Only the text itself reacts to the mouse.
    QCOMPARE(label->size(), label->sizeHint());
}

} // namespace

class TestInfoWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every window that opens is raised.
    void initTestCase() { muteOffscreenRaiseWarnings(); }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }

    // Information window ---------------------------------------------------

    void informationWindowLook()
    {
        TestEnvironment env;
        loadSettings(env, 0, 0);
        auto w = env.createMainWindow();
        w->SpeedButton1->click();
        const auto windows = windowsOf<TForm3>(*w);
        QCOMPARE(windows.size(), 1);
        TForm3* info = windows.front();
        QVERIFY(info->isVisible());
        QCOMPARE(info->windowType(), Qt::Window);
        QCOMPARE(info->windowModality(), Qt::NonModal);
        QCOMPARE(info->windowTitle(), QStringLiteral("Informationen zu Fluvano"));
        QCOMPARE(info->size(), QSize(360, 496));
        QCOMPARE(info->Label19->text(), QStringLiteral("Info zu qel Fluvano"));
        QCOMPARE(info->Label19->font().pixelSize(), 20);
        QCOMPARE(info->GroupBox1->title(), QStringLiteral("Entwickelt von"));
        QCOMPARE(info->Label3->text(), QStringLiteral("Email:"));
        QCOMPARE(info->Label13->text(), QStringLiteral("Internet:"));
        QCOMPARE(info->CheckBox1->text(), QStringLiteral("Info-Fenster beim Start zeigen"));
        QCOMPARE(info->CheckBox2->text(), QStringLiteral("Info-Fenster am Ende zeigen"));
        QCOMPARE(info->CheckBox1->font().pixelSize(), 11);
        verifyLink(
            info->Label5, Links::mailAddress(), QStringLiteral("Hier klicken, um qel eine Email zu schreiben"), false);
        verifyLink(info->Label14, Links::webAddressShort(), visitTip, true);
        QCOMPARE(info->Image1->pixmap().size(), QSize(32, 32));
        QCOMPARE(info->Image2->pixmap().size(), QSize(200, 61));
    }

    void boxesFollowTheFlagsAndOpeningWrites_data()
    {
        QTest::addColumn<int>("hideStart");
        QTest::addColumn<int>("hideEnd");
        QTest::addColumn<bool>("startTicked");
        QTest::addColumn<bool>("endTicked");
        QTest::newRow("both shown") << 0 << 0 << true << true;
        QTest::newRow("both hidden") << 1 << 1 << false << false;
        QTest::newRow("byte 2") << 2 << 2 << false << false;
        QTest::newRow("start shown, end hidden") << 0 << 1 << true << false;
        QTest::newRow("start byte 255, end shown") << 255 << 0 << false << true;
    }
    void boxesFollowTheFlagsAndOpeningWrites()
    {
        QFETCH(int, hideStart);
        QFETCH(int, hideEnd);
        QFETCH(bool, startTicked);
        QFETCH(bool, endTicked);
        TestEnvironment env;
        loadSettings(env, hideStart, hideEnd);
        editSettings([&](SettingsRecord& s) { s.rMax = 123.0f; }); // not yet in the file
        const QByteArray expected = image(appState().settings());

        TForm3 info(nullptr);
        info.show();
        info.Startprozeduren();
        QCOMPARE(info.CheckBox1->isChecked(), startTicked);
        QCOMPARE(info.CheckBox2->isChecked(), endTicked);
        // Opening writes the record as it is; the bytes keep their values.
        QCOMPARE(fileBytes(), expected);
        QCOMPARE(int(appState().settings().hideStartWindow), hideStart);
        QCOMPARE(int(appState().settings().hideEndWindow), hideEnd);
        QVERIFY(env.messages.isEmpty());
    }

    void boxWritesAtOnce_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("start window off") << 1 << 0 << 1;
        QTest::newRow("start window on") << 1 << 1 << 0;
        QTest::newRow("start window on from byte 2") << 1 << 2 << 0;
        QTest::newRow("end window off") << 2 << 0 << 1;
        QTest::newRow("end window on from byte 2") << 2 << 2 << 0;
    }
    void boxWritesAtOnce()
    {
        QFETCH(int, box);
        QFETCH(int, before);
        QFETCH(int, after);
        TestEnvironment env;
        loadSettings(env, before, before);
        TForm3 info(nullptr);
        info.show();
        info.Startprozeduren();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QCheckBox* checkBox = box == 1 ? info.CheckBox1 : info.CheckBox2;
        const int offset = box == 1 ? 111 : 112; // hide-start and hide-end bytes
        const std::uint8_t& flag
            = box == 1 ? appState().settings().hideStartWindow : appState().settings().hideEndWindow;

        QTest::mouseClick(checkBox, Qt::LeftButton, {}, QPoint(8, checkBox->height() / 2));
        QCOMPARE(int(flag), after);
        QCOMPARE(int(fileBytes().at(offset)), after);
        // The other byte is untouched.
        QCOMPARE(int(fileBytes().at(box == 1 ? 112 : 111)), before);
        checkBox->click();
        QCOMPARE(int(flag), 1 - after);
        QCOMPARE(int(fileBytes().at(offset)), 1 - after);
        QVERIFY(env.messages.isEmpty());
    }

    void failedWriteIsReportedEachTime()
    {
        TestEnvironment env;
        loadSettings(env, 0, 0);
        SettingsFile::setDirectory(env.settingsPath() + QStringLiteral("/no-directory"));
        TForm3 info(nullptr);
        info.Startprozeduren();
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages.front().text.startsWith(
            QStringLiteral("Fehler bei Datenträgerzugriff.\r") + SettingsFile::path() + u'\r'));
        QCOMPARE(env.messages.front().icon, QMessageBox::Critical);
        info.CheckBox2->click();
        QCOMPARE(env.messages.size(), 2);
        // The choice holds for this run and the box keeps it.
        QCOMPARE(appState().settings().hideEndWindow, 1);
        QVERIFY(!info.CheckBox2->isChecked());
    }

    void openingWritesTheRecordEvenAfterAReadError()
    {
        TestEnvironment env;
        auto w = env.createMainWindow(); // no settings file: read error, all-zero record
        QVERIFY(appState().settingsFileError());
        env.messages.clear();
        w->SpeedButton1->click();
        TForm3* info = windowsOf<TForm3>(*w).front();
        // The all-zero record says: both windows shown.
        QVERIFY(info->CheckBox1->isChecked());
        QVERIFY(info->CheckBox2->isChecked());
        // The record is written as it stands, and the successful write clears the error.
        QVERIFY(!appState().settingsFileError());
        QFile file(env.settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(164, '\0'));
        QVERIFY(env.messages.isEmpty());
        // With no constants the calculation now fails with its own message.
        w->Edit1->setText(QStringLiteral("10"));
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages.front().text, QStringLiteral("Gleitkommadivision durch Null."));
        QVERIFY(w->Panel2->text().isEmpty());
    }

    void everyPressOpensAnotherWindow()
    {
        TestEnvironment env;
        loadSettings(env, 0, 0);
        auto w = env.createMainWindow();
        w->SpeedButton1->click();
        editSettings([&](SettingsRecord& s) { s.hideEndWindow = 1; });
        w->SpeedButton1->click();
        const auto windows = windowsOf<TForm3>(*w);
        QCOMPARE(windows.size(), 2);
        QVERIFY(windows[0]->isVisible() && windows[1]->isVisible());
        QCOMPARE(windows[0]->CheckBox2->isChecked(), true);
        QCOMPARE(windows[1]->CheckBox2->isChecked(), false);
        QVERIFY(!QApplication::activeModalWidget());

        // Closing writes nothing and destroys the window.
        QFile::remove(env.settingsPath());
        QPointer<TForm3> closed = windows[0];
        closed->BitBtn1->click();
        QVERIFY(!closed->isVisible());
        QTRY_VERIFY(closed.isNull());
        QVERIFY(!QFile::exists(env.settingsPath()));
    }

    void informationLinks_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("opens");
        QTest::newRow("web") << QStringLiteral("Label14") << true;
        QTest::newRow("web fails") << QStringLiteral("Label14") << false;
        QTest::newRow("mail") << QStringLiteral("Label5") << true;
        QTest::newRow("mail fails") << QStringLiteral("Label5") << false;
    }
    void informationLinks()
    {
        QFETCH(QString, link);
        QFETCH(bool, opens);
        TestEnvironment env;
        env.urlOpens = opens;
        TForm3 info(nullptr);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QTest::mouseClick(info.findChild<QLabel*>(link), Qt::LeftButton);
        QCOMPARE(env.openedUrls.size(), 1);
        const QUrl url = env.openedUrls.front();
        if (link == QStringLiteral("Label14")) {
            QCOMPARE(url, QUrl(Links::webAddress()));
            QCOMPARE(env.messageTexts(), opens ? QStringList() : QStringList { Links::linkErrorMessage() });
            return;
        }
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), Links::mailAddress());
        const QUrlQuery query(url);
        QCOMPARE(
            query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded), QStringLiteral("Frage zu Fluvano"));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
            QStringLiteral("Sehr geehrte Damen und Herren, zu Ihrem Programm Fluvano habe ich folgende "
                           "Fragen/Anmerkungen/Kritik/Verbesserungsvorschläge"));
        QVERIFY(env.messages.isEmpty());
    }

    void informationHover()
    {
        TestEnvironment env;
        TForm3 info(nullptr);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QTest::mouseMove(info.Label5, QPoint(3, 3));
        QTRY_COMPARE(FormLook::textColor(info.Label5), red);
        QCOMPARE(FormLook::textColor(info.Label14), navy);
        QTest::mouseMove(info.Label14, QPoint(3, 3));
        QTRY_COMPARE(FormLook::textColor(info.Label14), red);
        QCOMPARE(FormLook::textColor(info.Label5), red);
        // Another label leaves them; the box's own surface brings both back to navy.
        QTest::mouseMove(info.Label2, QPoint(3, 3));
        QTest::qWait(0);
        QCOMPARE(FormLook::textColor(info.Label14), red);
        QTest::mouseMove(info.GroupBox1, QPoint(200, 343));
        QTRY_COMPARE(FormLook::textColor(info.Label14), navy);
        QCOMPARE(FormLook::textColor(info.Label5), navy);
    }

    // Start window ---------------------------------------------------------

    void startWindowLook()
    {
        TestEnvironment env;
        TForm4 start(nullptr);
        QCOMPARE(start.windowType(), Qt::Tool);
        QVERIFY(start.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(start.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(start.windowTitle(), QStringLiteral("qel Fluvano - Startinformationen"));
        QCOMPARE(start.size(), QSize(389, 369));
        QCOMPARE(start.Label23->text(), QStringLiteral("Willkommen bei qel Fluvano - "));
        QCOMPARE(start.Label23->size(), QSize(289, 19));
        QCOMPARE(start.Label6->text(), QStringLiteral("Entwickelt von"));
        QCOMPARE(start.Panel4->toolTip(), QStringLiteral("Besuchen Sie uns im Internet!"));
        QCOMPARE(start.Panel4->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(start.Image3->pixmap().size(), QSize(200, 61));
        verifyLink(start.Label7, Links::webAddressShort(), openTip, true);
        QCOMPARE(start.BitBtn1->text(), QStringLiteral("&OK"));
        QVERIFY(start.BitBtn1->isDefault());
        QCOMPARE(start.focusWidget(), start.BitBtn1);
    }

    void welcomeLineScrolls()
    {
        TestEnvironment env;
        TForm4 start(nullptr);
        QCOMPARE(start.Timer2->interval(), 1000);
        QVERIFY(start.Timer2->isActive());
        QCOMPARE(start.Timer1->interval(), 150);
        QVERIFY(!start.Timer1->isActive());
        QCOMPARE(start.Timer1->timerType(), Qt::PreciseTimer);
        QCOMPARE(start.Timer2->timerType(), Qt::PreciseTimer);
        start.Timer2Timer();
        QVERIFY(!start.Timer2->isActive());
        QVERIFY(start.Timer1->isActive());
        const QString welcome = start.Label23->text();
        start.Timer1Timer();
        QCOMPARE(start.Label23->text(), QStringLiteral("illkommen bei qel Fluvano - W"));
        for (int step = 1; step < 29; ++step)
            start.Timer1Timer();
        QCOMPARE(start.Label23->text(), welcome);

        // The timers drive the handlers.
        start.Timer1->stop();
        start.Timer2->setInterval(1);
        start.Timer1->setInterval(1);
        start.Timer2->start();
        QTRY_VERIFY(start.Label23->text() != welcome);
        QVERIFY(!start.Timer2->isActive());
    }

    void startWindowCloses_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("bannerStarts");
        QTest::newRow("OK") << QStringLiteral("click") << true;
        QTest::newRow("Enter at once") << QStringLiteral("enter") << true;
        QTest::newRow("close box") << QStringLiteral("close") << false;
    }
    void startWindowCloses()
    {
        QFETCH(QString, how);
        QFETCH(bool, bannerStarts);
        TestEnvironment env;
        loadSettings(env, 0, 1);
        auto w = env.createMainWindow();
        w->show();
        w->Timer1Timer();
        QCOMPARE(windowsOf<TForm4>(*w).size(), 1);
        QPointer<TForm4> start = windowsOf<TForm4>(*w).front();
        QVERIFY(start->isVisible());
        QVERIFY(!mainTimer(*w, "Timer3")->isActive());
        if (how == QStringLiteral("click")) {
            QTest::mouseClick(start->BitBtn1, Qt::LeftButton);
        } else if (how == QStringLiteral("enter")) {
            QVERIFY(QTest::qWaitForWindowActive(start));
            QCOMPARE(QApplication::focusWidget(), start->BitBtn1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            start->close();
        }
        QCOMPARE(mainTimer(*w, "Timer3")->isActive(), bannerStarts);
        QVERIFY(w->isVisible());
        QTRY_VERIFY(start.isNull());
    }

    void startWindowLinks_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<bool>("opens");
        QTest::newRow("link text") << QStringLiteral("Label7") << QPoint(5, 5) << true;
        QTest::newRow("logo") << QStringLiteral("Image3") << QPoint(100, 30) << true;
        QTest::newRow("logo panel, link fails") << QStringLiteral("Panel4") << QPoint(1, 71) << false;
    }
    void startWindowLinks()
    {
        QFETCH(QString, target);
        QFETCH(QPoint, position);
        QFETCH(bool, opens);
        TestEnvironment env;
        env.urlOpens = opens;
        TForm4 start(nullptr);
        start.show();
        QVERIFY(QTest::qWaitForWindowExposed(&start));
        QTest::mouseClick(start.findChild<QWidget*>(target), Qt::LeftButton, {}, position);
        QCOMPARE(env.openedUrls, QList<QUrl> { QUrl(Links::webAddress()) });
        QCOMPARE(env.messageTexts(), opens ? QStringList() : QStringList { Links::linkErrorMessage() });
    }

    // End window -----------------------------------------------------------

    void endWindowLook()
    {
        TestEnvironment env;
        TForm5 end(nullptr);
        QCOMPARE(end.windowType(), Qt::Tool);
        QVERIFY(!(end.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(end.windowTitle(), QStringLiteral("qel Fluvano beenden"));
        QCOMPARE(end.size(), QSize(333, 321));
        QCOMPARE(end.Label11->text(), QStringLiteral("Vielen Dank für die Benutzung von Fluvano."));
        verifyLink(end.Label7, Links::webAddressShort(), openTip, true);
        QCOMPARE(end.BitBtn1->text(), QStringLiteral("&OK"));
        QCOMPARE(end.BitBtn2->text(), QStringLiteral("&Beenden"));
        QVERIFY(!end.BitBtn1->font().bold());
        QVERIFY(end.BitBtn2->font().bold());
        QVERIFY(end.BitBtn2->isDefault());
        QVERIFY(!end.BitBtn1->isDefault());
        QCOMPARE(end.focusWidget(), end.BitBtn2);
        // Each glyph has its own grey picture for the disabled state.
        for (QPushButton* button : { end.BitBtn1, end.BitBtn2 }) {
            const QImage normal = button->icon().pixmap(QSize(16, 16), QIcon::Normal).toImage();
            const QImage disabled = button->icon().pixmap(QSize(16, 16), QIcon::Disabled).toImage();
            QVERIFY(!normal.isNull());
            QVERIFY(normal != disabled);
            QVERIFY(disabled.allGray());
        }
    }

    void endWindowButtons_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("programEnds");
        QTest::addColumn<bool>("bannerStarts");
        QTest::newRow("OK") << QStringLiteral("ok") << false << true;
        QTest::newRow("Beenden") << QStringLiteral("beenden") << true << false;
        QTest::newRow("Enter at once") << QStringLiteral("enter") << true << false;
        QTest::newRow("close box") << QStringLiteral("close") << false << false;
    }
    void endWindowButtons()
    {
        QFETCH(QString, how);
        QFETCH(bool, programEnds);
        QFETCH(bool, bannerStarts);
        TestEnvironment env;
        loadSettings(env, 1, 0);
        auto w = env.createMainWindow();
        w->show();
        QVERIFY(!w->close());
        QCOMPARE(windowsOf<TForm5>(*w).size(), 1);
        QPointer<TForm5> end = windowsOf<TForm5>(*w).front();
        if (how == QStringLiteral("ok")) {
            QTest::mouseClick(end->BitBtn1, Qt::LeftButton);
        } else if (how == QStringLiteral("beenden")) {
            QTest::mouseClick(end->BitBtn2, Qt::LeftButton);
        } else if (how == QStringLiteral("enter")) {
            QVERIFY(QTest::qWaitForWindowActive(end));
            QCOMPARE(QApplication::focusWidget(), end->BitBtn2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            end->close();
        }
        QCOMPARE(w->quitting, programEnds);
        QCOMPARE(w->isVisible(), !programEnds);
        QCOMPARE(mainTimer(*w, "Timer3")->isActive(), bannerStarts);
        QTRY_VERIFY(end.isNull());
        QVERIFY(windowsOf<TForm5>(*w).isEmpty());
    }

    // On their own, the start and end windows only say what happened; the
    // main window decides what follows (banner, end of the program).
    void windowsSayWhatHappened_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("quit");
        QTest::newRow("start window OK") << QStringLiteral("start ok") << true << false;
        QTest::newRow("end window OK") << QStringLiteral("end ok") << true << false;
        QTest::newRow("end window Beenden") << QStringLiteral("end beenden") << false << true;
        QTest::newRow("end window close box") << QStringLiteral("end close") << false << false;
    }
    void windowsSayWhatHappened()
    {
        QFETCH(QString, how);
        QFETCH(bool, confirmed);
        QFETCH(bool, quit);
        TestEnvironment env;
        int confirmations = 0;
        int quits = 0;
        if (how.startsWith(QStringLiteral("start"))) {
            QPointer<TForm4> start = new TForm4;
            connect(start, &TForm4::confirmed, this, [&] { ++confirmations; });
            start->show();
            QTest::mouseClick(start->BitBtn1, Qt::LeftButton);
            QTRY_VERIFY(start.isNull());
        } else {
            QPointer<TForm5> end = new TForm5;
            connect(end, &TForm5::confirmed, this, [&] { ++confirmations; });
            connect(end, &TForm5::quitChosen, this, [&] { ++quits; });
            end->show();
            if (how.endsWith(QStringLiteral("ok")))
                QTest::mouseClick(end->BitBtn1, Qt::LeftButton);
            else if (how.endsWith(QStringLiteral("beenden")))
                QTest::mouseClick(end->BitBtn2, Qt::LeftButton);
            else
                end->close();
            QTRY_VERIFY(end.isNull());
        }
        QCOMPARE(confirmations, confirmed ? 1 : 0);
        QCOMPARE(quits, quit ? 1 : 0);
    }

    void endWindowSwitchedOffWhileOpen_data()
    {
        QTest::addColumn<bool>("tickedAgain");
        QTest::newRow("unticked") << false;
        QTest::newRow("unticked and ticked again") << true;
    }
    void endWindowSwitchedOffWhileOpen()
    {
        QFETCH(bool, tickedAgain);
        TestEnvironment env;
        loadSettings(env, 1, 0);
        auto w = env.createMainWindow();
        w->show();
        QVERIFY(!w->close());
        TForm5* end = windowsOf<TForm5>(*w).front();
        w->SpeedButton1->click();
        TForm3* info = windowsOf<TForm3>(*w).front();
        QVERIFY(info->CheckBox2->isChecked());
        info->CheckBox2->click();
        QCOMPARE(int(fileBytes().at(112)), 1);
        if (tickedAgain) info->CheckBox2->click();
        end->BitBtn1->click();
        QVERIFY(w->isVisible());

        QCOMPARE(w->close(), !tickedAgain);
        QCOMPARE(w->isVisible(), tickedAgain);
        QTRY_COMPARE(windowsOf<TForm5>(*w).size(), tickedAgain ? 1 : 0);
    }

    void endWindowLinkAndHover()
    {
        TestEnvironment env;
        env.urlOpens = false;
        TForm5 end(nullptr);
        end.show();
        QVERIFY(QTest::qWaitForWindowExposed(&end));
        QTest::mouseMove(end.Label7, QPoint(3, 3));
        QTRY_COMPARE(FormLook::textColor(end.Label7), red);
        QTest::mouseClick(end.Label7, Qt::LeftButton);
        QCOMPARE(env.openedUrls, QList<QUrl> { QUrl(Links::webAddress()) });
        QCOMPARE(env.messageTexts(), QStringList { Links::linkErrorMessage() });
        // Clicking leaves the colour; the surrounding panel brings navy back.
        QCOMPARE(FormLook::textColor(end.Label7), red);
        QTest::mouseMove(end.Panel2, QPoint(5, 300));
        QTRY_COMPARE(FormLook::textColor(end.Label7), navy);
    }

    void startWindowHover()
    {
        TestEnvironment env;
        TForm4 start(nullptr);
        start.show();
        QVERIFY(QTest::qWaitForWindowExposed(&start));
        QTest::mouseMove(start.Label7, QPoint(3, 3));
        QTRY_COMPARE(FormLook::textColor(start.Label7), red);
        QTest::mouseMove(start.Panel2, QPoint(5, 360));
        QTRY_COMPARE(FormLook::textColor(start.Label7), navy);
    }

    // Pictures -------------------------------------------------------------

    void pictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("program icon") << QStringLiteral(":/images/fluvano.png") << QSize(32, 32);
        QTest::newRow("help glyph") << QStringLiteral(":/images/question.png") << QSize(16, 16);
        QTest::newRow("logo") << QStringLiteral(":/images/logo.png") << QSize(200, 61);
        QTest::newRow("tick") << QStringLiteral(":/images/ok.png") << QSize(16, 16);
        QTest::newRow("door") << QStringLiteral(":/images/door.png") << QSize(16, 16);
        QTest::newRow("close glyph") << QStringLiteral(":/images/close.png") << QSize(16, 16);
    }
    void pictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        // The pictures are compiled into the window library with the main window.
        TestEnvironment env;
        env.writeStandardSettings();
        auto w = env.createMainWindow();
        const QImage picture(path);
        QCOMPARE(picture.size(), size);
        // On a screen of two device pixels per pixel: the picture drawn at
        // twice the size, not the small one blown up.
        const QPixmap sharp = FormLook::picture(path, 2);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.size(), size * 2);
        QCOMPARE(FormLook::picture(path, 1).size(), size);
        if (path.endsWith(QStringLiteral("logo.png"))) {
            QSet<QRgb> colours;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    colours.insert(picture.pixel(x, y));
            QVERIFY(colours.size() <= 16);
        }
    }
};

FLUVANO_TEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
