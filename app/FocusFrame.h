#pragma once

#include <QWidget>

// A focus rectangle over a control that draws none of its own (a result
// label reached by Tab), so that a keyboard user sees where the focus is.
class FocusFrame : public QWidget
{
    Q_OBJECT

public:
    explicit FocusFrame(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
