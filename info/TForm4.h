#pragma once

#include "ui_TForm4.h"

#include <QWidget>

class TForm4 : public QWidget, public Ui::TForm4 {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
};
