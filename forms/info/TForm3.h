#pragma once

#include "ui_TForm3.h"

#include <QWidget>

// The information window: who made Fluvano, its links, and the two check
// boxes that switch the start and end windows on and off.
class TForm3 : public QWidget, public Ui::TForm3
{
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

    // Sets the boxes from the record and writes the settings file.
    void Startprozeduren();

    void CheckBox1Click();
    void CheckBox2Click();
    void Label14Click();
    void Label5Click();
    void Label5MouseMove();
    void Label14MouseMove();
    void GroupBox1MouseMove();

    static QString mailSubject();
    static QString mailBody();
};
