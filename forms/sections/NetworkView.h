#pragma once

#include "report/NetworkPicture.h"

#include <QAbstractScrollArea>

#include <optional>

class SectionModel;

// The circuit's network as a picture (PaintBox1 of the section window): a
// tree from the heat generator, each section a line labelled with its Nr.,
// pipe and Δp, each consumer a radiator with its Bezeichnung, the critical
// path in red and bold (report/NetworkPicture). It follows every change of
// the model, fits itself to the pane down to a readable size and scrolls
// beyond. A click on a section says rowClicked(); the selected row is
// highlighted and scrolled into view.
class NetworkView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Smaller is no longer readable: the picture scrolls instead.
    static constexpr qreal MinScale = 0.6;
    static constexpr qreal MaxScale = 1.25;

    explicit NetworkView(QWidget* parent = nullptr);

    void setModel(SectionModel* model);
    int selectedRow() const { return selected_; }
    void setSelectedRow(int row);

    qreal scale() const { return scale_; }
    const NetworkPicture* picture() const { return picture_ ? &*picture_ : nullptr; }
    // A point of the picture in the viewport's coordinates.
    QPointF toViewport(const QPointF& point) const;

Q_SIGNALS:
    void rowClicked(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;

private:
    SectionModel* model_ = nullptr;
    std::optional<NetworkPicture> picture_;
    qreal scale_ = 1;
    int selected_ = -1;
    QString description_; // the form's accessible description

    void rebuild();
    void fitToViewport();
    QPointF toPicture(const QPointF& viewportPoint) const;
    QRect shownBounds(int row) const;
    void ensureVisible(int row);
};
