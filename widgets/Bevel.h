#pragma once

#include <QWidget>

// A sunken line along one edge of its rectangle, as dividers are drawn.
class Bevel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(Edge edge READ edge WRITE setEdge)

public:
    enum Edge { TopLine, BottomLine, LeftLine };
    Q_ENUM(Edge)

    explicit Bevel(QWidget* parent = nullptr);

    Edge edge() const { return edge_; }
    void setEdge(Edge edge);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Edge edge_ = TopLine;
};
