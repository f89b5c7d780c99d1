#include "widgets/UpDown.h"

#include "core/NumberText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

UpDown::UpDown(QWidget* parent)
    : QWidget(parent)
    , up_(new QToolButton(this))
    , down_(new QToolButton(this))
{
    for (QToolButton* button : { up_, down_ }) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setIconSize(QSize(7, 7));
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(QStringLiteral("Aufwärts"));
    down_->setAccessibleName(QStringLiteral("Abwärts"));
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setMinimum(int minimum)
{
    minimum_ = minimum;
    position_ = std::max(position_, minimum_);
}

void UpDown::setMaximum(int maximum)
{
    maximum_ = maximum;
    position_ = std::min(position_, maximum_);
}

void UpDown::setPosition(int position)
{
    position_ = std::clamp(position, minimum_, std::max(minimum_, maximum_));
}

void UpDown::setBuddy(QLineEdit* buddy)
{
    if (buddy_) buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_) buddy_->installEventFilter(this);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::step(int delta)
{
    if (buddy_) {
        if (const auto shown = NumberText::readInteger(buddy_->text())) setPosition(*shown);
    }
    Q_EMIT changing();
    setPosition(position_ + delta);
    if (buddy_) buddy_->setText(QString::number(position_));
}
