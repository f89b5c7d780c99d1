#pragma once

#include "ui_TForm1.h"

#include "core/AppState.h"
#include "core/CalcState.h"
#include "core/ResultText.h"
#include "core/SettingsRecord.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

class QLineEdit;
class QMenu;
class QRadioButton;
class QTimer;
class FileWatcher;
class SettingsWatcher;
class TForm2;
class TForm6;
class TForm8;
class TForm7;
class TForm9;

// Fluvano's layers and how data flows between its windows.
//
// Folders are layers; each includes only those below it (report/ and
// widgets/ stand side by side on core/):
//   core/     fluvano_core, Qt Core only: the shared data appState()
//             (AppState: the SettingsRecord with the settings-file error
//             flag, the PipeCatalogue, the ValveCatalogue and the main
//             window's CalcState, with changed() saying which part changed;
//             no window keeps a copy), the calculation (Calculation), numbers
//             as text (NumberText), the input rules (InputRules), the
//             settings file and watcher (SettingsFile, SettingsWatcher), the
//             pipe and valve series, their checks and files (PipeSeries,
//             ValveSeries, SeriesCheck, FileWatcher), the one atomic save
//             (SaveFile), the one CSV reader and writer (Csv), the result
//             as text (ResultText), the pipe overview rows (PipeOverview),
//             inputs given as text (TypedInputs), the CSV batch (CsvBatch)
//             and the circuit: its network and balancing (Circuit), its
//             table's columns, cells and totals (CircuitTable) and its
//             document (CircuitFile).
//   report/   fluvano_report, Qt Gui: the result sheet (ResultSheet), the
//             settings sheet "Einstellwerte" (CircuitSheet), the network
//             picture (NetworkPicture) and what sheets share (Sheet).
//   widgets/  fluvano_widgets: what several windows share: FormLook,
//             the Fusion look (FusionLook, the application's style), the
//             seams MessageBoxes, FileDialogs and Links, LinkLabels, Bevel,
//             FocusFrame, UpDown, NumericKeys, ActiveWindowAccelerators.
//   forms/    fluvano_forms: main/ TForm1 with its handlers, constants/
//             TForm2 and the settings procedures, info/ TForm3, TForm4 and
//             TForm5, overview/ TForm6, sections/ TForm7 with its model,
//             grid and picture, series/ TForm8, valves/ TForm9.
//   app/      fluvano_app, fluvano and fluvano-cli: application set-up
//             (name, locale, German texts, style, palette), the command
//             line, main().
//
// TForm1 owns every other window. It creates them and connects their signals
// where it creates them; no window knows TForm1. Each change of an input runs
// DatenVollstaendig: Einlesen reads the inputs into the CalcState, the input
// rules decide whether they are complete, and then Berechnen runs
// Calculation::Berechnen and Anzeigen shows the result. The window state
// (creating, quitting, the input error) is TForm1's own; the constants
// dialogs share theirs in TForm2::shared(). TForm2 changes the one
// SettingsRecord through appState() and saves it (left() lets TForm1
// recalculate); TForm3 sets the two window flags; TForm4 and TForm5 say
// confirmed() (the banner starts) and TForm5 quitChosen(); TForm6 shows the
// overview TForm1 hands it after each check and says pipeChosen(). TForm8
// ("Rohrsysteme", from the result menu or TForm2's seriesRequested()) and
// TForm9 ("Ventile", from TForm2's or TForm7's valvesRequested()) edit their
// series in a copy, write the file and hand the series to appState(), whose
// changed() tells every window (TForm1 renames its material buttons and
// recalculates, TForm7 computes its rows again). FileWatchers on those files
// and the SettingsWatcher take another Fluvano's saves over. TForm7, made
// when first opened, is a view of its SectionModel, which keeps the circuit
// document and its evaluation (Circuit::evaluate) and follows appState();
// after each check TForm1 hands it the temperature difference and material
// (followMainWindow), it says temperatureDifferenceLoaded() for an opened
// document, and TForm1 asks it before the program ends. Copy, print and PDF
// work on the result kept when Anzeigen shows it. Each window TForm1 opens
// comes to the front with the keyboard; TForm2 and TForm4 to TForm9 are its
// tool windows, whose accelerators ActiveWindowAccelerators puts before
// TForm1's. Message boxes, file and print dialogs and links go through seams
// (MessageBoxes, FileDialogs, Links::setUrlOpener) that tests replace.
//
// TForm1's handlers, all in forms/main/:
//   TForm1.cpp         start-up, start window decision, close protocol
//   MainInputs.cpp     inputs, key filter, completeness check, calculation
//   ResultDisplay.cpp  result panels
//   ResultActions.cpp  copy, print, PDF, pipe overview contents
//   Sections.cpp       the section window TForm7: opening, following the
//                      inputs and constants, asking before the end
//   Banner.cpp         the banner's timers and link
class TForm1 : public QWidget, public Ui::TForm1
{
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The main window's own state.
    bool creating = false; // start-up running: no calculation
    bool quitting = false; // the next close is final
    bool inputError = false; // a number could not be read
    bool resultsValid = false; // the last check found the inputs complete

