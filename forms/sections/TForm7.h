#pragma once

#include "ui_TForm7.h"

#include "core/Circuit.h"

#include <QWidget>

class AppState;
class QMenuBar;
class SectionModel;

// The sections of a circuit ("Teilstrecken") as a network: the table of its
// SectionModel (each section sized with the main window's temperature
// difference and the shared constants, every consumer's path, the critical
// one, the valves' presettings) above its picture PaintBox1, below them the
// further losses, the minimum valve pressure and the pump. Saves and opens
// circuit documents, imports and exports CSV, copies, prints the settings
// sheet. Unsaved changes are never dropped without asking
// (mayDiscardChanges). Closing only hides it. It reads the shared data it is
// given and follows its changes, so it also works without the main window.
class TForm7 : public QWidget, public Ui::TForm7
{
    Q_OBJECT

public:
    explicit TForm7(AppState& data, QWidget* parent = nullptr);

    // The main window's temperature difference as typed and its material
    // (for new rows). Cheap when nothing changed; the constants are compared
    // with those the rows were computed with.
    void followMainWindow(const QString& temperatureDifference, int material);

    // Asks "Änderungen an den Teilstrecken speichern?" when there are
    // unsaved changes: true to go on (saved or discarded), false to stay.
    bool mayDiscardChanges();

    // Opens a circuit document or a CSV section list (told apart by their
    // contents; CSV as a new, unsaved circuit, so that saving never writes
    // over the list) without asking; a failure is told in a message box.
    bool openFile(const QString& path);

    Circuit::Document document() const;
    bool isModified() const;
    QString filePath() const { return filePath_; }
    SectionModel* model() const { return model_; }

    void ActionNeuExecute();
    void ActionOeffnenExecute();
    bool ActionSpeichernExecute();
    bool ActionSpeichernUnterExecute();
    void ActionCsvImportierenExecute();
    void ActionCsvExportierenExecute();
    void ActionDruckenExecute();
    void ActionPdfExecute();
    void ActionZeileEinfuegenExecute();
    void ActionZeileLoeschenExecute();
    void ActionRueckgaengigExecute();
    void ActionKopierenExecute();
    void Edit1Change();

Q_SIGNALS:
    // An opened document was computed with this temperature difference.
    void temperatureDifferenceLoaded(const QString& temperatureDifference);
    // "Ventile…": the user wants the valve series editor.
    void valvesRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override; // Escape closes
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    AppState& data_;
    SectionModel* model_;
    QMenuBar* MenuBar;
    QString filePath_;
    Circuit::Document saved_; // as last opened or saved
    QList<Circuit::Removed> deleted_;
    int spaceBelowSplitter_ = 0; // the totals' room below the table and picture

    // Moves the current row up (-1) or down (1).
    void moveRow(int step);

    void setDocument(const Circuit::Document& document);
    bool saveTo(const QString& path);
    void Anzeigen(); // totals, title, spans
    void updateSpans(int first, int last);
    void updateTitle();
    QString suggestedPath(const QString& suffix) const;
    bool ownsShortcut(QObject* watched, QEvent* event, QAction** action) const;
};
