#pragma once

#include "ui_TForm4.h"

#include <QWidget>

class QTimer;

// The start window: a scrolling welcome line, the maker's logo and web link.
class TForm4 : public QWidget, public Ui::TForm4
{
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);

    QTimer* Timer1; // 150 ms, one step of the welcome line
    QTimer* Timer2; // 1000 ms, once: starts Timer1

    void Timer1Timer();
    void Timer2Timer();
    void BitBtn1Click();

Q_SIGNALS:
    // Closed by "OK" (the main window's banner starts then).
    void confirmed();
};
