#include "forms/main/TForm1.h"

#include "core/AppState.h"
#include "core/FileWatcher.h"
#include "core/PipeSeries.h"
#include "core/SettingsFile.h"
#include "core/SettingsWatcher.h"
#include "core/ValveSeries.h"
#include "forms/constants/Settings.h"
#include "forms/constants/TForm2.h"
#include "forms/info/TForm3.h"
#include "forms/info/TForm4.h"
#include "forms/info/TForm5.h"
#include "forms/overview/TForm6.h"
#include "forms/series/TForm8.h"
#include "forms/valves/TForm9.h"
#include "widgets/Accelerators.h"
#include "widgets/FocusFrame.h"
#include "widgets/FormLook.h"
#include "widgets/Links.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QScreen>
#include <QTimer>

namespace
{

QTimer* makeTimer(QObject* owner, const char* name, int interval)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QLatin1StringView(name));
    timer->setInterval(interval);
    // A coarse timer may fire up to 5 % early.
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

// The caption as a button's text, "&" before the first `letter` in it (any
// case); an "&" of the caption itself stays a character.
QString withAccelerator(QString caption, QChar letter)
{
    caption.replace(u'&', QStringLiteral("&&"));
    const qsizetype at = caption.indexOf(letter, 0, Qt::CaseInsensitive);
    if (at >= 0) caption.insert(at, u'&');
    return caption;
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
    , Timer1(makeTimer(this, "Timer1", 500))
    , Timer2(makeTimer(this, "Timer2", 130))
    , Timer3(makeTimer(this, "Timer3", 1500))
    , Timer4(makeTimer(this, "Timer4", 10000))
    , Timer5(makeTimer(this, "Timer5", 200))
{
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);
    FormLook::applyPixelFonts(this);
    FormLook::applyPictures(this);
    UpDown2->setBuddy(Edit1);
    UpDown1->setBuddy(Edit5);

    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer5, &QTimer::timeout, this, &TForm1::Timer5Timer);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::Optionen_Aufruf);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connectInputs();
    connectBanner();
    connectActions();
    connectSections();
    qApp->installEventFilter(new ActiveWindowAccelerators(this));

    FormLook::fitToControls(this, 10);
    FormLook::centerOnScreen(this);
    FormLook::tabToCheckedRadioButtons(this);
    // The results are reached by Tab through their focus frames, in the
    // order of the form, between the manual diameter and the buttons.
    QWidget* previous = Edit4;
    for (QLabel* result : { Label5, Panel1, Panel6, Panel2, Panel3, Panel4, Panel5 }) {
        auto* frame = new FocusFrame(result);
        setTabOrder(previous, frame);
        previous = frame;
    }
    setTabOrder(previous, BitBtn2);
    // The heat output is typed over, as after Tab.
    Edit1->setFocus();
    Edit1->selectAll();

    Timer1->start();
    Timer4->start();
    Startprozeduren();
    connect(&appState(), &AppState::changed, this, &TForm1::dataChanged);
}

// Watching the files starts once the window has been painted, so that its
// first frame does not wait for setting up the watch (on Windows a thread);
// the watchers' first check catches a save made since Startprozeduren read
// the files.
void TForm1::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (watching) return;
    watching = true;
    QTimer::singleShot(0, this, &TForm1::watchFiles);
}

void TForm1::watchFiles()
{
    settingsWatcher = new SettingsWatcher(this);
    connect(settingsWatcher, &SettingsWatcher::changedOnDisk, this, &TForm1::settingsChangedOnDisk);
    seriesWatcher = new FileWatcher(PipeSeries::path(), &PipeSeries::lastImage, this);
    connect(seriesWatcher, &FileWatcher::changedOnDisk, this, &TForm1::seriesChangedOnDisk);
    valvesWatcher = new FileWatcher(ValveSeries::path(), &ValveSeries::lastImage, this);
    connect(valvesWatcher, &FileWatcher::changedOnDisk, this, &TForm1::valvesChangedOnDisk);
}

TForm1::~TForm1() = default;

void TForm1::Startprozeduren()
{
    creating = true;
    WerteVorgeben();
    Vorg_Einlesen();
    creating = false;
}

void TForm1::WerteVorgeben()
{
    Label26->setText(Links::bannerText());
    Label5->clear();
    appState().calc.selectedPipe = 1;
    PipeCatalogue catalogue;
    catalogue.fill();
    tellSeriesProblems(QStringLiteral("Rohrsysteme"), PipeSeries::load(catalogue));
    appState().setCatalogue(catalogue);
    showMaterialCaptions();
    ValveCatalogue valves;
    tellSeriesProblems(QStringLiteral("Ventile"), ValveSeries::load(valves));
    appState().setValves(valves);
}

