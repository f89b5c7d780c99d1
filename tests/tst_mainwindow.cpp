#include "TestSupport.h"

#include "app/Application.h"
#include "core/AppState.h"
#include "core/SettingsFile.h"
#include "forms/constants/Settings.h"
#include "forms/constants/TForm2.h"
#include "forms/info/TForm4.h"
#include "forms/info/TForm5.h"
#include "forms/main/TForm1.h"
#include "widgets/FusionLook.h"
#include "widgets/Links.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleFactory>

#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    static QString panelText(TForm1& w, const char* name)
    {
        return w.findChild<QLabel*>(QLatin1StringView(name))->text();
    }

private Q_SLOTS:
    // Every window that opens is raised.
    void initTestCase() { muteOffscreenRaiseWarnings(); }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }

    void startsWithStoredMaterialAndNoResult_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<QString>("checked");
        QTest::newRow("medium threaded") << 1 << QStringLiteral("RadioButton11");
        QTest::newRow("seamless") << 3 << QStringLiteral("RadioButton13");
        QTest::newRow("precision") << 6 << QStringLiteral("RadioButton16");
        QTest::newRow("PE-X") << 10 << QStringLiteral("RadioButton20");
        // Out of range: no button is checked by start-up; the form's own choice stays.
        QTest::newRow("index 0") << 0 << QStringLiteral("RadioButton11");
        QTest::newRow("index 11") << 11 << QStringLiteral("RadioButton11");
    }
    void startsWithStoredMaterialAndNoResult()
    {
        QFETCH(int, material);
        QFETCH(QString, checked);
        TestEnvironment env;
        SettingsRecord record {};
        record.applyStandardValues(false);
        record.materialIndex = std::uint8_t(material);
        QVERIFY(SettingsFile::write(record));

        TForm1 w;
        QVERIFY(env.messages.isEmpty());
        QVERIFY(!appState().settingsFileError());
        QVERIFY(!w.creating);
        QVERIFY(w.findChild<QRadioButton*>(checked)->isChecked());
        QCOMPARE(appState().calc.material, material);
        QVERIFY(!mainTimer(w, "Timer5")->isActive());
        // Start-up computes nothing.
        for (const char* panel : { "Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6" })
            QVERIFY2(panelText(w, panel).isEmpty(), panel);
        QVERIFY(w.Label5->text().isEmpty());
        QCOMPARE(w.Label26->text(), Links::bannerText());
        QCOMPARE(w.Edit1->text(), QStringLiteral("1"));

        // The first change reads the material from the checked button.
        w.Edit1->setText(QStringLiteral("10"));
        QCOMPARE(appState().calc.material, checked.sliced(QStringLiteral("RadioButton").size()).toInt() - 10);
        QVERIFY(!panelText(w, "Panel2").isEmpty());
    }

    void unreadableSettingsFileIsReported_data()
    {
        QTest::addColumn<int>("length"); // -1: no file
        QTest::newRow("missing") << -1;
        QTest::newRow("empty") << 0;
        QTest::newRow("163 bytes") << 163;
    }
    void unreadableSettingsFileIsReported()
    {
        QFETCH(int, length);
        TestEnvironment env;
        if (length >= 0) {
            QFile file(env.settingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(length, '\x01'));
        }
        TForm1 w;
        QCOMPARE(env.messages.size(), 1);
        const MessageBoxes::Request& message = env.messages.front();
        QCOMPARE(message.caption, QStringLiteral("Fluvano"));
        QCOMPARE(message.icon, QMessageBox::NoIcon);
        QCOMPARE(message.text,
            QStringLiteral("FEHLER! Datei Fluvano.qel (Einstellungen/Vorgaben) im Verzeichnis \r") + env.directory()
                + QStringLiteral(" fehlt oder ist beschädigt. \r\rBitte umgehend bei den Konstanten Standardwerte "
                                 "setzten und Speichern.\r"));
        QVERIFY(env.directory().endsWith(u'/'));
        QVERIFY(appState().settingsFileError());
        QVERIFY(mainTimer(w, "Timer5")->isActive());
        QCOMPARE(mainTimer(w, "Timer5")->interval(), 200);

        // While the file is in error, nothing is calculated or shown.
        w.Edit1->setText(QStringLiteral("10"));
        QVERIFY(panelText(w, "Panel2").isEmpty());
        QCOMPARE(env.messages.size(), 1);
    }

    void savingTheSettings_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("errorBefore");
        QTest::newRow("saved, error cleared") << true << true;
        QTest::newRow("saved, no error") << true << false;
        QTest::newRow("failed, error kept") << false << true;
        QTest::newRow("failed, no error") << false << false;
    }
    void savingTheSettings()
    {
        QFETCH(bool, writable);
        QFETCH(bool, errorBefore);
        TestEnvironment env;
        if (!writable) // a directory where the file should be
            QVERIFY(QDir(env.directory()).mkdir(SettingsFile::fileName()));
        editSettings([](SettingsRecord& s) { s.applyStandardValues(false); });
        appState().setSettingsFileError(errorBefore);
        Settings::Vorgaben_Speichern(nullptr);
        QCOMPARE(appState().settingsFileError(), writable ? false : errorBefore);
        if (writable) {
            QVERIFY(env.messages.isEmpty());
            SettingsRecord back {};
            QCOMPARE(SettingsFile::read(back), SettingsFile::ReadResult::Ok);
            QCOMPARE(back.densityInUse, 983.2f);
        } else {
            QCOMPARE(env.messages.size(), 1);
            // The first line, then the file and the system's reason.
            QVERIFY(env.messages.front().text.startsWith(
                QStringLiteral("Fehler bei Datenträgerzugriff.\r") + env.settingsPath() + u'\r'));
            QCOMPARE(env.messages.front().icon, QMessageBox::Critical);
        }
    }

    void stockTextsAreGerman()
    {
        setUpApplication(*qApp);
        QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("Fluvano"));
        // The desktop entry's id, packaging/example.qel_software.Fluvano.desktop.
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("example.qel_software.Fluvano"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), QStringLiteral("Schließen"));
    }

    void timersAtCreation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("running");
        QTest::newRow("start window decision") << QStringLiteral("Timer1") << 500 << true;
        QTest::newRow("banner step") << QStringLiteral("Timer2") << 130 << false;
        QTest::newRow("banner after start window") << QStringLiteral("Timer3") << 1500 << false;
        QTest::newRow("banner at the latest") << QStringLiteral("Timer4") << 10000 << true;
        QTest::newRow("constants dialog after error") << QStringLiteral("Timer5") << 200 << false;
    }
    void timersAtCreation()
    {
        QFETCH(QString, name);
        QFETCH(int, interval);
        QFETCH(bool, running);
        TestEnvironment env;
        env.writeStandardSettings();
        TForm1 w;
        auto* timer = w.findChild<QTimer*>(name);
        QVERIFY(timer);
        QCOMPARE(timer->interval(), interval);
        QCOMPARE(timer->isActive(), running);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer); // a coarse one fires up to 5 % early
    }

    void startWindowDecision_data()
    {
        QTest::addColumn<bool>("fileMissing");
        QTest::addColumn<bool>("hideStart");
        QTest::addColumn<bool>("startWindow");
        QTest::newRow("shown") << false << false << true;
        QTest::newRow("switched off") << false << true << false;
        QTest::newRow("settings file missing") << true << false << false;
    }
    void startWindowDecision()
    {
        QFETCH(bool, fileMissing);
        QFETCH(bool, hideStart);
        QFETCH(bool, startWindow);
        TestEnvironment env;
        if (!fileMissing) env.writeStandardSettings(hideStart, true);
        auto w = env.createMainWindow();
        if (fileMissing) {
            // The record is all zero, so its hide flag is clear.
            QCOMPARE(appState().settings().hideStartWindow, 0);
        }
        mainTimer(*w, "Timer1")->start();
        w->Timer1Timer();
        QVERIFY(!mainTimer(*w, "Timer1")->isActive());
        const auto windows = w->findChildren<TForm4*>();
        QCOMPARE(windows.size(), startWindow ? 1 : 0);
        if (startWindow) QVERIFY(windows.front()->isVisible());
        QCOMPARE(mainTimer(*w, "Timer3")->isActive(), !startWindow);
    }

    void settingsErrorTimerOpensTheConstantsDialog()
    {
        TestEnvironment env;
        auto w = env.createMainWindow();
        QVERIFY(mainTimer(*w, "Timer5")->isActive());
        w->Timer5Timer();
        QVERIFY(!mainTimer(*w, "Timer5")->isActive());
        TForm2* dialog = TForm2::current();
        QVERIFY(dialog);
        QCOMPARE(dialog->parent(), w.get());
        QVERIFY(dialog->isVisible());
        QVERIFY(!TForm2::shared().dialogInitialised);
    }

    void closeProtocol_data()
    {
        QTest::addColumn<bool>("hideEnd");
        QTest::addColumn<bool>("quit");
        QTest::addColumn<bool>("closes");
        QTest::newRow("end window switched off") << true << false << true;
        QTest::newRow("end window offered") << false << false << false;
        QTest::newRow("quitting") << false << true << true;
    }
    void closeProtocol()
    {
        QFETCH(bool, hideEnd);
        QFETCH(bool, quit);
        QFETCH(bool, closes);
        TestEnvironment env;
        env.writeStandardSettings(true, hideEnd);
        auto w = env.createMainWindow();
        w->show();
        if (quit)
            w->Beenden();
        else
            QCOMPARE(w->close(), closes);
        QCOMPARE(w->isVisible(), !closes);
        QCOMPARE(w->findChildren<TForm5*>().size(), closes ? 0 : 1);
        if (!closes) {
            // Every refused close offers another end window.
            QVERIFY(!w->close());
            QCOMPARE(w->findChildren<TForm5*>().size(), 2);
            w->BitBtn1->click();
            QCOMPARE(w->findChildren<TForm5*>().size(), 3);
            QVERIFY(w->isVisible());
        }
    }

    void windowLook()
    {
        TestEnvironment env;
        env.writeStandardSettings();
        auto w = env.createMainWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("Fluvano by qel"));
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(w->windowFlags() & Qt::WindowSystemMenuHint);
        // Sized to the controls plus the 10 px border; the banner ends at 437.
        const QRect controls = w->childrenRect();
        QCOMPARE(w->size(), QSize(controls.right() + 1 + 10, controls.bottom() + 1 + 10));
        QCOMPARE(w->height(), 10 + 437 + 10);
        QVERIFY(w->width() >= 10 + 493 + 10);
        // Captions are never cut off, except the banner, which scrolls.
        for (const QWidget* caption : w->findChildren<QWidget*>()) {
            if ((qobject_cast<const QLabel*>(caption)
                    && static_cast<const QLabel*>(caption)->frameShape() == QFrame::NoFrame && caption != w->Label26
                    && caption != w->Image1)
                || qobject_cast<const QAbstractButton*>(caption))
                QVERIFY2(caption->sizeHint().width() <= caption->width() + 1, qPrintable(caption->objectName()));
        }
        QCOMPARE(w->font().family(), QStringLiteral("Arial"));
        QCOMPARE(w->font().pixelSize(), 13);
        QVERIFY(w->Edit1->font().bold());
        QCOMPARE(w->Edit1->font().pixelSize(), 13);
        QCOMPARE(w->Panel1->font().pixelSize(), 15);
        QVERIFY(w->Panel1->font().bold());
        QCOMPARE(w->Panel1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(!w->RadioButton11->font().bold());
        QVERIFY(w->GroupBox2->font().bold());
        QCOMPARE(w->Label26->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(w->Label26->font().pixelSize(), 13);
        QCOMPARE(w->Label26->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(w->BitBtn2->toolTip(),
            QStringLiteral("Hier können Konstanten zur exakten Berechnung manuell festgelegt werden"));
        QCOMPARE(w->SpeedButton1->toolTip(), QStringLiteral("Hiinweise zum Programm"));
        QVERIFY(w->Image1->pixmap().width() == 32);

        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(QApplication::focusWidget(), w->Edit1);
        QTest::keyClicks(w->Edit1, QStringLiteral("25")); // typed over, not appended
        QCOMPARE(w->Edit1->text(), QStringLiteral("25"));
    }

    // The program's look draws the frame of a group box itself; every pixel
    // stays as Fusion draws it, on screens of more pixels per point too.
    void groupBoxFramesAsFusionDrawsThem_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("pixelRatio");
        const QString title = QStringLiteral("Rohrmaterial");
        QTest::newRow("the main window's temperature difference") << title << false << QSize(185, 113) << 1.0;
        QTest::newRow("the main window's materials") << title << false << QSize(185, 229) << 1.0;
        QTest::newRow("without a title") << QString() << false << QSize(120, 300) << 1.0;
        QTest::newRow("checkable") << title << true << QSize(185, 229) << 1.0;
        QTest::newRow("two pixels a point") << title << false << QSize(185, 229) << 2.0;
        QTest::newRow("a quarter more pixels") << title << false << QSize(185, 229) << 1.25;
    }
    void groupBoxFramesAsFusionDrawsThem()
    {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        QFETCH(QSize, size);
        QFETCH(qreal, pixelRatio);
        const auto drawn = [&](QStyle* style) {
            QGroupBox box(title);
            box.setCheckable(checkable);
            box.setStyle(style);
            box.resize(size);
            QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(pixelRatio);
            image.fill(Qt::white);
            box.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
            return image;
        };
        FusionLook look;
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QCOMPARE(drawn(&look), drawn(fusion.get()));
    }

    // Positions within the client area, inside the 10 px border.
    void controlGeometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        const auto row = [](const char* name, int x, int y, int width, int height) {
            QTest::newRow(name) << QLatin1StringView(name).toString() << QRect(x + 10, y + 10, width, height);
        };
        row("Label1", 12, 4, 69, 16);
        row("Edit1", 88, 0, 73, 24);
        row("UpDown2", 161, 0, 15, 24);
        row("Label2", 180, 4, 20, 16);
        row("RadioGroup1", 12, 44, 185, 113);
        row("RadioButton1", 20, 68, 53, 17);
        row("RadioButton2", 20, 88, 53, 17);
        row("RadioButton3", 72, 68, 53, 17);
        row("RadioButton4", 72, 88, 53, 17);
        row("RadioButton5", 132, 68, 53, 17);
        row("RadioButton6", 132, 88, 53, 17);
        row("RadioButton7", 20, 116, 65, 17);
        row("Edit2", 92, 116, 53, 24);
        row("GroupBox2", 12, 172, 185, 229);
        row("Bevel1", 212, 0, 13, 401);
        row("Label3", 228, 0, 185, 16);
        row("Bevel2", 228, 20, 189, 17);
        row("Label4", 232, 64, 120, 16);
        row("Panel1", 380, 60, 69, 25);
        row("UpDown1", 449, 60, 15, 24);
        row("Label24", 232, 96, 112, 16);
        row("Panel6", 380, 96, 69, 21);
        row("Edit4", 380, 96, 69, 24);
        row("Label6", 456, 100, 24, 16);
        row("CheckBox1", 232, 128, 261, 17);
        row("Bevel3", 232, 156, 257, 17);
        row("Panel2", 368, 172, 81, 25);
        row("Panel3", 368, 200, 81, 25);
        row("Panel4", 368, 228, 81, 25);
        row("Panel5", 368, 256, 81, 25);
        row("BitBtn2", 240, 296, 117, 25);
        row("SpeedButton1", 368, 296, 23, 25);
        row("BitBtn1", 400, 296, 89, 25);
        row("Panel7", 12, 412, 477, 25);
        row("Image1", 444, 0, 49, 45);
        // Inside their frames.
        QTest::newRow("RadioButton11 in its frame") << QStringLiteral("RadioButton11") << QRect(8, 24, 169, 17);
        QTest::newRow("RadioButton16 in its frame") << QStringLiteral("RadioButton16") << QRect(8, 124, 161, 17);
        QTest::newRow("RadioButton20 in its frame") << QStringLiteral("RadioButton20") << QRect(8, 204, 169, 17);
        QTest::newRow("Label26 in the banner") << QStringLiteral("Label26") << QRect(8, 4, 457, 16);
    }
    void controlGeometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        TestEnvironment env;
        env.writeStandardSettings();
        auto w = env.createMainWindow();
        auto* control = w->findChild<QWidget*>(name);
        QVERIFY(control);
        const QWidget* frame = control->parentWidget();
        const QRect inWindow(frame == w.get() ? control->pos() : control->mapTo(w.get(), QPoint()), control->size());
        const QRect actual = frame == w->GroupBox2 || frame == w->Panel7 ? control->geometry() : inWindow;
        // Captions may widen a control so that they are not cut off.
        QCOMPARE(actual.topLeft(), rect.topLeft());
        QCOMPARE(actual.height(), rect.height());
        QVERIFY(actual.width() >= rect.width());
        QVERIFY(actual.width() <= rect.width() + 10);
    }

    void captionsAndStartStates()
    {
        TestEnvironment env;
        env.writeStandardSettings();
        auto w = env.createMainWindow();
        const QStringList differences { QStringLiteral("&5 K"), QStringLiteral("&6 K"), QStringLiteral("1&0 K"),
            QStringLiteral("12 K"), QStringLiteral("&15 K"), QStringLiteral("&20 K") };
        const QRadioButton* buttons[] { w->RadioButton1, w->RadioButton2, w->RadioButton3, w->RadioButton4,
            w->RadioButton5, w->RadioButton6 };
        for (int i = 0; i < 6; ++i)
            QCOMPARE(buttons[i]->text(), differences[i]);
        QVERIFY(w->RadioButton5->isChecked());
        QCOMPARE(w->RadioButton7->text(), QStringLiteral("an&dere:"));
        QVERIFY(!w->Edit2->isEnabled());
        QCOMPARE(w->RadioButton14->text(), QStringLiteral("&Geschweißtes Stahlrohr"));
        QCOMPARE(w->RadioButton16->text(), QStringLiteral("Pr&äzisionsstahlrohr"));
        QCOMPARE(w->CheckBox1->text(), QStringLiteral("&andere Nennweite für Berechnung wählen"));
        QVERIFY(!w->CheckBox1->isChecked());
        QCOMPARE(w->Label4->text(), QStringLiteral("empfohlenes Rohr:"));
        QCOMPARE(w->Label3->text(), QStringLiteral("BERECHNUNGSERGEBNISSE:"));
        QVERIFY(w->Edit4->isHidden());
        QVERIFY(w->UpDown1->isHidden());
        QVERIFY(w->Edit5->isHidden());
        QCOMPARE(w->Edit5->text(), QStringLiteral("1"));
        QCOMPARE(w->UpDown2->minimum(), 1);
        QCOMPARE(w->UpDown2->maximum(), 1000);
        QCOMPARE(w->UpDown1->maximum(), 20);
        QCOMPARE(w->Label1->buddy(), w->Edit1);
        QCOMPARE(w->Label4->buddy(), w->Edit4);
        QCOMPARE(w->BitBtn1->text(), QStringLiteral("&Beenden"));
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("K&onstanten"));
    }
};

FLUVANO_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
