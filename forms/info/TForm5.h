#pragma once

#include "ui_TForm5.h"

#include <QWidget>

// The end window, shown instead of ending the program: "&OK" goes back to
// the program, "&Beenden" ends it.
class TForm5 : public QWidget, public Ui::TForm5
{
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);

    void BitBtn1Click();
    void BitBtn2Click();

Q_SIGNALS:
    // Closed by "OK": back to the program (the main window's banner starts).
    void confirmed();
    // "Beenden": the user ends the program.
    void quitChosen();
};
