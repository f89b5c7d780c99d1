// The section window: typing into the list, the question before unsaved
// sections are lost on every way out, and the command line against the
// window for one file.
#include "CircuitSupport.h"
#include "TestSupport.h"

#include "core/AppState.h"
#include "core/CircuitFile.h"
#include "core/CircuitTable.h"
#include "core/SettingsFile.h"
#include "forms/info/TForm5.h"
#include "forms/main/TForm1.h"
#include "forms/sections/SectionModel.h"
#include "forms/sections/TForm7.h"
#include "widgets/FileDialogs.h"

#include <QApplication>
#include <QFile>
#include <QProcess>

namespace
{

const QString Question = QStringLiteral("Änderungen an den Teilstrecken speichern?");

// A boiler with two branches, one of them too narrow, one row faulty.
Circuit::Document circuit()
{
    Circuit::Document d;
    d.temperatureDifference = QStringLiteral("10");
    d.extraLoss = QStringLiteral("2500");
    d.sections = {
        section(
            QStringLiteral("Kessel – Verteiler"), QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("4,5"), 1),
        section(QStringLiteral("Strang Nord"), QStringLiteral("6"), QStringLiteral("20"), QStringLiteral("2"), 1, {},
            QStringLiteral("1")),
        section(QStringLiteral("Bad"), QStringLiteral("1,5"), QStringLiteral("8"), QStringLiteral("6"), 5, {},
            QStringLiteral("2")),
        section(QStringLiteral("zu eng"), QStringLiteral("4"), QStringLiteral("3"), {}, 6, QStringLiteral("8"),
            QStringLiteral("1")),
        section(QStringLiteral("kaputt"), QStringLiteral("1,,5"), QStringLiteral("3"), {}, 1, {}, QStringLiteral("2")),
        Circuit::Section {},
    };
    return d;
}

// Keys as typed: each goes to the widget with the focus (the cell's editor
// once typing opened it).
void type(const QString& keys)
{
    for (const QChar c : keys)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSections : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { muteOffscreenRaiseWarnings(); }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }
    void cleanup() { FileDialogs::setChooser({}); }

