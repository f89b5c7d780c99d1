#pragma once

#include <QWidget>

class QLabel;

// Takes the keyboard focus for a result label, which does not take it
// itself: a focusable QLabel lays its text out through a text document,
// several times slower at every change of the result. Tab stops here in the
// label's place; a screen reader hears the label's name and the value it
// shows; a frame shows the focus.
class FocusFrame : public QWidget
{
    Q_OBJECT

public:
    explicit FocusFrame(QLabel* result);

    // Takes over the result's name and value (its accessible name and
    // description), announcing a changed value while it has the focus.
    void describe();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* result_;
};
