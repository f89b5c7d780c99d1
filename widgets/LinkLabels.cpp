#include "widgets/LinkLabels.h"

#include "widgets/FormLook.h"
#include "widgets/Links.h"

#include <QLabel>
#include <QMouseEvent>

#include <utility>

namespace LinkLabels
{

namespace
{

    // Watches one widget's mouse: moves (also without a button held) and
    // left clicks, released inside the widget that got the press.
    class MouseWatcher : public QObject
    {
    public:
        MouseWatcher(QWidget* widget, std::function<void()> moved, bool consumeMoves, std::function<void()> clicked)
            : QObject(widget)
            , moved_(std::move(moved))
            , clicked_(std::move(clicked))
            , consumeMoves_(consumeMoves)
        {
            if (moved_) widget->setMouseTracking(true);
            widget->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::MouseMove && moved_) {
                moved_();
                return consumeMoves_;
            }
            if (event->type() == QEvent::MouseButtonRelease && clicked_) {
                const auto* mouse = static_cast<const QMouseEvent*>(event);
                if (mouse->button() == Qt::LeftButton
                    && static_cast<const QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
                    clicked_();
                    return true;
                }
            }
            return false;
        }

    private:
        std::function<void()> moved_;
        std::function<void()> clicked_;
        bool consumeMoves_;
    };

} // namespace

// The link's own moves stop at the link: the area around it must not turn it
// navy again.
void link(QWidget* text, std::function<void()> hovered, std::function<void()> clicked)
{
    new MouseWatcher(text, std::move(hovered), true, std::move(clicked));
}

void clickArea(QWidget* area, std::function<void()> clicked)
{
    new MouseWatcher(area, {}, false, std::move(clicked));
}

void surrounding(QWidget* area, std::function<void()> moved)
{
    new MouseWatcher(area, std::move(moved), false, {});
}

void setHovered(QWidget* text, bool hovered)
{
    FormLook::setTextColor(text, hovered ? FormLook::Red : FormLook::Navy);
}

void fitToText(QLabel* label)
{
    label->resize(label->sizeHint());
}

void centreInParent(QWidget* widget)
{
    if (const QWidget* parent = widget->parentWidget())
        widget->move((parent->width() - widget->width()) / 2, widget->y());
}

void siteLink(QLabel* label, QWidget* surrounding)
{
    fitToText(label);
    centreInParent(label);
    link(
        label, [label] { setHovered(label, true); }, [label] { Links::Internetseite_Aufrufen(label->window()); });
    LinkLabels::surrounding(surrounding, [label] { setHovered(label, false); });
}

} // namespace LinkLabels
