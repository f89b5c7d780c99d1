// The result leaves the main window: copy, print, PDF, the context menu and
// the pipe overview. Expected numbers come from the worked example (10 kW,
// 15 K, medium-weight threaded pipe, standard constants: DN 25, 27,2 mm,
// R 42,73 Pa/m, 0,583 m³/h, 573 kg/h, 0,279 m/s; DN 10 to DN 20 over Rmax).
#include "TestSupport.h"

#include "core/AppState.h"
#include "core/PipeOverview.h"
#include "forms/main/ResultActions.h"
#include "forms/main/TForm1.h"
#include "forms/overview/TForm6.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLook.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace
{

const QStringList WorkedExample
    = { u"Leistung: 10 kW"_s, u"Temperaturdifferenz: 15 K"_s, u"Rohrmaterial: Mittelschweres Gewinderohr DIN 2440"_s,
          u"empfohlenes Rohr: DN 25"_s, u"Innen-Nennweite: 27,2 mm"_s, u"Rohrwiderstand R: 42,73 Pa/m"_s,
          u"Volumenstrom V: 0,583 m³/h"_s, u"Massenstrom m: 573 kg/h"_s, u"Geschwindigkeit w: 0,279 m/s"_s };

QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, { path, u"-"_s });
    return pdftotext.waitForFinished() ? QString::fromUtf8(pdftotext.readAllStandardOutput()) : QString();
}

} // namespace

class TestResultExport : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TForm1> w;

    void type(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, keys);
        if (keys.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    }
    TForm6* openOverview()
    {
        QTest::keyClick(w.get(), Qt::Key_F2);
        auto* overview = w->findChild<TForm6*>();
        return overview && overview->isVisible() ? overview : nullptr;
    }

