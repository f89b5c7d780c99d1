#pragma once

#include "ui_TForm1.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QRadioButton;
class QTimer;

// Fluvano's windows and how data flows between them.
//
// appState() (app/AppState.h) holds everything shared: the SettingsRecord read
// from Fluvano.qel, the settings-file error flag, the CalcState, the
// PipeCatalogue and a few flags. No window keeps a copy.
//
// TForm1, the main window, owns every other window. Each change of an input
// runs DatenVollstaendig: Einlesen reads the inputs into the CalcState, and
// when they are complete Berechnen runs Calculation::Berechnen (the
// widget-free core in sizing/) and Anzeigen shows the result. TForm2, the
// constants dialog, edits the SettingsRecord in place and saves it; TForm3
// (information) sets the two window flags; TForm4 and TForm5 are the start and
// end windows. Message boxes and links go through seams (MessageBoxes,
// Links::setUrlOpener) that tests replace.
//
// TForm1's handlers are spread over the folders of their subsystems:
//   app/TForm1.cpp            start-up, start window decision, close protocol
//   sizing/MainInputs.cpp     inputs, key filter, completeness check, calculation
//   sizing/ResultDisplay.cpp  result panels
//   info/Banner.cpp           banner timers, banner link and hover colours
class TForm1 : public QWidget, public Ui::TForm1
{
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The one main window of the run, or null (for the settings file's error
    // timer and the secondary windows).
    static TForm1* instance();

    QTimer* Timer1; // 500 ms, start window decision
    QTimer* Timer2; // 130 ms, banner step
    QTimer* Timer3; // 1500 ms, starts the banner
    QTimer* Timer4; // 10 s, starts the banner
    QTimer* Timer5; // 200 ms, constants dialog after a settings-file error

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

private:
    void FormClose(QCloseEvent* event);
    void connectInputs();
    void connectBanner();
    bool Edit1KeyPress(QLineEdit* edit, QEvent* event);
    bool bannerEvent(QObject* watched, QEvent* event);
    std::array<QRadioButton*, 6> differenceButtons() const;
    std::array<QRadioButton*, 6> materialButtons() const;
};