void TForm1::showMaterialCaptions()
{
    static constexpr char16_t Letters[] = { u'v', u'E', u'C', u'X' };
    const PipeCatalogue& catalogue = appState().catalogue();
    const auto buttons = materialButtons();
    for (int m = PipeCatalogue::FirstEditable; m <= PipeCatalogue::MaterialCount; ++m)
        buttons[m - 1]->setText(withAccelerator(catalogue.caption(m), Letters[m - PipeCatalogue::FirstEditable]));
}

void TForm1::tellSeriesProblems(const QString& caption, const QStringList& problems)
{
    if (!problems.isEmpty()) MessageBoxes::warning(this, caption, problems.join(u'\r'));
}

void TForm1::ActionRohrsystemeExecute()
{
    if (!Form8) {
        Form8 = new TForm8(this);
        // A save of ours replaces what another Fluvano saved meanwhile.
        connect(Form8, &TForm8::saved, this, [this] { seriesReloadPending = false; });
        connect(Form8, &TForm8::left, this, &TForm1::seriesDialogLeft);
        const int material = appState().calc.material;
        Form8->showMaterial(PipeCatalogue::editable(material) ? material : PipeCatalogue::FirstEditable);
        Form8->move(frameGeometry().topLeft() + QPoint(40, 40));
    }
    FormLook::present(Form8);
}

void TForm1::seriesChangedOnDisk()
{
    if (Form8) {
        seriesReloadPending = true;
        return;
    }
    reloadSeries();
}

void TForm1::seriesDialogLeft()
{
    if (!seriesReloadPending) return;
    seriesReloadPending = false;
    reloadSeries();
}

void TForm1::reloadSeries()
{
    PipeCatalogue catalogue = appState().catalogue();
    tellSeriesProblems(QStringLiteral("Rohrsysteme"), PipeSeries::load(catalogue));
    appState().setCatalogue(catalogue);
}

void TForm1::ActionVentileExecute()
{
    if (!Form9) {
        Form9 = new TForm9(this);
        // A save of ours replaces what another Fluvano saved meanwhile.
        connect(Form9, &TForm9::saved, this, [this] { valvesReloadPending = false; });
        connect(Form9, &TForm9::left, this, &TForm1::valvesDialogLeft);
        Form9->move(frameGeometry().topLeft() + QPoint(40, 40));
    }
    FormLook::present(Form9);
}

void TForm1::valvesChangedOnDisk()
{
    if (Form9) {
        valvesReloadPending = true;
        return;
    }
    reloadValves();
}

void TForm1::valvesDialogLeft()
{
    if (!valvesReloadPending) return;
    valvesReloadPending = false;
    reloadValves();
}

void TForm1::reloadValves()
{
    ValveCatalogue valves;
    tellSeriesProblems(QStringLiteral("Ventile"), ValveSeries::load(valves));
    appState().setValves(valves);
}

void TForm1::dataChanged(AppState::Parts what)
{
    if (!what.testFlag(AppState::Part::Catalogue)) return;
    showMaterialCaptions();
    DatenVollstaendig();
}

void TForm1::Vorg_Einlesen()
{
    AppState& state = appState();
    if (!Settings::Vorgaben_einlesen(this)) {
        Timer5->start();
        return;
    }
    state.calc.material = state.settings().materialIndex;
    const int material = state.settings().materialIndex;
    if (PipeCatalogue::validMaterial(material)) {
        materialButtons()[material - 1]->setChecked(true);
        RohrClick();
    }
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    const AppState& state = appState();
    if (state.settings().hideStartWindow != 0 || state.settingsFileError()) {
        Timer3->start();
        return;
    }
    showStartWindow();
}

void TForm1::Timer5Timer()
{
    Timer5->stop();
    FormLook::present(createConstantsDialog());
}

TForm2* TForm1::createConstantsDialog()
{
    auto* dialog = new TForm2(this);
    TForm2::setCurrent(dialog);
    connect(dialog, &TForm2::left, this, &TForm1::constantsDialogLeft);
    connect(dialog, &TForm2::settingsReadFailed, Timer5, qOverload<>(&QTimer::start));
    connect(dialog, &TForm2::seriesRequested, this, &TForm1::ActionRohrsystemeExecute);
    connect(dialog, &TForm2::valvesRequested, this, &TForm1::ActionVentileExecute);
    return dialog;
}

