// Pictures of the real windows for the README: the main window with the
// worked example (10 kW, 15 K, medium-weight threaded pipe), its result
// menu, the pipe overview beside it, the constants dialog, the pipe and valve
// series editors and the section window with a small circuit, all with the
// standard settings and the built-in series. scripts/screenshots.sh runs it.
//   fluvano-screenshots OUTPUT_DIRECTORY
#include "app/Application.h"
#include "core/AppState.h"
#include "core/SettingsFile.h"
#include "forms/constants/TForm2.h"
#include "forms/main/TForm1.h"
#include "forms/overview/TForm6.h"
#include "forms/sections/SectionModel.h"
#include "forms/sections/TForm7.h"
#include "forms/series/TForm8.h"
#include "forms/valves/TForm9.h"
#include "report/CircuitSheet.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace
{

bool save(QWidget* window, const QString& path)
{
    if (!QTest::qWaitForWindowExposed(window)) return false;
    QTest::qWait(200); // let the first paints and any deferred layout settle
    if (!window->grab().save(path)) return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}

// What the screen shows of these windows, frames and popups included.
bool saveScreen(std::initializer_list<QWidget*> windows, const QString& path)
{
    QRect area;
    for (QWidget* window : windows) {
        if (!QTest::qWaitForWindowExposed(window)) return false;
        area |= window->frameGeometry();
    }
    QTest::qWait(300);
    area.adjust(-8, -8, 8, 8);
    QScreen* screen = QGuiApplication::primaryScreen();
    area &= screen->geometry();
    if (!screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(path)) return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    setUpApplication(application);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: fluvano-screenshots OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir output(arguments.at(1));
    if (!output.exists() && !QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(output.path()));
        return 1;
    }

    // The standard settings in a scratch folder, so that the pictures do not
    // depend on anyone's own constants; a message box would be a failure.
    QTemporaryDir settingsDir;
    SettingsFile::setDirectory(settingsDir.path());
    SettingsRecord standard {};
    standard.applyStandardValues(false);
    standard.hideStartWindow = 1;
    standard.hideEndWindow = 1;
    if (!settingsDir.isValid() || !SettingsFile::write(standard)) {
        std::fprintf(stderr, "cannot write the settings file\n");
        return 1;
    }
    int messages = 0;
    MessageBoxes::setHandler([&messages](QWidget*, const MessageBoxes::Request& request) {
        std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
        ++messages;
    });

    TForm1 mainWindow;
    mainWindow.findChild<QTimer*>(QStringLiteral("Timer4"))->stop(); // no banner scrolling while the pictures are taken
    mainWindow.show();
    if (!QTest::qWaitForWindowExposed(&mainWindow)) return 1;
    mainWindow.Edit1->setFocus();
    mainWindow.Edit1->selectAll();
    QTest::keyClicks(mainWindow.Edit1, QStringLiteral("10"));
    if (mainWindow.Panel1->text() != QStringLiteral("DN 25")) {
        std::fprintf(stderr, "the main window does not show the worked example\n");
        return 1;
    }
    if (!save(&mainWindow, output.filePath(QStringLiteral("main-window.png")))) return 1;

    // The result menu, opened by a right click on the R panel.
    const QPoint at = mainWindow.Panel2->rect().center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, mainWindow.Panel2->mapToGlobal(at));
    QApplication::sendEvent(mainWindow.Panel2, &click);
    auto* menu = mainWindow.findChild<QMenu*>(QStringLiteral("ResultMenu"));
    if (!menu || !menu->isVisible()) {
        std::fprintf(stderr, "no result menu\n");
        return 1;
    }
    menu->setActiveAction(mainWindow.ActionKopieren);
    if (!saveScreen({ &mainWindow, menu }, output.filePath(QStringLiteral("context-menu.png")))) return 1;
    menu->close();

    mainWindow.ActionRohruebersicht->trigger();
    auto* overview = mainWindow.findChild<TForm6*>();
    if (!overview || !saveScreen({ &mainWindow, overview }, output.filePath(QStringLiteral("pipe-overview.png"))))
        return 1;
    overview->close();

    mainWindow.Optionen_Aufruf();
    TForm2* dialog = TForm2::current();
    if (!dialog || !save(dialog, output.filePath(QStringLiteral("constants-dialog.png")))) return 1;
    dialog->close();

    mainWindow.ActionRohrsystemeExecute();
    auto* series = mainWindow.findChild<TForm8*>();
    if (!series) return 1;
    series->showMaterial(7);
    if (!save(series, output.filePath(QStringLiteral("series-dialog.png")))) return 1;
    series->close();
    // The valve series editor, opened from the constants dialog.
    mainWindow.Optionen_Aufruf();
    TForm2::current()->BitBtn5->click();
    auto* valves = mainWindow.findChild<TForm9*>();
    if (!valves || !save(valves, output.filePath(QStringLiteral("valves-dialog.png")))) return 1;
    valves->close();
    TForm2::current()->close();
    // A small house in the section window: two risers and a radiator off the
    // distributor, every radiator with a valve.
    mainWindow.ActionTeilstrecken->trigger();
    TForm7* sections = mainWindow.sectionWindow();
    if (!sections) return 1;
    struct Row {
        const char16_t* name;
        const char16_t* predecessor;
        const char16_t* heat;
        const char16_t* length;
        const char16_t* zeta;
        int material;
        const char16_t* consumer;
        const char16_t* valve;
    };
    const Row rows[] = {
        { u"Kessel – Verteiler", u"", u"", u"12", u"4,5", 1, u"", u"" },
        { u"Strang Nord", u"1", u"", u"20", u"2", 1, u"", u"" },
        { u"Bad OG", u"2", u"1,5", u"8", u"6", 5, u"1500", u"1" },
        { u"Kinderzimmer", u"2", u"1,2", u"6", u"4", 5, u"1200", u"1" },
        { u"Strang Süd", u"1", u"", u"15", u"2", 1, u"", u"" },
        { u"Wohnen", u"5", u"2,5", u"10", u"4", 5, u"1500", u"1" },
        { u"Küche", u"5", u"1,8", u"5", u"4", 5, u"1500", u"2" },
        { u"Flur", u"1", u"0,8", u"15", u"4", 6, u"1000", u"3" },
    };
    QList<Circuit::Section> list;
    for (const Row& row : rows) {
        Circuit::Section s;
        s.name = QString::fromUtf16(row.name);
        s.predecessor = QString::fromUtf16(row.predecessor);
        s.heatOutput = QString::fromUtf16(row.heat);
        s.length = QString::fromUtf16(row.length);
        s.zeta = QString::fromUtf16(row.zeta);
        s.material = row.material;
        s.consumerLoss = QString::fromUtf16(row.consumer);
        s.valve = QString::fromUtf16(row.valve);
        list.append(s);
    }
    SectionModel* model = sections->model();
    model->setSections(list);
    sections->Edit1->setText(QStringLiteral("2500"));
    sections->Edit3->setText(QStringLiteral("Haus Berger, Heizkreis 1"));
    sections->resize(1280 - 40, 900);
    sections->StringGrid1->setCurrentIndex(model->index(5, SectionModel::Length));
    if (!saveScreen({ sections }, output.filePath(QStringLiteral("sections.png")))) return 1;
    // The first page of its settings sheet, at 100 dpi.
    const AppState& data = appState();
    const CircuitSheet sheet(sections->document(), model->evaluation(), data.settings(), data.catalogue(),
        data.valves(), QDate::currentDate(), QStringLiteral("Haus Berger.fluvano"));
    QImage page(1170, 827, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    sheet.paintPage(painter, QRectF(page.rect()), 0);
    painter.end();
    if (!page.save(output.filePath(QStringLiteral("settings-sheet.png")))) return 1;
    return messages == 0 ? 0 : 1;
}