private Q_SLOTS:
    void initTestCase() { muteOffscreenRaiseWarnings(); }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->writeStandardSettings();
        w = env->showMainWindow();
        QVERIFY(w->isActiveWindow());
        type(w->Edit1, u"10"_s);
    }
    void cleanup()
    {
        FileDialogs::setChooser({});
        FileDialogs::setPrintDialog({});
        w.reset();
        env.reset();
    }

    // Ctrl+C with the focus where a user has it; an edit with a selection
    // keeps its own copy. After an arithmetic fault the panels keep the last
    // result, and so does the copy.
    void copy_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("focus on a result panel") << u"panel"_s << WorkedExample;
        QTest::newRow("heat output without selection") << u"edit"_s << WorkedExample;
        QTest::newRow("heat output with selection") << u"selection"_s << QStringList { u"10"_s };
        QTest::newRow("after an arithmetic fault") << u"fault"_s << WorkedExample;
        QTest::newRow("inputs as typed") << u"typed"_s
                                         << QStringList { u"Leistung: 2,5 kW"_s, u"Temperaturdifferenz: 8,5 K"_s };
    }
    void copy()
    {
        QFETCH(QString, situation);
        QFETCH(QStringList, expected);
        QWidget* focus = w->Edit1;
        if (situation == u"panel"_s) focus = w->Panel2;
        w->Edit1->deselect();
        if (situation == u"selection"_s) w->Edit1->selectAll();
        if (situation == u"typed"_s) {
            type(w->Edit1, u"2.5"_s);
            w->RadioButton7->click();
            type(w->Edit2, u"8,5"_s);
            w->Edit2->deselect();
            focus = w->Edit2;
        }
        if (situation == u"fault"_s) {
            editSettings(
                [&](SettingsRecord& s) { s.densityInUse = 0; }); // the mass flow changes, the volume flow fails
            w->RadioButton6->click();
            QCOMPARE(env->messages.size(), 1);
            w->Edit1->deselect();
        }
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied);
        const QStringList lines = copied->text().split(u'\n', Qt::SkipEmptyParts);
        if (situation == u"selection"_s) {
            QCOMPARE(lines, expected);
            return;
        }
        QCOMPARE(lines.mid(0, expected.size()), expected);
        QCOMPARE(lines.mid(5, 4),
            QStringList({ u"Rohrwiderstand R: "_s + w->Panel2->text() + u" Pa/m"_s,
                u"Volumenstrom V: "_s + w->Panel3->text() + u" m³/h"_s,
                u"Massenstrom m: "_s + w->Panel4->text() + u" kg/h"_s,
                u"Geschwindigkeit w: "_s + w->Panel5->text() + u" m/s"_s }));
        if (situation == u"typed"_s) return;
        const QString html = copied->html();
        for (const QString& cell : { u">DN 25<"_s, u">42,73<"_s, u">0,583<"_s, u">Massenstrom m<"_s })
            QVERIFY2(html.contains(cell), qPrintable(cell));
    }

    // Kopieren, Drucken and PDF only while a result is on screen; the result
    // side's context menu offers them, the input side keeps its own menus.
    void actionsAndMenu()
    {
        const auto enabled = [&] {
            return QList<bool> { w->ActionKopieren->isEnabled(), w->ActionDrucken->isEnabled(),
                w->ActionPdf->isEnabled(), w->ActionRohruebersicht->isEnabled() };
        };
        QCOMPARE(enabled(), QList<bool>({ true, true, true, true }));
        type(w->Edit1, QString());
        QCOMPARE(enabled(), QList<bool>({ false, false, false, true }));
        type(w->Edit1, u"10"_s);
        w->CheckBox1->click();
        type(w->Edit4, QString());
        QCOMPARE(enabled(), QList<bool>({ false, false, false, true }));

        const auto menuAt = [&](QWidget* target) {
            const QPoint at = target->rect().center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
            QApplication::sendEvent(target, &event);
            QMenu* shown = nullptr;
            for (QMenu* menu : w->findChildren<QMenu*>())
                if (menu->isVisible()) shown = menu;
            const QList<QAction*> actions = shown ? shown->actions() : QList<QAction*>();
            if (shown) shown->close();
            return actions.contains(w->ActionKopieren) && actions.contains(w->ActionRohruebersicht);
        };
        QVERIFY(menuAt(w->Panel2));
        QVERIFY(menuAt(w->Label5));
        QVERIFY(menuAt(w->Edit4)); // after the edit's own commands
        QVERIFY(!menuAt(w->Edit1));
        QVERIFY(!menuAt(w->RadioButton11));
        QVERIFY(!menuAt(w->Label26)); // the banner
    }

    // PDF through the save dialog and printing through the print dialog
    // (a PDF printer here): both carry the shown numbers; a failure says why.
    void sheet_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("target"); // file name in the temporary folder
        QTest::addColumn<QString>("message");
        QTest::newRow("PDF") << u"pdf"_s << u"ergebnis"_s << QString();
        QTest::newRow("PDF into a missing folder")
            << u"pdf"_s << u"fehlt/ergebnis.pdf"_s << u"Die PDF-Datei konnte nicht gespeichert werden:"_s;
        QTest::newRow("print") << u"print"_s << u"gedruckt.pdf"_s << QString();
    }
    void sheet()
    {
        QFETCH(QString, action);
        QFETCH(QString, target);
        QFETCH(QString, message);
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) QSKIP("pdftotext (poppler-utils) missing");
        const QString path = env->directory() + target;
        QString suggested;
        FileDialogs::setChooser([&](QWidget*, FileDialogs::Purpose, const QString& name) {
            suggested = name;
            return path;
        });
        FileDialogs::setPrintDialog([&](QWidget*, QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return printer.pageLayout().pageSize().id() == QPageSize::A4 && printer.fullPage();
        });
        if (action == u"pdf"_s) {
            w->ActionPdf->trigger();
            QVERIFY(suggested.endsWith(u"/Fluvano_10kW_15K_DN25.pdf"_s));
        } else {
            QTest::keyClick(w->Panel2, Qt::Key_P, Qt::ControlModifier);
        }
        if (!message.isEmpty()) {
            QCOMPARE(env->messages.size(), 1);
            QVERIFY(env->messages[0].text.startsWith(message));
            QVERIFY(env->messages[0].text.split(u'\r').size() == 3); // the path and the reason
            return;
        }
        QCOMPARE(env->messageTexts(), QStringList());
        const QString text = pdfText(target.endsWith(u".pdf"_s) ? path : path + u".pdf"_s);
        for (const QString& shown : { u"DN 25"_s, u"27,2"_s, u"42,73"_s, u"0,583"_s, u"573"_s, u"0,279"_s })
            QVERIFY2(text.contains(shown), qPrintable(shown + u" not in: "_s + text));
    }

    // The overview lists the core's rows for the inputs with the panels'
    // formats, red over a limit, the shown pipe marked and selected, and
    // follows the inputs; it is empty when they are incomplete.
    void overview_data()
    {
        QTest::addColumn<QString>("heatOutput");
        QTest::addColumn<int>("material"); // button index
        QTest::addColumn<bool>("manual");
        QTest::newRow("worked example") << u"10"_s << 0 << false;
        QTest::newRow("overload, precision steel") << u"100"_s << 5 << false;
        QTest::newRow("manual, one pipe up") << u"10"_s << 0 << true;
    }
    void overview()
    {
        QFETCH(QString, heatOutput);
        QFETCH(int, material);
        QFETCH(bool, manual);
        TForm6* overview = openOverview();
        QVERIFY(overview);
        QCOMPARE(overview->windowTitle(), u"Rohrübersicht"_s);
        QTRY_COMPARE(QApplication::focusWidget(), overview->StringGrid1);
        QTableWidget* grid = overview->StringGrid1;
        QCOMPARE(grid->rowCount(), 12);
        QCOMPARE(grid->item(3, 1)->text() + u' ' + grid->item(3, 2)->text() + u' ' + grid->item(3, 3)->text(),
            u"27,2 0,279 42,73"_s);
        for (int row = 0; row < 4; ++row)
            QCOMPARE(grid->item(row, 3)->background().color() == FormLook::Red, row < 3);

        const QList<QRadioButton*> materials = w->GroupBox2->findChildren<QRadioButton*>();
        materials[material]->click();
        type(w->Edit1, heatOutput);
        if (manual) {
            w->CheckBox1->click();
            w->UpDown1->stepUp();
            w->UpDown1->stepUp();
        }
        const PipeOverview::Overview expected
            = PipeOverview::compute(appState().calc, appState().settings(), appState().catalogue());
        QCOMPARE(grid->rowCount(), expected.rows.size());
        for (int row = 0; row < grid->rowCount(); ++row) {
            const PipeOverview::Row& pipe = expected.rows[row];
            QCOMPARE(grid->item(row, 0)->text(), pipe.designation);
            QCOMPARE(grid->item(row, 1)->text() + u'|' + grid->item(row, 2)->text() + u'|' + grid->item(row, 3)->text(),
                pipe.diameter + u'|' + pipe.velocityText + u'|' + pipe.pressureGradientText);
            QCOMPARE(grid->item(row, 2)->background().color() == FormLook::Red, pipe.tooFast);
            QCOMPARE(grid->item(row, 3)->background().color() == FormLook::Red, pipe.tooSteep);
            const bool marked = row == expected.marked;
            QCOMPARE(grid->item(row, 0)->font().bold(), marked);
            QCOMPARE(grid->item(row, 0)->icon().isNull(), !marked);
            QCOMPARE(grid->item(row, 0)->isSelected(), marked);
        }
        // The mark is the pipe the panels show, with their values and colours.
        const int marked = grid->currentRow();
        QCOMPARE(grid->item(marked, 0)->text(), w->Panel1->text());
        QCOMPARE(grid->item(marked, 2)->text() + u'|' + grid->item(marked, 3)->text(),
            w->Panel5->text() + u'|' + w->Panel2->text());
        QCOMPARE(grid->item(marked, 3)->background().color() == FormLook::Red,
            FormLook::panelColor(w->Panel2) == FormLook::Red);

        type(w->Edit1, QString());
        QCOMPARE(grid->rowCount(), 0);
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(!overview->isVisible());
    }

    // Enter or a double click takes the row's pipe in manual mode.
    void choosePipe_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("diameter");
        QTest::newRow("double click") << true << 5 << u"DN 40"_s << u"41,8"_s;
        QTest::newRow("Enter") << false << 1 << u"DN 15"_s << u"16,"_s;
        QTest::newRow("Enter on the recommended pipe") << false << 3 << u"DN 25"_s << u"27,2"_s;
    }
    void choosePipe()
    {
        QFETCH(bool, doubleClick);
        QFETCH(int, row);
        QFETCH(QString, designation);
        QFETCH(QString, diameter);
        TForm6* overview = openOverview();
        QVERIFY(overview);
        QTableWidget* grid = overview->StringGrid1;
        if (doubleClick) {
            const QPoint at = grid->visualItemRect(grid->item(row, 1)).center();
            QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        } else {
            grid->setCurrentCell(row, 0);
            QTest::keyClick(grid, Qt::Key_Return);
        }
        QVERIFY(w->CheckBox1->isChecked());
        QCOMPARE(w->Panel1->text() + u'|' + w->Edit4->text() + u'|' + w->Edit5->text(),
            designation + u'|' + diameter + u'|' + QString::number(row + 1));
        QCOMPARE(w->Panel2->text(), grid->item(row, 3)->text());
        QCOMPARE(grid->currentRow(), row);
        QVERIFY(grid->item(row, 0)->font().bold());
    }
};

FLUVANO_TEST_MAIN(TestResultExport)
#include "tst_resultexport.moc"