    // Start-up, in this order, while the creating flag is set.
    void Startprozeduren();
    void WerteVorgeben();
    void Vorg_Einlesen();

    void Timer1Timer();
    void Timer5Timer();
    void Beenden();

    // Secondary windows.
    void Optionen_Aufruf();
    void SpeedButton1Click();
    void showStartWindow();
    void showEndWindow();

    // Inputs (sizing/MainInputs.cpp).
    void DatenVollstaendig();
    void Einlesen();
    void Berechnen();
    void EditChange() { DatenVollstaendig(); }
    void RohrClick() { DatenVollstaendig(); }
    void RadioButton1Click();
    void CheckBox1Click();
    void UpDown1Changing();

    // Results (sizing/ResultDisplay.cpp).
    void Anzeigen();
    void ErgebnisseLoeschen();

    // Passing the result on (sizing/ResultActions.cpp; the overview window and
    // the context menu in app/TForm1.cpp).
    void ActionKopierenExecute();
    void ActionDruckenExecute();
    void ActionPdfExecute();
    void ActionRohruebersichtExecute();
    void RohrUebernehmen(int pipe); // a pipe taken in the overview

    // The pipe series editor, from the result menu and the constants dialog.
    void ActionRohrsystemeExecute();
    // The valve series editor, from the constants dialog and the section window.
    void ActionVentileExecute();

    // The sections of a circuit (forms/main/Sections.cpp).
    void ActionTeilstreckenExecute();
    // Opens a circuit document or CSV section list in the section window.
    void openCircuit(const QString& path);
    TForm7* sectionWindow() const;

    // Banner (Banner.cpp).
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void startBannerFrom(QTimer* trigger);
    void Label26Click();
    void Label26MouseMove();
    void Panel7MouseMove();
    void FormMouseMove();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Found by their object names (tests check intervals and states).
    QTimer* Timer1; // 500 ms, start window decision
    QTimer* Timer2; // 130 ms, banner step
    QTimer* Timer3; // 1500 ms, starts the banner
    QTimer* Timer4; // 10 s, starts the banner
    QTimer* Timer5; // 200 ms, constants dialog after a settings-file error

    // The result as the panels show it, with the inputs as entered and the
    // constants it was computed with; empty while the panels are.
    struct ShownResult {
        ResultText::Inputs inputs;
        CalcState calc;
        SettingsRecord settings;
    };
    std::optional<ShownResult> shownResult;
    QPointer<TForm6> Form6; // the pipe overview, once opened
    QMenu* ResultMenu = nullptr; // the result side's context menu

    void FormClose(QCloseEvent* event);
    void connectInputs();
    void connectBanner();
    TForm2* createConstantsDialog();

    // Another running Fluvano saved the settings file: take its record over
    // and recalculate, unless a constants dialog holds the user's edits
    // (then after that dialog is left) or the record in memory has changes
    // of this window's that were not saved.
    void settingsChangedOnDisk();
    void watchFiles(); // the settings and series files, once the window has been painted
    bool watching = false;
    void constantsDialogLeft();
    void reloadSettings();
    SettingsWatcher* settingsWatcher = nullptr;
    bool settingsReloadPending = false;
    bool Edit1KeyPress(QLineEdit* edit, QEvent* event);
    std::array<QRadioButton*, 6> differenceButtons() const;
    std::array<QRadioButton*, 10> materialButtons() const;

    // Materials 7..10 take their captions from the catalogue, with the
    // accelerators V, E, C, X where the caption has the letter.
    void showMaterialCaptions();
    // The faults of a series file, in one box with the editor's caption.
    void tellSeriesProblems(const QString& caption, const QStringList& problems);
    // Another Fluvano saved new series: taken over at once, or when the
    // series editor of this window has been closed.
    void seriesChangedOnDisk();
    void seriesDialogLeft();
    void reloadSeries();
    // The catalogue changed (series saved here or taken over): new button
    // captions and a new result.
    void dataChanged(AppState::Parts what);
    QPointer<TForm8> Form8; // the series editor while open
    FileWatcher* seriesWatcher = nullptr;
    bool seriesReloadPending = false;
    // The same for the valve series and their editor.
    void valvesChangedOnDisk();
    void valvesDialogLeft();
    void reloadValves();
    QPointer<TForm9> Form9; // the valve series editor while open
    FileWatcher* valvesWatcher = nullptr;
    bool valvesReloadPending = false;
    void connectActions();
    ResultText::Inputs enteredInputs() const;
    void keepShownResult();
    void dropShownResult();
    void updateResultActions();
    void refreshPipeOverview();
    TForm6* createPipeOverview();

    QPointer<TForm7> Form7; // the sections, once opened
    void connectSections();
    TForm7* createSectionWindow();
    void refreshSections();
    void TemperaturdifferenzUebernehmen(const QString& temperatureDifference);
    bool sectionsMayClose();
};
