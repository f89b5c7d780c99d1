#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// An up/down stepper bound to an edit (its buddy). Each step first raises
// changing(), then moves the position within [minimum, maximum] without
// wrapping and writes it into the buddy. The current position is taken from
// the buddy's text when that holds a whole number. The arrow keys in the
// buddy step too.
class UpDown : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int position READ position WRITE setPosition)

public:
    explicit UpDown(QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setPosition(int position);

    void setBuddy(QLineEdit* buddy);
    QLineEdit* buddy() const { return buddy_; }

public Q_SLOTS:
    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

Q_SIGNALS:
    // Raised before each step, after the position was taken from the buddy.
    void changing();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);

    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* buddy_ = nullptr;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};
