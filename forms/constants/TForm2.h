#pragma once

#include "ui_TForm2.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>

class QLineEdit;
class QRadioButton;

// The constants dialog. It edits the one record of appState(): a temperature
// choice, "Verändern" and "Standard" take effect in the record at once, saving
// reads every field back and writes the file. Closing by the close box only
// hides it; a dialog left by saving or cancelling says so (left()) and is
// destroyed. It knows nothing of the main window: whoever creates it connects
// its signals.
class TForm2 : public QWidget, public Ui::TForm2
{
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    // What the constants dialogs share: the most recently created dialog,
    // shown again by "Konstanten" while dialogInitialised is set (from the end
    // of its start-up until it is left), and the read-back's input error.
    struct Shared {
        QPointer<TForm2> current;
        bool dialogInitialised = false;
        bool dialogInputError = false;
    };
    static Shared& shared();
    static TForm2* current();
    static void setCurrent(TForm2* dialog);

    // Top left of the dialog's frame beside the main window: 68 px below its
    // top, centred horizontally with the half difference truncated toward zero.
    static QPoint placeBeside(const QRect& mainFrame, int dialogFrameWidth);

    // Start-up after the first show: placement, label sizes, settings re-read
    // and fields filled unless the settings file is in error.
    void Startprozeduren();

    void Vorgaben_eintragen();
    // Materials 7..10 as the catalogue names them now.
    void showMaterialCaptions();
    void Einlesen();
    void Aendern();
    void Standardwerte();
    void TempButtonClick(QRadioButton* sender);

    void CheckBox1Click() { Aendern(); }
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click() { Standardwerte(); }

Q_SIGNALS:
    // Saved or cancelled: the record may hold new constants.
    void left();
    // Its start-up found the settings file missing or damaged (the message
    // has been shown and the error flag set).
    void settingsReadFailed();
    // "Rohrsysteme…": the user wants the pipe series editor.
    void seriesRequested();
    // "Ventile…": the user wants the valve series editor.
    void valvesRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool Real_Press(QLineEdit* edit, QEvent* event);
    void placeAtDesignPosition();
    void refreshLabelSizes();
    void leave();
    std::array<QRadioButton*, 7> temperatureButtons() const;
    std::array<QRadioButton*, 10> materialButtons() const;

    bool shownBefore = false;
};
