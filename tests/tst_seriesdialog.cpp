// The pipe series editor "Rohrsysteme" with the main window: what it refuses,
// what a saved series changes, and series saved by another Fluvano.
#include "TestSupport.h"

#include "core/AppState.h"
#include "core/PipeSeries.h"
#include "forms/main/TForm1.h"
#include "forms/series/TForm8.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace
{

void setCell(TForm8* dialog, int row, int column, const QString& text)
{
    dialog->StringGrid1->item(row - 1, column)->setText(text);
}

} // namespace

class TestSeriesDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TForm1> w;

    TForm8* openEditor(int material)
    {
        w->ActionRohrsystemeExecute();
        auto* dialog = w->findChild<TForm8*>();
        if (dialog) dialog->showMaterial(material);
        return dialog;
    }

private Q_SLOTS:
    void initTestCase() { muteOffscreenRaiseWarnings(); }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->writeStandardSettings();
        w = env->createMainWindow();
        w->show();
    }
    void cleanup()
    {
        w.reset();
        env.reset();
    }

    // Nothing is saved while one material cannot be used; the message names
    // material and row, and that row is selected.
    void refusesWhatCannotBeUsed_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("out of order")
            << 3 << 1 << u"12"_s
            << u"Material 8 (Edelstahl-Pressrohr), Zeile 3: Der Innendurchmesser 12 ist nicht "
               "größer als der in Zeile 2: die Rohre stehen aufsteigend."_s;
        QTest::newRow("no designation") << 2 << 0 << QString()
                                        << u"Material 8 (Edelstahl-Pressrohr), Zeile 2: Die Bezeichnung fehlt."_s;
        QTest::newRow("duplicate designation")
            << 4 << 0 << u"15x1"_s
            << u"Material 8 (Edelstahl-Pressrohr), Zeile 4: Die Bezeichnung „15x1“ steht schon in Zeile 1."_s;
        QTest::newRow("diameter not a number")
            << 5 << 1 << u"3,2,1"_s
            << u"Material 8 (Edelstahl-Pressrohr), Zeile 5: Der Innendurchmesser „3,2,1“ ist keine positive Zahl."_s;
    }
    void refusesWhatCannotBeUsed()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, message);
        // Another material edited well first: it is not saved either.
        TForm8* dialog = openEditor(7);
        QVERIFY(dialog);
        dialog->Edit2->setText(u"MSV Typ A"_s);
        dialog->showMaterial(8);
        setCell(dialog, row, column, text);
        dialog->BitBtn1->click();

        QCOMPARE(env->messageTexts(), QStringList { message + u"\rEs wurde nichts gespeichert."_s });
        QCOMPARE(env->messages.first().caption, u"Rohrsysteme"_s);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->material(), 8);
        QCOMPARE(dialog->StringGrid1->currentRow(), row - 1);
        QVERIFY(!QFile::exists(PipeSeries::path()));
        QCOMPARE(appState().catalogue().series(8), PipeCatalogue::standardSeries(8));
        QCOMPARE(appState().catalogue().caption(7), u"Mehrschichtverbundrohr"_s);
    }

    void savedSeriesIsUsedAtOnce()
    {
        TForm8* dialog = openEditor(8);
        dialog->Edit2->setText(u"Rostfrei & Edel"_s);
        // Blank rows close up; a diameter may be typed with a point.
        setCell(dialog, 1, 0, QString());
        setCell(dialog, 1, 1, QString());
        setCell(dialog, 2, 1, u"16.5"_s);
        dialog->BitBtn1->click();
        QVERIFY(env->messages.isEmpty());
        QTRY_VERIFY(!w->findChild<TForm8*>());
        QVERIFY(QFile::exists(PipeSeries::path()));
        QCOMPARE(appState().catalogue().innerDiameterText(8, 1), u"16,5"_s);
        QCOMPARE(w->RadioButton18->text(), u"Rostfr&ei && Edel"_s); // Alt+E

        w->RadioButton18->click();
        w->Edit1->setText(u"10"_s);
        QCOMPARE(w->Label5->text(), u"- Edelstahl-Pressrohr DIN EN 10312 -"_s);
        QCOMPARE(w->Panel1->text(), u"28x1,2"_s);

        // Materials 1..6 are only shown; "Standard" brings the shipped series back.
        dialog = openEditor(5);
        QVERIFY(dialog->Edit1->isReadOnly());
        QCOMPARE(dialog->StringGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!dialog->BitBtn3->isEnabled());
        dialog->showMaterial(8);
        dialog->BitBtn3->click();
        QCOMPARE(dialog->Edit2->text(), u"Edelstahl-Pressrohr"_s);
        QCOMPARE(dialog->StringGrid1->item(0, 1)->text(), u"13"_s);
    }

    void anotherInstanceSavesSeries()
    {
        PipeCatalogue theirs;
        theirs.fill();
        theirs.setSeries(10, { u"PE-X-Rohr Hersteller Z"_s, u"Z-PE-X"_s, { { u"16x2"_s, u"12"_s } } });
        QSaveFile file(PipeSeries::path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(PipeSeries::image(theirs));
        QVERIFY(file.commit());
        QTRY_COMPARE(w->RadioButton20->text(), u"Z-PE-&X"_s);
        QCOMPARE(appState().catalogue().pipeCount(10), 1);
        QVERIFY(env->messages.isEmpty());
    }
};

FLUVANO_TEST_MAIN(TestSeriesDialog)
#include "tst_seriesdialog.moc"
