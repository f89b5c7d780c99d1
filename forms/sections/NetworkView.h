#pragma once

#include <QAbstractScrollArea>

class SectionModel;

// The circuit's network as a picture (PaintBox1 of the section window): a
// tree from the heat generator, each section a line labelled with its Nr.,
// pipe and Δp, each consumer a radiator with its Bezeichnung, the critical
// path in red and bold. It follows every change of the model, fits itself
// to the pane down to a readable size and scrolls beyond. A click on a
// section says rowClicked(); the selected row is highlighted.
class NetworkView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit NetworkView(QWidget* parent = nullptr);

    void setModel(SectionModel* model);
    int selectedRow() const { return selected_; }
    void setSelectedRow(int row);

Q_SIGNALS:
    void rowClicked(int row);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SectionModel* model_ = nullptr;
    int selected_ = -1;
};
