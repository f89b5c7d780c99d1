#include "TestSupport.h"

#include "core/AppState.h"
#include "core/SettingsFile.h"
#include "forms/constants/TForm2.h"
#include "forms/main/TForm1.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>

#include <array>
#include <cstring>
#include <initializer_list>

namespace
{

const QString InputErrorText = QStringLiteral("Fehlerhafte Eingabe in einem Eingabefeld !\rBitte überprüfen.");

SettingsRecord standardRecord()
{
    SettingsRecord record {};
    record.applyStandardValues(false);
    return record;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SettingsRecord storedRecord()
{
    SettingsRecord record {};
    [&] { QCOMPARE(SettingsFile::read(record), SettingsFile::ReadResult::Ok); }();
    return record;
}

QStringList texts(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* text : list)
        result.append(QString::fromUtf8(text));
    return result;
}

bool sameBytes(const SettingsRecord& a, const SettingsRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The eleven fields in read-back order, and their record fields.
const char* const FieldNames[]
    = { "Edit1", "Edit2", "Edit3", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16", "Edit8", "Edit9" };

std::array<float*, 11> recordFields(SettingsRecord& r)
{
    return { &r.densityInUse, &r.heatCapacityInUse, &r.viscosityInUse, &r.roughness[0], &r.roughness[1],
        &r.roughness[2], &r.roughness[3], &r.roughness[4], &r.roughness[5], &r.rMax, &r.wMax };
}

QLineEdit* field(TForm2* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(QLatin1StringView(name));
}

} // namespace

class TestConstantsDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TForm1> mainWindow;

    // A main window over a settings file holding `record`, with "Konstanten" pressed.
    TForm2* openOver(const SettingsRecord& record)
    {
        [&] { QVERIFY(SettingsFile::write(record)); }();
        mainWindow = env->createMainWindow();
        mainWindow->show();
        mainWindow->BitBtn2->click();
        return TForm2::current();
    }

private Q_SLOTS:
    // Every window that opens is raised.
    void initTestCase() { muteOffscreenRaiseWarnings(); }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }

    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        mainWindow.reset();
        env.reset();
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("mainFrame");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("wider main window") << QRect(304, 173, 521, 400) << QPoint(372, 241);
        QTest::newRow("narrower main window truncates toward zero") << QRect(100, 50, 301, 400) << QPoint(59, 118);
        QTest::newRow("equal widths") << QRect(-20, 0, 384, 400) << QPoint(-20, 68);
    }
    void placement()
    {
        QFETCH(QRect, mainFrame);
        QFETCH(QPoint, expected);
        QCOMPARE(TForm2::placeBeside(mainFrame, 384), expected);
    }

    // On its own the dialog says what happened; the main window connects it.
    void dialogSaysWhatHappened_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("left");
        QTest::newRow("saved") << QStringLiteral("save") << 1;
        QTest::newRow("cancelled") << QStringLiteral("cancel") << 1;
        QTest::newRow("close box") << QStringLiteral("close") << 0;
        QTest::newRow("start-up without a settings file") << QStringLiteral("missing") << 0;
    }
    void dialogSaysWhatHappened()
    {
        QFETCH(QString, how);
        QFETCH(int, left);
        if (how != QStringLiteral("missing")) QVERIFY(SettingsFile::write(standardRecord()));
        QPointer<TForm2> dialog = new TForm2;
        QSignalSpy leftSpy(dialog.data(), &TForm2::left);
        QSignalSpy readFailedSpy(dialog.data(), &TForm2::settingsReadFailed);
        dialog->show();
        dialog->Startprozeduren();
        if (how == QStringLiteral("save"))
            dialog->BitBtn1->click();
        else if (how == QStringLiteral("cancel"))
            dialog->BitBtn2->click();
        else
            dialog->close();
        QCOMPARE(leftSpy.size(), left);
        QCOMPARE(readFailedSpy.size(), how == QStringLiteral("missing") ? 1 : 0);
        delete dialog.data();
    }

    // A second Fluvano saves R max 30: 42,73 Pa/m of DN 25 is then too much
    // and the next pipe, DN 32, is recommended. An open dialog's edits are
    // never overwritten; its window takes the new record once it is left.
    void anotherInstanceSaves_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("no dialog open") << QString();
        QTest::newRow("dialog open, then cancelled") << QStringLiteral("cancel");
    }
    void anotherInstanceSaves()
    {
        QFETCH(QString, dialog);
        TForm2* open = openOver(standardRecord());
        if (dialog.isEmpty()) open->BitBtn2->click();
        mainWindow->Edit1->setText(QStringLiteral("10"));
        QCOMPARE(mainWindow->Panel1->text(), QStringLiteral("DN 25"));
        if (!dialog.isEmpty()) open->Edit8->setText(QStringLiteral("150"));

        SettingsRecord other = standardRecord();
        other.rMax = 30;
        QVERIFY(SettingsFile::write(other, SettingsFile::path())); // not through this process's record
        if (!dialog.isEmpty()) {
            QTest::qWait(300);
            QCOMPARE(appState().settings().rMax, 100.0f);
            QCOMPARE(open->Edit8->text(), QStringLiteral("150"));
            QCOMPARE(mainWindow->Panel1->text(), QStringLiteral("DN 25"));
            open->BitBtn2->click();
        }
        QTRY_COMPARE(mainWindow->Panel1->text(), QStringLiteral("DN 32"));
        QCOMPARE(appState().settings().rMax, 30.0f);
        QVERIFY(env->messages.isEmpty());
    }

    void opensBesideMainWindowWithStoredValues()
    {
        SettingsRecord record = standardRecord();
        record.rMax = 150;
        record.materialIndex = 5;
        TForm2* dialog = openOver(record);
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(TForm2::shared().dialogInitialised);
        const QRect main = mainWindow->frameGeometry();
        const QRect frame = dialog->frameGeometry();
        QCOMPARE(frame.top(), main.top() + 68);
        QCOMPARE(frame.left(), main.left() + (main.width() - frame.width()) / 2); // C++ division truncates toward zero
        QCOMPARE(dialog->Edit8->text(), QStringLiteral("150"));
        QVERIFY(dialog->RadioButton15->isChecked());
        for (QLabel* label : dialog->findChildren<QLabel*>())
            QCOMPARE(label->size(), label->sizeHint());
    }

    void standardValues_data()
    {
        QTest::addColumn<bool>("fileError");
        QTest::addColumn<int>("override");
        QTest::newRow("error flag clear, override set") << false << 1;
        QTest::newRow("error flag set, override set") << true << 1;
        QTest::newRow("error flag set, override clear") << true << 0;
    }
    void standardValues()
    {
        QFETCH(bool, fileError);
        QFETCH(int, override);
        SettingsRecord record = standardRecord();
        record.temperatureIndex = 3;
        record.densityInUse = 1000;
        record.roughness[4] = 0.5f;
        record.rMax = 150;
        record.materialIndex = 6;
        record.manualOverride = std::uint8_t(override);
        record.hideStartWindow = 1;
        TForm2* dialog = openOver(record);
        appState().setSettingsFileError(fileError);

        dialog->BitBtn3->click();

        const SettingsRecord settings = appState().settings();
        QCOMPARE(int(settings.manualOverride), fileError ? override : 0);
        QCOMPARE(int(settings.hideStartWindow), 1);
        QCOMPARE(int(settings.temperatureIndex), 6);
        QVERIFY(dialog->RadioButton6->isChecked());
        const bool manual = fileError && override != 0;
        QCOMPARE(dialog->CheckBox1->isChecked(), manual);
        QCOMPARE(dialog->Edit1->isEnabled(), manual);
        QCOMPARE(dialog->RadioButton3->isEnabled(), !manual);
        QVERIFY(dialog->RadioButton11->isChecked());
        const QStringList expected = texts(
            { "983,2", "4185", "0,480", "0,0450", "0,0450", "0,0450", "0,0450", "0,0020", "0,0015", "100", "2,00" });
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(field(dialog, FieldNames[i])->text(), expected[i]);
        QVERIFY(dialog->isVisible());
        QCOMPARE(storedRecord().rMax, 150.0f); // nothing saved
    }

    void temperatureChoiceFillsFieldsOnly()
    {
        TForm2* dialog = openOver(standardRecord());
        QTest::mouseClick(dialog->RadioButton3, Qt::LeftButton);
        QVERIFY(dialog->RadioButton3->isChecked());
        QCOMPARE(dialog->Edit1->text(), QStringLiteral("998,3"));
        QCOMPARE(dialog->Edit2->text(), QStringLiteral("4182"));
        QCOMPARE(dialog->Edit3->text(), QStringLiteral("1,010"));
        QCOMPARE(int(appState().settings().temperatureIndex), 3);
        QCOMPARE(appState().settings().densityInUse, 983.2f);

        dialog->BitBtn1->click();
        QCOMPARE(storedRecord().densityInUse, 998.3f);
        QCOMPARE(storedRecord().viscosityInUse, 1.01f);
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point becomes comma") << "2.5"
                                             << "2,5";
        QTest::newRow("letters, minus and blank dropped") << "-1 a2e"
                                                          << "12";
        QTest::newRow("backspace passes") << "12\b3"
                                          << "13";
    }
    void keyFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TForm2* dialog = openOver(standardRecord());
        for (const char* name : FieldNames) {
            QLineEdit* edit = field(dialog, name);
            edit->setEnabled(true);
            edit->clear();
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), shown);
        }
    }

    void overrideTypedThenUncheckedIsSaved()
    {
        TForm2* dialog = openOver(standardRecord());
        QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
        QVERIFY(dialog->Edit1->isEnabled());
        QVERIFY(!dialog->RadioButton6->isEnabled());
        QCOMPARE(int(appState().settings().manualOverride), 1);
        dialog->Edit1->setText(QStringLiteral("1000,5"));
        QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
        QCOMPARE(int(appState().settings().manualOverride), 0);
        QVERIFY(!dialog->Edit1->isEnabled());
        QCOMPARE(dialog->Edit1->text(), QStringLiteral("1000,5"));

        dialog->BitBtn1->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(!TForm2::shared().dialogInitialised);
        QCOMPARE(storedRecord().densityInUse, 1000.5f);
        QCOMPARE(int(storedRecord().manualOverride), 0);

        mainWindow->BitBtn2->click();
        TForm2* next = TForm2::current();
        QVERIFY(next != dialog);
        QCOMPARE(next->Edit1->text(), QStringLiteral("1000,5"));
        QVERIFY(!next->CheckBox1->isChecked());
    }

    // Every field gets a new value, then one does not hold a number: the
    // fields before it are stored, the rest not, and the file stays as it was.
    void badFieldStopsReadBack_data()
    {
        QTest::addColumn<int>("bad");
        QTest::addColumn<QString>("text");
        QTest::newRow("w max empty") << 10 << "";
        QTest::newRow("w max two commas") << 10 << "1,2,5";
        QTest::newRow("density lone comma") << 0 << ",";
        QTest::newRow("roughness 3 beyond float range") << 5 << (QStringLiteral("4") + QString(39, u'0'));
    }
    void badFieldStopsReadBack()
    {
        QFETCH(int, bad);
        QFETCH(QString, text);
        const SettingsRecord old = standardRecord();
        TForm2* dialog = openOver(old);
        const QByteArray before = fileBytes(env->settingsPath());
        QTest::mouseClick(dialog->RadioButton4, Qt::LeftButton);
        QTest::mouseClick(dialog->RadioButton13, Qt::LeftButton);
        const float newValues[] = { 1001, 4000, 0.9f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 150, 3 };
        const QStringList newTexts
            = texts({ "1001", "4000", "0,9", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "150", "3" });
        for (int i = 0; i < 11; ++i)
            field(dialog, FieldNames[i])->setText(i == bad ? text : newTexts[i]);

        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);

        QCOMPARE(env->messages.size(), 1);
        QCOMPARE(env->messages[0].icon, QMessageBox::Warning);
        QCOMPARE(env->messages[0].caption, QStringLiteral("Eingabe überprüfen"));
        QCOMPARE(env->messages[0].text, InputErrorText);
        SettingsRecord settings = appState().settings();
        QCOMPARE(int(settings.temperatureIndex), 4);
        QCOMPARE(int(settings.materialIndex), 3);
        SettingsRecord expectedOld = old;
        for (int i = 0; i < 11; ++i)
            QCOMPARE(*recordFields(settings)[i], i < bad ? newValues[i] : *recordFields(expectedOld)[i]);
        QCOMPARE(fileBytes(env->settingsPath()), before);
        QVERIFY(dialog->isVisible());
        QVERIFY(TForm2::shared().dialogInitialised);
        QVERIFY(!TForm2::shared().dialogInputError);
    }

    void shownRoundedAfterSave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<float>("storedAgain");
        QTest::newRow("R max 100,4") << "Edit8"
                                     << "100,4" << 100.4f << "100" << 100.0f;
        QTest::newRow("R max 100,5 half away from zero") << "Edit8"
                                                         << "100,5" << 100.5f << "101" << 101.0f;
        QTest::newRow("w max 2,125 half away from zero") << "Edit9"
                                                         << "2,125" << 2.125f << "2,13" << 2.13f;
    }
    void shownRoundedAfterSave()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(float, stored);
        QFETCH(QString, shown);
        QFETCH(float, storedAgain);
        const int index = name == QLatin1StringView("Edit8") ? 9 : 10;
        TForm2* dialog = openOver(standardRecord());
        field(dialog, FieldNames[index])->setText(typed);
        dialog->BitBtn1->click();
        SettingsRecord record = storedRecord();
        QCOMPARE(*recordFields(record)[index], stored);

        mainWindow->BitBtn2->click();
        dialog = TForm2::current();
        QCOMPARE(field(dialog, FieldNames[index])->text(), shown);
        dialog->BitBtn1->click();
        record = storedRecord();
        QCOMPARE(*recordFields(record)[index], storedAgain);
    }

    void cancelAfterStandardKeepsFile()
    {
        SettingsRecord record = standardRecord();
        record.rMax = 100000; // every pipe admissible: the smallest is chosen
        record.wMax = 100;
        TForm2* dialog = openOver(record);
        mainWindow->Edit1->setText(QStringLiteral("10"));
        QCOMPARE(appState().calc.selectedPipe, 1);

        dialog->BitBtn3->click();
        QCOMPARE(appState().calc.selectedPipe, 1); // "Standard" alone does not recalculate
        dialog->BitBtn2->click();

        QVERIFY(!dialog->isVisible());
        QVERIFY(!TForm2::shared().dialogInitialised);
        QCOMPARE(appState().settings().rMax, 100.0f);
        QCOMPARE(storedRecord().rMax, 100000.0f);
        // 10 kW at 15 K in medium-weight threaded pipe with the standard limits: DN 25, 27,2 mm.
        QCOMPARE(appState().calc.selectedPipe, 4);
        QCOMPARE(appState().calc.diameter, 27.2f);

        mainWindow->BitBtn2->click();
        QVERIFY(TForm2::current() != dialog);
        QCOMPARE(TForm2::current()->Edit8->text(), QStringLiteral("100000"));
        QCOMPARE(appState().settings().rMax, 100000.0f);
    }

    void leftDialogIsNotKept_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("saved") << true;
        QTest::newRow("cancelled") << false;
    }
    void leftDialogIsNotKept()
    {
        QFETCH(bool, save);
        QPointer<TForm2> dialog = openOver(standardRecord());
        (save ? dialog->BitBtn1 : dialog->BitBtn2)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
        QVERIFY(mainWindow->findChildren<TForm2*>().isEmpty());
        mainWindow->BitBtn2->click();
        QCOMPARE(mainWindow->findChildren<TForm2*>().size(), 1);
        QVERIFY(TForm2::current()->isVisible());
    }

    void closeBoxKeepsDialogForReopening()
    {
        TForm2* dialog = openOver(standardRecord());
        const QByteArray before = fileBytes(env->settingsPath());
        dialog->Edit8->setText(QStringLiteral("123"));
        QVERIFY(dialog->close());
        QVERIFY(!dialog->isVisible());
        QVERIFY(TForm2::shared().dialogInitialised);

        mainWindow->BitBtn2->click();
        QCOMPARE(TForm2::current(), dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->Edit8->text(), QStringLiteral("123"));
        QCOMPARE(fileBytes(env->settingsPath()), before);
    }

    // Escape does nothing anywhere; Enter presses the default button unless
    // another button has the focus.
    void enterAndEscape_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<float>("stored");
        QTest::newRow("in an edit") << "Edit8" << 120.0f;
        QTest::newRow("on the check box") << "CheckBox1" << 120.0f;
        QTest::newRow("on a radio button") << "RadioButton11" << 120.0f;
        QTest::newRow("on the cancel button") << "BitBtn2" << 100.0f;
    }
    void enterAndEscape()
    {
        QFETCH(QString, control);
        QFETCH(float, stored);
        TForm2* dialog = openOver(standardRecord());
        auto* widget = dialog->findChild<QWidget*>(control);
        dialog->Edit8->setText(QStringLiteral("120"));
        QTest::keyClick(widget, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QTest::keyClick(widget, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!TForm2::shared().dialogInitialised);
        QCOMPARE(storedRecord().rMax, stored);
    }

    void storedTemperatureIndexOne()
    {
        SettingsRecord record = standardRecord();
        record.temperatureIndex = 1;
        record.densityInUse = record.density[0];
        TForm2* dialog = openOver(record);
        QVERIFY(dialog->RadioButton1->isChecked());
        QVERIFY(!dialog->RadioButton1->isVisible());
        for (QRadioButton* button : { dialog->RadioButton2, dialog->RadioButton3, dialog->RadioButton4,
                 dialog->RadioButton5, dialog->RadioButton6, dialog->RadioButton7 })
            QVERIFY(!button->isChecked());
        QCOMPARE(dialog->Edit1->text(), QStringLiteral("999,0"));
        dialog->BitBtn1->click();
        QCOMPARE(int(storedRecord().temperatureIndex), 1);
    }

    void repairAfterMissingSettingsFile()
    {
        mainWindow = env->createMainWindow();
        mainWindow->show();
        QCOMPARE(env->messages.size(), 1);
        QVERIFY(appState().settingsFileError());
        QVERIFY(mainTimer(*mainWindow, "Timer5")->isActive());
        mainWindow->Edit1->setText(QStringLiteral("10"));
        QVERIFY(mainWindow->Panel2->text().isEmpty());

        mainWindow->Timer5Timer();
        TForm2* dialog = TForm2::current();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(!TForm2::shared().dialogInitialised);
        const QStringList placeholders = texts(
            { "Edit1", "Edit1", "Edit1", "Edit11", "Edit4", "Edit4", "Edit14", "Edit4", "Edit4", "Edit8", "Edit8" });
        for (int i = 0; i < placeholders.size(); ++i)
            QCOMPARE(field(dialog, FieldNames[i])->text(), placeholders[i]);
        QVERIFY(dialog->RadioButton6->isChecked());
        QVERIFY(dialog->RadioButton11->isChecked());
        QVERIFY(!dialog->CheckBox1->isChecked());
        QVERIFY(!dialog->Edit1->isEnabled());
        const QPoint screenCentre = dialog->screen()->availableGeometry().center();
        QVERIFY((dialog->frameGeometry().center() - screenCentre).manhattanLength() <= 2);
        if (dialog->frameGeometry() != dialog->geometry()) QCOMPARE(dialog->frameGeometry().size(), QSize(384, 489));

        dialog->BitBtn1->click();
        QCOMPARE(env->messages.size(), 2);
        QCOMPARE(env->messages[1].text, InputErrorText);
        QVERIFY(!QFile::exists(env->settingsPath()));
        QVERIFY(dialog->isVisible());

        dialog->BitBtn3->click();
        QCOMPARE(dialog->Edit1->text(), QStringLiteral("983,2"));
        QCOMPARE(dialog->Edit9->text(), QStringLiteral("2,00"));
        dialog->BitBtn1->click();

        QCOMPARE(env->messages.size(), 2);
        QVERIFY(sameBytes(storedRecord(), standardRecord()));
        QVERIFY(!appState().settingsFileError());
        QVERIFY(!dialog->isVisible());
        QVERIFY(mainWindow->resultsValid);
        QCOMPARE(appState().calc.selectedPipe, 4);
        QVERIFY(!mainWindow->Panel2->text().isEmpty());
    }

    void formLook()
    {
        TForm2* dialog = openOver(standardRecord());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Konstanten zur Berechnung"));
        const Qt::WindowFlags flags = dialog->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(dialog->minimumSize() != dialog->maximumSize());
        QCOMPARE(dialog->font().family(), QStringLiteral("Arial"));
        QCOMPARE(dialog->font().pixelSize(), 11);
        QVERIFY(dialog->GroupBox2->font().bold());
        QVERIFY(!dialog->RadioButton12->font().bold());
        QVERIFY(dialog->Label1->font().bold());
        for (QPushButton* button : { dialog->BitBtn1, dialog->BitBtn2, dialog->BitBtn3 }) {
            QCOMPARE(button->font().pixelSize(), 13);
            QVERIFY(button->font().bold());
            QVERIFY(!button->icon().isNull());
        }
        QCOMPARE(dialog->BitBtn3->toolTip(), QStringLiteral("Standardwerte (Vorgaben) werden eingefügt "));
        QVERIFY(dialog->BitBtn1->isDefault());
    }

    // Tab passes the unchecked temperature buttons by.
    void tabReachesOnlyCheckedRadioButton()
    {
        TForm2* dialog = openOver(standardRecord());
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        dialog->BitBtn3->setFocus();
        QTest::keyClick(dialog->BitBtn3, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog->RadioButton6);
        QTest::mouseClick(dialog->RadioButton3, Qt::LeftButton);
        dialog->BitBtn3->setFocus();
        QTest::keyClick(dialog->BitBtn3, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog->RadioButton3);
        QTest::keyClick(dialog->RadioButton3, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog->CheckBox1); // Edit1..Edit3 are disabled
    }
};

FLUVANO_TEST_MAIN(TestConstantsDialog)
#include "tst_constantsdialog.moc"
