#pragma once

#include "ui_TForm1.h"

#include "core/SettingsRecord.h"
#include "core/CalcState.h"
#include "core/ResultText.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

class QLineEdit;
class QMenu;
class QRadioButton;
class QTimer;
class SettingsWatcher;
class TForm2;
class TForm6;
class TForm7;

// Fluvano's windows and how data flows between them.
//
// Dependencies point one way: app/ -> the windows -> the core.
//   core (fluvano_core)  sizing/ catalogue, Calculation, NumberText, the result
//                        as text, the pipe overview, typed and CSV inputs;
//                        constants/ SettingsRecord, SettingsFile. No widgets.
//                        fluvano_report: sizing/ResultSheet (print, PDF).
//   windows              constants/TForm2 (constants dialog), info/TForm3
//                        (information), TForm4 and TForm5 (start, end),
//                        sizing/TForm6 (pipe overview), sections/TForm7
//                        (the sections of a circuit, core/Circuit and
//                        core/CircuitFile; printed by report/CircuitSheet).
//   app/                 TForm1, the main window, and what every window shares:
//                        appState() (AppState.h: the SettingsRecord, the
//                        settings-file error flag, the CalcState, the
//                        PipeCatalogue and a few flags; no window keeps a
//                        copy), MessageBoxes, FormLook, Bevel, FocusFrame,
//                        and Application (name, locale, style, palette).
//
// TForm1 owns every other window. It creates them and connects their signals
// where it creates them; no window knows TForm1. Each change of an input runs
// DatenVollstaendig: Einlesen reads the inputs into the CalcState, and when
// they are complete Berechnen runs Calculation::Berechnen and Anzeigen shows
// the result. TForm2 edits the SettingsRecord in place and saves it (left()
// lets TForm1 recalculate); TForm3 sets the two window flags; TForm4 and
// TForm5 say confirmed() (the banner starts) and TForm5 quitChosen(); TForm6
// shows the overview TForm1 hands it after each check and says pipeChosen().
// TForm7 is created when first opened; after each check TForm1 hands it the
// temperature difference and material (followMainWindow), it computes its
// rows from the shared constants, says temperatureDifferenceLoaded() for an
// opened document, and TForm1 asks it before the program ends.
// Copy, print and PDF work on the result kept when Anzeigen shows it. A
// SettingsWatcher says when another Fluvano saved the settings file; TForm1
// takes that record over and calculates again (settingsChangedOnDisk). Each
// window TForm1 opens comes to the front with the keyboard; TForm2, TForm4,
// TForm5 and TForm6 are its tool windows, whose accelerators ActiveWindowAccelerators
// puts before TForm1's. Message boxes and links go through seams
// (MessageBoxes, Links::setUrlOpener) that tests replace.
//
// TForm1's handlers are spread over the folders of their subsystems:
//   app/TForm1.cpp            start-up, start window decision, close protocol
//   sizing/MainInputs.cpp     inputs, key filter, completeness check, calculation
//   sizing/ResultDisplay.cpp  result panels
//   sizing/ResultActions.cpp  copy, print, PDF, pipe overview contents
//   main/Sections.cpp         the section window TForm7: opening, following
//                             the inputs and constants, asking before the end
//   app/Banner.cpp            banner timers, banner link and hover colours
class TForm1 : public QWidget, public Ui::TForm1
{
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

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
    void UpDown1Changing(bool& allowChange);

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

    // The sections of a circuit (forms/main/Sections.cpp).
    void ActionTeilstreckenExecute();
    // Opens a circuit document or CSV section list in the section window.
    void openCircuit(const QString& path);
    TForm7* sectionWindow() const;

    // Banner (info/Banner.cpp).
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void Label26Click();
    void Label26MouseMove();
    void Panel7MouseMove();
    void FormMouseMove();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
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
    void constantsDialogLeft();
    void reloadSettings();
    SettingsWatcher* settingsWatcher = nullptr;
    bool settingsReloadPending = false;
    bool Edit1KeyPress(QLineEdit* edit, QEvent* event);
    std::array<QRadioButton*, 6> differenceButtons() const;
    std::array<QRadioButton*, 6> materialButtons() const;
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
