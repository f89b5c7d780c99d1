#include "forms/sections/NetworkView.h"

#include "core/CircuitTable.h"
#include "forms/sections/SectionModel.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace
{

// What the picture says of a row, in full.
QString rowToolTip(const SectionModel& model, int row)
{
    const Circuit::Row& r = model.results()[row];
    const QString& name = model.sections()[row].name;
    QString text = QStringLiteral("Teilstrecke %1").arg(row + 1);
    if (!name.isEmpty()) text += QStringLiteral(": ") + name;
    if (!r.computed()) return text + u'\n' + r.reason;
    text += u'\n' + r.panels.designation + QStringLiteral(", Δp ") + CircuitTable::pascal(r.loss)
        + QStringLiteral(" Pa");
    if (r.consumer) text += QStringLiteral(", Weg ") + CircuitTable::pascal(r.pathLoss) + QStringLiteral(" Pa");
    return text;
}

} // namespace

NetworkView::NetworkView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void NetworkView::setModel(SectionModel* model)
{
    if (model_) disconnect(model_, nullptr, this, nullptr);
    model_ = model;
    if (description_.isEmpty()) description_ = accessibleDescription();
    if (model_) connect(model_, &SectionModel::changed, this, &NetworkView::rebuild);
    rebuild();
}

void NetworkView::rebuild()
{
    if (!model_) {
        picture_.reset();
        viewport()->update();
        return;
    }
    picture_.emplace(model_->document(), model_->evaluation(), font());
    fitToViewport();
    viewport()->update();

    // A screen reader hears what the picture shows at a glance.
    const auto typed = std::count_if(
        model_->results().begin(), model_->results().end(), [](const Circuit::Row& row) { return !row.empty; });
    QString summary = QStringLiteral("%1 Teilstrecken im Netz, %2 Verbraucher")
                          .arg(typed - picture_->unplacedRows().size())
                          .arg(picture_->consumerCount());
    const QString critical = CircuitTable::totalTexts(model_->document(), model_->totals()).criticalConsumer;
    if (!critical.isEmpty()) summary += QStringLiteral("; ungünstigster Verbraucher ") + critical;
    if (!picture_->unplacedRows().isEmpty())
        summary += QStringLiteral("; %1 nicht im Netz").arg(picture_->unplacedRows().size());
    setAccessibleDescription(description_.isEmpty() ? summary : description_ + QStringLiteral(". ") + summary);
}

void NetworkView::fitToViewport()
{
    if (!picture_) return;
    const QSizeF natural = picture_->size();
    const auto fit = [&](const QSizeF& room) {
        const qreal whole = std::min(room.width() / natural.width(), room.height() / natural.height());
        return std::clamp(whole, MinScale, MaxScale);
    };
    // Scroll bars take room from the pane when the picture needs them.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    QSizeF room = maximumViewportSize();
    qreal scale = fit(room);
    bool vertical = false;
    bool horizontal = false;
    for (int pass = 0; pass < 2; ++pass) {
        if (!vertical && natural.height() * scale > room.height()) {
            vertical = true;
            room.rwidth() -= bar;
        }
        if (!horizontal && natural.width() * scale > room.width()) {
            horizontal = true;
            room.rheight() -= bar;
        }
        scale = fit(room);
    }
    scale_ = scale;
    const QSize shown(int(std::ceil(natural.width() * scale)), int(std::ceil(natural.height() * scale)));
    const QSize pane = room.toSize();
    horizontalScrollBar()->setRange(0, std::max(0, shown.width() - pane.width()));
    horizontalScrollBar()->setPageStep(pane.width());
    verticalScrollBar()->setRange(0, std::max(0, shown.height() - pane.height()));
    verticalScrollBar()->setPageStep(pane.height());
}

QPointF NetworkView::toPicture(const QPointF& point) const
{
    return (point + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value())) / scale_;
}

QPointF NetworkView::toViewport(const QPointF& point) const
{
    return point * scale_ - QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QRect NetworkView::shownBounds(int row) const
{
    if (!picture_) return {};
    const QRectF bounds = picture_->rowBounds(row);
    if (bounds.isNull()) return {};
    return QRectF(toViewport(bounds.topLeft()), bounds.size() * scale_).toAlignedRect().adjusted(-2, -2, 2, 2);
}

void NetworkView::setSelectedRow(int row)
{
    if (row == selected_) return;
    const QRect before = shownBounds(selected_);
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    selected_ = row;
    ensureVisible(row);
    if (scrolled != QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value())) {
        viewport()->update();
    } else {
        viewport()->update(before);
        viewport()->update(shownBounds(row));
    }
}

void NetworkView::ensureVisible(int row)
{
    if (!picture_) return;
    const QRectF label = picture_->rowLabelBounds(row);
    if (label.isNull()) return;
    const QRectF shown(label.topLeft() * scale_, label.size() * scale_);
    const int margin = 8;
    const auto follow = [margin](QScrollBar* bar, qreal from, qreal to) {
        const int page = bar->pageStep();
        if (to - from + 2 * margin > page || from < bar->value() + margin)
            bar->setValue(int(std::floor(from)) - margin);
        else if (to > bar->value() + page - margin)
            bar->setValue(int(std::ceil(to)) - page + margin);
    };
    follow(horizontalScrollBar(), shown.left(), shown.right());
    follow(verticalScrollBar(), shown.top(), shown.bottom());
}

void NetworkView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
    if (!picture_) return;
    const QRectF exposed(toPicture(event->rect().topLeft()), QSizeF(event->rect().size()) / scale_);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    painter.scale(scale_, scale_);
    picture_->paint(painter, selected_, exposed);
}

void NetworkView::resizeEvent(QResizeEvent*)
{
    fitToViewport();
}

void NetworkView::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
}

void NetworkView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !picture_) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const int row = picture_->rowAt(toPicture(event->position()));
    if (row < 0) return;
    setSelectedRow(row);
    Q_EMIT rowClicked(row);
}

bool NetworkView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && picture_ && model_) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int row = picture_->rowAt(toPicture(help->pos()));
        if (row >= 0 && row < model_->rowCount())
            QToolTip::showText(help->globalPos(), rowToolTip(*model_, row), viewport(), shownBounds(row));
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void NetworkView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange && model_) rebuild();
}
