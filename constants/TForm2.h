#pragma once

#include "ui_TForm2.h"

#include <QPointer>
#include <QWidget>

// The constants dialog.
class TForm2 : public QWidget, public Ui::TForm2 {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    // The most recently created dialog, shown again by "Konstanten" while the
    // dialog-initialised flag is set.
    static TForm2* current();
    static void setCurrent(TForm2* dialog);

    void Startprozeduren();
};
