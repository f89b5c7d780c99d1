#pragma once

#include "ui_TForm5.h"

#include <QWidget>

class TForm5 : public QWidget, public Ui::TForm5 {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);
};
