#include "forms/overview/TForm6.h"

#include "core/ResultText.h"
#include "widgets/FormLook.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>

namespace
{

enum Column { Designation, Diameter, Velocity, Gradient };

// A red cell stays red in the selected row, so that the marked pipe's
// over-limit values show too.
class LimitColours : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(Qt::BackgroundRole).value<QBrush>().color() != FormLook::Red) return;
        option->palette.setColor(QPalette::Highlight, FormLook::Red);
        option->palette.setColor(QPalette::HighlightedText, Qt::black);
    }
};

// A small arrow before the marked pipe's designation: blue, and in the
// highlighted text colour while the row is selected.
QIcon markerIcon(int size, const QColor& selected)
{
    QIcon icon;
    for (const auto& [mode, colour] : { std::pair { QIcon::Normal, FormLook::Blue }, { QIcon::Selected, selected } }) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath arrow;
        arrow.moveTo(size * 0.2, size * 0.1);
        arrow.lineTo(size * 0.9, size * 0.5);
        arrow.lineTo(size * 0.2, size * 0.9);
        arrow.closeSubpath();
        painter.fillPath(arrow, colour);
        icon.addPixmap(pixmap, mode);
    }
    return icon;
}

} // namespace

TForm6::TForm6(QWidget* parent)
    : QWidget(parent, FormLook::ToolWindow)
{
    setupUi(this);
    FormLook::applyPixelFonts(this);
    StringGrid1->setItemDelegate(new LimitColours(StringGrid1));
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setIconSize(QSize(10, 10));
    connect(StringGrid1, &QTableWidget::doubleClicked, this, &TForm6::StringGrid1DblClick);
    StringGrid1->setFocus();
}

void TForm6::Anzeigen(const PipeOverview::Overview& overview, bool manualMode)
{
    StringGrid1->clearContents();
    StringGrid1->setRowCount(int(overview.rows.size()));
    pipes_.clear();
    for (int r = 0; r < overview.rows.size(); ++r) {
        const PipeOverview::Row& row = overview.rows[r];
        pipes_.append(row.pipe);
        const QString texts[] = { row.designation, row.diameter, row.velocityText, row.pressureGradientText };
        const bool red[] = { false, false, row.tooFast, row.tooSteep };
        for (int c = Designation; c <= Gradient; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(Qt::AlignVCenter | (c == Designation ? Qt::AlignLeft : Qt::AlignRight));
            if (red[c]) item->setBackground(FormLook::Red);
            if (r == overview.marked) {
                QFont bold = StringGrid1->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            StringGrid1->setItem(r, c, item);
        }
    }
    if (overview.marked >= 0 && overview.marked < overview.rows.size()) {
        QTableWidgetItem* designation = StringGrid1->item(overview.marked, Designation);
        designation->setIcon(markerIcon(10, StringGrid1->palette().color(QPalette::HighlightedText)));
        const QString caption = ResultText::pipeCaption(manualMode);
        designation->setToolTip(caption);
        designation->setData(Qt::AccessibleTextRole, designation->text() + QStringLiteral(", ") + caption);
        StringGrid1->setCurrentCell(overview.marked, Designation);
        StringGrid1->scrollToItem(designation);
    } else {
        StringGrid1->clearSelection();
    }
}

int TForm6::pipeAt(int row) const
{
    return row >= 0 && row < pipes_.size() ? pipes_[row] : 0;
}

void TForm6::StringGrid1DblClick(const QModelIndex& index)
{
    if (const int pipe = pipeAt(index.row())) Q_EMIT pipeChosen(pipe);
}

void TForm6::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (StringGrid1->selectionModel()->isRowSelected(StringGrid1->currentRow()))
            if (const int pipe = pipeAt(StringGrid1->currentRow())) Q_EMIT pipeChosen(pipe);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TForm6::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    StringGrid1->setFocus();
}