    void typingFollowsTheInputRules()
    {
        TestEnvironment env;
        env.writeStandardSettings();
        auto main = env.createMainWindow();
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        QTest::keyClick(main.get(), Qt::Key_F3);
        TForm7* window = main->sectionWindow();
        QVERIFY(window && window->isVisible());
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
        main->RadioButton6->click(); // an empty new list has nothing to save
        QVERIFY(!window->isModified());
        main->RadioButton5->click();
        SectionGrid* grid = window->StringGrid1;
        SectionModel* model = window->model();
        grid->setCurrentIndex(model->index(0, SectionModel::HeatOutput));
        grid->setFocus();
        type(QStringLiteral("10x"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(grid->currentIndex().column(), int(SectionModel::Length));
        type(QStringLiteral("1.5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(model->index(0, SectionModel::HeatOutput).data().toString(), QStringLiteral("10"));
        QCOMPARE(model->index(0, SectionModel::Length).data().toString(), QStringLiteral("1,5"));
        QCOMPARE(model->index(0, SectionModel::Pipe).data().toString(), QStringLiteral("DN 25"));
        QCOMPARE(window->Panel1->text(), QStringLiteral("64")); // 42,73 Pa/m · 1,5 m
        QCOMPARE(window->Panel3->text(), QStringLiteral("0,583"));

        // The main window's temperature difference and the constants.
        main->RadioButton6->click(); // 20 K
        QCOMPARE(window->Panel3->text(), QStringLiteral("0,437"));
        editSettings([&](SettingsRecord& s) { s.rMax = 0; }); // no pipe passes: the largest stays, over the limit
        QCOMPARE(model->index(0, SectionModel::Gradient).data(Qt::BackgroundRole).value<QBrush>().color(),
            QColor(255, 0, 0));
        // and a new series of the row's material, as the series editor saves it.
        editSettings([&](SettingsRecord& s) { s.rMax = 100; });
        model->setData(model->index(0, SectionModel::Material), 7);
        QVERIFY(model->index(0, SectionModel::Pipe).data().toString() != QStringLiteral("99x1"));
        PipeCatalogue catalogue = appState().catalogue();
        PipeCatalogue::Series series = catalogue.series(7);
        series.pipes = { { QStringLiteral("99x1"), QStringLiteral("97") } };
        catalogue.setSeries(7, series);
        appState().setCatalogue(catalogue);
        QCOMPARE(model->index(0, SectionModel::Pipe).data().toString(), QStringLiteral("99x1"));
        model->setData(model->index(0, SectionModel::Material), 1);

        // Insert, delete and undo by keyboard.
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Insert);
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(grid->currentIndex().row(), 1);
        QTest::keyClick(grid, Qt::Key_Up);
        QTest::keyClick(grid, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(model->rowCount(), 1);
        QVERIFY(model->sections()[0].isEmpty());
        QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(model->sections()[0].heatOutput, QStringLiteral("10"));
        QVERIFY(env.messages.isEmpty());
        env.answer = QMessageBox::Discard;
    }

    void unsavedChangesQuestion_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("answer");
        const QStringList ways { u"window closed"_qs, u"another file opened"_qs, u"new list"_qs, u"program ended"_qs,
            u"program ended through the end window"_qs };
        const std::pair<QMessageBox::StandardButton, QString> answers[] { { QMessageBox::Save, u"save"_qs },
            { QMessageBox::Discard, u"discard"_qs }, { QMessageBox::Cancel, u"cancel"_qs } };
        for (const QString& way : ways)
            for (const auto& [answer, name] : answers)
                QTest::newRow(qPrintable(way + u", "_qs + name)) << way << int(answer);
    }

    void unsavedChangesQuestion()
    {
        QFETCH(QString, way);
        QFETCH(int, answer);
        TestEnvironment env;
        env.writeStandardSettings(true, way != QStringLiteral("program ended through the end window"));
        const QString path = env.directory() + QStringLiteral("Heizung.fluvano");
        const QString other = env.directory() + QStringLiteral("Andere.fluvano");
        QVERIFY(CircuitFile::save(path, circuit(), nullptr));
        QVERIFY(CircuitFile::save(other, Circuit::Document {}, nullptr));
        const QByteArray before = fileText(path);
        FileDialogs::setChooser([&](QWidget*, FileDialogs::Purpose, const QString&) { return other; });

        auto main = env.createMainWindow();
        main->show();
        main->openCircuit(path);
        TForm7* window = main->sectionWindow();
        QCOMPARE(window->filePath(), path);
        QVERIFY(!window->isModified());
        window->model()->setData(window->model()->index(1, SectionModel::Length), QStringLiteral("25"));
        QVERIFY(window->isModified());
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("Teilstrecken")));
        env.answer = QMessageBox::StandardButton(answer);

        bool wentOn = false;
        if (way == QStringLiteral("window closed")) {
            window->close();
            wentOn = !window->isVisible();
        } else if (way == QStringLiteral("another file opened")) {
            window->ActionOeffnen->trigger();
            wentOn = window->filePath() == other;
        } else if (way == QStringLiteral("new list")) {
            window->ActionNeu->trigger();
            wentOn = window->filePath().isEmpty();
        } else if (way == QStringLiteral("program ended")) {
            main->close();
            wentOn = !main->isVisible();
        } else {
            main->close(); // the end window
            QVERIFY(env.questions.isEmpty());
            auto* end = main->findChild<TForm5*>();
            QVERIFY(end);
            end->BitBtn2->click(); // "Beenden"
            wentOn = !main->isVisible();
        }
        QCOMPARE(env.questions.size(), 1);
        QCOMPARE(env.questions[0].text, Question);
        QCOMPARE(wentOn, answer != QMessageBox::Cancel);
        const Circuit::Document onDisk = [&] {
            Circuit::Document d;
            CircuitFile::load(path, d, nullptr);
            return d;
        }();
        QCOMPARE(onDisk.sections[1].length, answer == QMessageBox::Save ? QStringLiteral("25") : QStringLiteral("20"));
        if (answer != QMessageBox::Save) QCOMPARE(fileText(path), before);
        if (answer == QMessageBox::Cancel) {
            QVERIFY(window->isModified());
            QVERIFY(!main->quitting); // the next close asks again
        }
        QVERIFY(env.messages.isEmpty());
        env.answer = QMessageBox::Discard; // the main window's end
    }

    // Every input of the document makes it unsaved: each typed cell, the
    // further losses and the project's name.
    void everyInputIsAChange_data()
    {
        QTest::addColumn<QString>("input");
        for (const CircuitTable::ColumnInfo& c : CircuitTable::columns())
            if (c.typed()) QTest::newRow(qPrintable(c.csvName)) << c.csvName;
        QTest::newRow("weitere Druckverluste") << u"Edit1"_qs;
        QTest::newRow("Projekt") << u"Edit3"_qs;
    }
    void everyInputIsAChange()
    {
        QFETCH(QString, input);
        TestEnvironment env;
        env.writeStandardSettings();
        QCOMPARE(appState().readSettings(), SettingsFile::ReadResult::Ok);
        TForm7 window(appState()); // without the main window
        const QString path = env.directory() + QStringLiteral("Heizung.fluvano");
        QVERIFY(CircuitFile::save(path, circuit(), nullptr));
        QVERIFY(window.openFile(path));
        window.followMainWindow(QStringLiteral("10"), 1); // as the main window does for the document's 10 K
        QVERIFY(!window.isModified());
        SectionModel* model = window.model();
        if (input == u"Edit1") {
            window.Edit1->setText(QStringLiteral("3000"));
        } else if (input == u"Edit3") {
            window.Edit3->setText(QStringLiteral("Haus Berger"));
        } else {
            int column = 0;
            while (CircuitTable::column(column).csvName != input)
                ++column;
            const QVariant value = column == SectionModel::Material ? QVariant(2)
                : column == SectionModel::Predecessor               ? QVariant(u"3"_qs)
                                                                    : QVariant(u"7"_qs);
            QVERIFY(model->setData(model->index(4, column), value));
        }
        QVERIFY(window.isModified());
        QVERIFY(window.isWindowModified());
        env.answer = QMessageBox::Discard;
    }

    // Rows keep their Vorgänger when rows are deleted, brought back and
    // moved; a Vorgänger is another row's number.
    void referencesInTheWindow()
    {
        TestEnvironment env;
        env.writeStandardSettings();
        QCOMPARE(appState().readSettings(), SettingsFile::ReadResult::Ok);
        TForm7 window(appState());
        window.show();
        const QString path = env.directory() + QStringLiteral("Heizung.fluvano");
        QVERIFY(CircuitFile::save(path, circuit(), nullptr));
        QVERIFY(window.openFile(path));
        SectionModel* model = window.model();
        auto predecessors = [model] {
            QStringList list;
            for (const Circuit::Section& s : model->sections())
                list.append(s.predecessor);
            return list;
        };
        const QStringList before = predecessors(); // 1 at the boiler; 2 and 4 from 1; 3 and 5 from 2
        QCOMPARE(before, QStringList({ {}, u"1"_qs, u"2"_qs, u"1"_qs, u"2"_qs, {} }));

        window.StringGrid1->setCurrentIndex(model->index(1, SectionModel::Name));
        window.ActionZeileLoeschen->trigger(); // "Strang Nord": its rows hang from 1 now
        QCOMPARE(predecessors(), QStringList({ {}, u"1"_qs, u"1"_qs, u"1"_qs, {} }));
        window.ActionRueckgaengig->trigger();
        QCOMPARE(predecessors(), before);
        QCOMPARE(model->totals().criticalConsumer, 3);

        window.StringGrid1->setCurrentIndex(model->index(3, SectionModel::Name));
        window.ActionZeileHoch->trigger(); // "zu eng" above "Bad"
        QCOMPARE(predecessors(), QStringList({ {}, u"1"_qs, u"1"_qs, u"2"_qs, u"2"_qs, {} }));
        QCOMPARE(model->sections()[2].name, QStringLiteral("zu eng"));
        QCOMPARE(window.StringGrid1->currentIndex().row(), 2);
        QCOMPARE(model->totals().criticalConsumer, 2); // the same section, now row 3

        // Its own number or one past the list is refused.
        const QModelIndex cell = model->index(2, SectionModel::Predecessor);
        QVERIFY(!model->setData(cell, u"3"_qs));
        QVERIFY(!model->setData(cell, u"7"_qs));
        QVERIFY(model->setData(cell, u"2"_qs));
        QCOMPARE(model->sections()[2].predecessor, QStringLiteral("2"));
        env.answer = QMessageBox::Discard;
    }

    void failedSaveKeepsTheData()
    {
        TestEnvironment env;
        env.writeStandardSettings();
        auto main = env.createMainWindow();
        main->ActionTeilstrecken->trigger();
        TForm7* window = main->sectionWindow();
        window->model()->setData(window->model()->index(0, SectionModel::Name), QStringLiteral("Kessel"));
        const QString path = env.directory() + QStringLiteral("kein Ordner/Heizung.fluvano");
        FileDialogs::setChooser([&](QWidget*, FileDialogs::Purpose, const QString&) { return path; });
        QVERIFY(!window->ActionSpeichernExecute());
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.contains(QStringLiteral("Heizung.fluvano")));
        QVERIFY(window->isModified());
        QCOMPARE(window->model()->sections()[0].name, QStringLiteral("Kessel"));
        env.answer = QMessageBox::Discard;
    }