void TForm1::settingsChangedOnDisk()
{
    if (appState().settingsFileError() || TForm2::shared().dialogInitialised) {
        settingsReloadPending = true;
        return;
    }
    reloadSettings();
    DatenVollstaendig();
}

void TForm1::constantsDialogLeft()
{
    if (settingsReloadPending && !appState().settingsFileError()) {
        settingsReloadPending = false;
        reloadSettings();
    }
    DatenVollstaendig();
}

void TForm1::reloadSettings()
{
    AppState& state = appState();
    if (state.settingsUnsaved()) return; // unsaved changes of ours stay
    state.readSettings(); // a record that cannot be read leaves ours as it is
}

void TForm1::Optionen_Aufruf()
{
    if (TForm2::shared().dialogInitialised && TForm2::current()) {
        FormLook::present(TForm2::current());
        return;
    }
    TForm2* dialog = createConstantsDialog();
    FormLook::present(dialog);
    dialog->Startprozeduren();
}

void TForm1::SpeedButton1Click()
{
    auto* window = new TForm3(this);
    FormLook::present(window);
    window->Startprozeduren();
}

void TForm1::showStartWindow()
{
    auto* window = new TForm4(this);
    connect(window, &TForm4::confirmed, Timer3, qOverload<>(&QTimer::start));
    FormLook::present(window);
}

void TForm1::showEndWindow()
{
    auto* window = new TForm5(this);
    connect(window, &TForm5::confirmed, Timer3, qOverload<>(&QTimer::start));
    connect(window, &TForm5::quitChosen, this, &TForm1::Beenden);
    FormLook::present(window);
}

TForm6* TForm1::createPipeOverview()
{
    auto* window = new TForm6(this);
    connect(window, &TForm6::pipeChosen, this, &TForm1::RohrUebernehmen);
    // Beside the main window, on the side where the screen has room.
    const QRect main = frameGeometry();
    const int frame = main.width() - width();
    QPoint at(main.right() + 1 + 8, main.top());
    if (const QScreen* screen = this->screen();
        screen && at.x() + window->width() + frame > screen->availableGeometry().right())
        at.setX(std::max(screen->availableGeometry().left(), main.left() - 8 - window->width() - frame));
    window->move(at);
    return window;
}

void TForm1::ActionRohruebersichtExecute()
{
    if (!Form6) Form6 = createPipeOverview();
    FormLook::present(Form6);
    refreshPipeOverview();
    Form6->StringGrid1->setFocus();
}

// The result side (right of the divider, above the banner) offers the
// result actions; the input side keeps the edits' own menus.
void TForm1::contextMenuEvent(QContextMenuEvent* event)
{
    const QRect results(Bevel1->x(), 0, width() - Bevel1->x(), Bevel1->geometry().bottom() + 1);
    if (!results.contains(event->pos())) {
        event->ignore();
        return;
    }
    if (!ResultMenu) {
        ResultMenu = new QMenu(this);
        ResultMenu->setObjectName(QStringLiteral("ResultMenu"));
        ResultMenu->addActions({ ActionKopieren, ActionDrucken, ActionPdf });
        ResultMenu->addSeparator();
        ResultMenu->addAction(ActionRohruebersicht);
        ResultMenu->addAction(ActionRohrsysteme);
        ResultMenu->addAction(ActionTeilstrecken);
    }
    ResultMenu->popup(event->globalPos());
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose(event);
}

void TForm1::FormClose(QCloseEvent* event)
{
    if (quitting || appState().settings().hideEndWindow != 0) {
        if (!sectionsMayClose()) { // the user stays to keep unsaved sections
            quitting = false;
            event->ignore();
            return;
        }
        event->accept();
        return;
    }
    event->ignore();
    showEndWindow();
}

void TForm1::Beenden()
{
    quitting = true;
    close();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && (edit == Edit1 || edit == Edit2 || edit == Edit4))
        return Edit1KeyPress(edit, event);
    return QWidget::eventFilter(watched, event);
}

std::array<QRadioButton*, 6> TForm1::differenceButtons() const
{
    return { RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, RadioButton6 };
}

std::array<QRadioButton*, 10> TForm1::materialButtons() const
{
    return { RadioButton11, RadioButton12, RadioButton13, RadioButton14, RadioButton15, RadioButton16, RadioButton17,
        RadioButton18, RadioButton19, RadioButton20 };
}
