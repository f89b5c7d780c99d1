#include "forms/sections/NetworkView.h"

#include "forms/sections/SectionModel.h"

#include <QPainter>

NetworkView::NetworkView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
}

void NetworkView::setModel(SectionModel* model)
{
    model_ = model;
    connect(model_, &SectionModel::changed, viewport(), qOverload<>(&QWidget::update));
}

void NetworkView::setSelectedRow(int row)
{
    if (row == selected_) return;
    selected_ = row;
    viewport()->update();
}

void NetworkView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
}
