#pragma once

#include "ui_TForm9.h"

#include "core/ValveCatalogue.h"

#include <QList>
#include <QWidget>

// The valve series editor "Ventile": name, short name and steps (label, kv)
// of the user's series in a working copy; the standard series are shown
// read-only. "Neu" adds a series after the last, "Löschen" removes the
// user's series shown; the others keep their numbers, which documents use. "Speichern + Schließen" checks every user
// series and, only when all can be used, writes the series file, says
// saved() and hands the series to the shared state (whose change signal
// tells every window); a fault is named with its series and row and nothing
// changes. It knows nothing of the windows that open it.
class TForm9 : public QWidget, public Ui::TForm9
{
    Q_OBJECT

public:
    explicit TForm9(QWidget* parent = nullptr);

    // The series shown (1-based, as the catalogue numbers them); 0 for none.
    int number() const;
    void showSeries(int number);

    void ListBox1Change();
    void Edit2Change(); // the short name in the list as it is typed
    void BitBtn1Click(); // check, save and close
    void BitBtn2Click(); // close without saving
    void BitBtn3Click(); // a new series of the user's
    void BitBtn4Click(); // delete the user's series shown

Q_SIGNALS:
    // The shared state holds the new series (the file may have failed; the
    // user was told).
    void saved();
    // Closed, saved or not; the window goes.
    void left();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static bool editable(int number) { return number > ValveCatalogue::standardCount(); }
    void fill(int number);
    void store(int number); // the fields into the working copy
    void takeEditedCell();
    QString entry(int number) const;
    QListWidgetItem* itemOf(int number) const;
    void updateButtons();

    QList<ValveCatalogue::Series> series_; // all, standard first
    int shown_ = 0;
};
