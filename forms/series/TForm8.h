#pragma once

#include "ui_TForm8.h"

#include "core/PipeCatalogue.h"

#include <QWidget>

#include <array>

// The pipe series editor "Rohrsysteme": name, caption and pipe list of
// materials 7..10 in a working copy of the catalogue; materials 1..6 are shown
// read-only. "Speichern + Schließen" checks every edited material and, only
// when all can be used, writes the series file, says saved() and hands the
// series to the shared catalogue (whose change signal tells every window); a
// fault is named with its material and row and nothing changes. It knows
// nothing of the windows that open it.
class TForm8 : public QWidget, public Ui::TForm8
{
    Q_OBJECT

public:
    explicit TForm8(QWidget* parent = nullptr);

    // The material shown (1..10).
    int material() const { return ComboBox1->currentIndex() + 1; }
    void showMaterial(int m);

    void ComboBox1Change();
    void BitBtn1Click(); // check, save and close
    void BitBtn2Click(); // close without saving
    void BitBtn3Click(); // the built-in series of the material shown

Q_SIGNALS:
    // The catalogue holds the new series (the file may have failed; the user
    // was told).
    void saved();
    // Closed, saved or not; the window goes.
    void left();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fill(int m);
    void store(int m); // the fields into the working copy

    std::array<PipeCatalogue::Series, PipeCatalogue::MaterialCount + 1> series_; // by material
    int shown_ = 0;
};