    // fluvano --circuit FILE shows the digits of the window that opened FILE.
    void commandLineAgainstWindow()
    {
        TestEnvironment env;
        env.writeStandardSettings();
        const QString path = env.directory() + QStringLiteral("Heizung.fluvano");
        QVERIFY(CircuitFile::save(path, circuit(), nullptr));

        const QString program = env.directory() + QStringLiteral("fluvano");
        QVERIFY(QFile::copy(QStringLiteral(FLUVANO_PROGRAM), program));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), env.directory());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), env.directory());
        process.setProcessEnvironment(environment);
        process.start(program, { QStringLiteral("--circuit"), path });
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1); // one faulty row
        const QByteArray out = process.readAllStandardOutput();
        QVERIFY(out.startsWith("\xEF\xBB\xBF"
                               "Bezeichnung;"));
        const QStringList lines = QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts);
        const QString totals = QString::fromUtf8(process.readAllStandardError());

        auto main = env.createMainWindow();
        main->show();
        main->openCircuit(path);
        TForm7* window = main->sectionWindow();
        QVERIFY(main->RadioButton3->isChecked()); // the document's 10 K
        SectionModel* model = window->model();
        QCOMPARE(lines.size(), model->rowCount() + 1);
        const QStringList header = lines[0].split(u';');
        for (int r = 0; r < model->rowCount(); ++r) {
            const QStringList fields = lines[r + 1].split(u';');
            QCOMPARE(fields.size(), header.size());
            const Circuit::Row& row = model->results()[r];
            for (int c = SectionModel::Pipe; c < CircuitTable::ColumnCount; ++c) {
                const QString shown = model->index(r, c).data().toString();
                const QString written = fields[header.indexOf(CircuitTable::column(c).csvName)];
                // A row not computed has its reason in the table's pipe column.
                QCOMPARE(written, c == SectionModel::Pipe && !row.empty && !row.computed() ? QString() : shown);
            }
            if (!row.empty && !row.computed()) QCOMPARE(fields.last(), row.reason);
        }
        QCOMPARE(totals.split(u'\n').mid(0, 5),
            QStringList({ QStringLiteral("Δp ungünstigster Weg: %1 Pa").arg(window->Panel1->text()),
                QStringLiteral("ungünstigster Verbraucher: %1").arg(window->Panel4->text()),
                QStringLiteral("weitere Druckverluste: 2.500 Pa"),
                QStringLiteral("Pumpe: Förderhöhe: %1 m").arg(window->Panel2->text()),
                QStringLiteral("Pumpe: Volumenstrom: %1 m³/h").arg(window->Panel3->text()) }));
        QVERIFY(totals.contains(u'\n' + window->Label14->text() + u'\n'));
        QVERIFY(window->Label14->text().startsWith(QStringLiteral("Pumpe: Δp-konstant, Förderhöhe ")));
        // 4 kW through 8 mm (w near 2 m/s) is far steeper than any other path.
        QCOMPARE(window->Panel4->text(), QStringLiteral("4 – zu eng"));
        QVERIFY(!window->isModified());
        QVERIFY(env.messages.isEmpty());
    }
};

FLUVANO_TEST_MAIN(TestSections)
#include "tst_sections.moc"
