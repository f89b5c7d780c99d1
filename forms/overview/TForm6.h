#pragma once

#include "ui_TForm6.h"

#include "core/PipeOverview.h"

#include <QWidget>

// The pipe overview: every pipe of the material in use with its inner
// diameter, w and R for the current inputs, as the result panels would show
// them, over-limit values red, the recommended (or chosen) pipe marked and
// selected. It shows what it is given and computes nothing; Enter or a double
// click on a row says pipeChosen(). Closing only hides it.
class TForm6 : public QWidget, public Ui::TForm6
{
    Q_OBJECT

public:
    explicit TForm6(QWidget* parent = nullptr);

    // Fills the table; an empty overview empties it. The marked pipe is the
    // chosen one in manual mode, else the recommended one.
    void Anzeigen(const PipeOverview::Overview& overview, bool manualMode);

    // The catalogue index of a table row, 0 for none.
    int pipeAt(int row) const;

    void StringGrid1DblClick(const QModelIndex& index);

Q_SIGNALS:
    // The user took this pipe (catalogue index) of the material shown.
    void pipeChosen(int pipe);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QList<int> pipes_; // catalogue index per row
};
