#pragma once

#include "ui_TForm3.h"

#include <QWidget>

class TForm3 : public QWidget, public Ui::TForm3 {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
    void Startprozeduren();
};
