#pragma once

#include "core/Circuit.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QPainter;

// The circuit's network as a picture, for the section window and the printed
// list: a tree from the heat generator at the left, depth growing to the
// right, each consumer on a line of its own and a section aligned with its
// first successor. A section is a line from its Vorgänger's end to its own,
// labelled "Nr.  pipe · Δp Pa"; a consumer a radiator with its Bezeichnung;
// the critical path red and bold; a row not computed dashed grey with its
// reason. Rows whose Vorgänger do not lead to the heat generator (missing,
// on a circle, below such a row) are listed in a note underneath.
//
// Laid out once, in O(n), in the units of the font's pixels; texts are made
// and measured only when painted, and painting draws only what meets the
// exposed rectangle. The document and evaluation are shared, not copied.
class NetworkPicture
{
public:
    NetworkPicture(const Circuit::Document& document, const Circuit::Evaluation& evaluation, const QFont& font);

    // The natural size; the picture's origin is its top-left corner.
    QSizeF size() const { return size_; }
    // Paints at the painter's transform onto a background the caller filled;
    // `exposed` (the picture's units) limits the work, null: everything.
    void paint(QPainter& painter, int selectedRow = -1, const QRectF& exposed = {}) const;

    // The section under a point (its line, label or radiator), -1 for none.
    int rowAt(const QPointF& point) const;
    // All a row draws; null for a row not in the picture.
    QRectF rowBounds(int row) const;
    // Its label and, on a consumer, the radiator and Bezeichnung: what to
    // scroll into view.
    QRectF rowLabelBounds(int row) const;
    // Where a row's line ends (its successors branch off, its radiator hangs);
    // null for a row not in the picture.
    QPointF endOf(int row) const;
    // Typed rows whose Vorgänger do not lead to the heat generator.
    const QList<int>& unplacedRows() const { return unplaced_; }
    int consumerCount() const { return consumers_; }

    // Printing in a page rectangle of the painter's units, where the font is
    // of the size wanted on paper: one page at up to natural size when the
    // picture fits at MinPrintScale or more, else as wide as the page and cut
    // between consumers onto as many pages as it takes. No room: 0 pages.
    static constexpr qreal MinPrintScale = 0.75;
    int pageCount(const QSizeF& page) const;
    void paintPage(QPainter& painter, const QRectF& page, int index) const;

private:
    struct Node {
        int row = -1;
        QPointF from; // the Vorgänger's end, or the heat generator's
        QPointF to;
        bool leaf = false; // a consumer
        bool branch = false; // more than one successor
    };

    Circuit::Document document_;
    Circuit::Evaluation evaluation_;
    QFont font_;
    QFont bold_;
    qreal em_ = 16; // the font's height
    qreal nameWidth_ = 0; // the longest Bezeichnung, capped
    qreal firstLine_ = 0; // y of the first consumer's line
    qreal lineSpacing_ = 0; // between consumers
    int lines_ = 0; // consumers' lines
    QPointF generator_; // where the sections at the heat generator start
    QSizeF size_;
    QList<Node> nodes_; // depth first, top to bottom
    QList<int> nodeOf_; // row → node, -1
    QList<int> unplaced_;
    int consumers_ = 0;

    const Circuit::Row& rowOf(const Node& node) const { return evaluation_.rows[node.row]; }
    QString label(int row) const;
    QString note() const;
    QRectF labelRect(const Node& node) const;
    QRectF radiatorRect(const Node& node) const;
    QRectF nameRect(const Node& node) const;
    QRectF lineRect(const Node& node) const;
    QRectF boilerRect() const;
    qreal noteTop() const;

    // The scale on paper and the picture's y where each page starts, with the
    // end last.
    struct Paging {
        qreal scale = 1;
        QList<qreal> breaks;
    };
    Paging paging(const QSizeF& page) const;
};
