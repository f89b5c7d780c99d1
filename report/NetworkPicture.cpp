#include "report/NetworkPicture.h"

#include "report/Sheet.h"

#include "core/CircuitTable.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace
{

// Proportions in the font's height.
constexpr qreal Margin = 0.6;
constexpr qreal BoilerWidth = 1.6;
constexpr qreal BoilerHeight = 2.2;
constexpr qreal Stub = 0.9; // from the boiler to where the sections start
constexpr qreal LineSpacing = 2.0; // between consumers
constexpr qreal LabelLeft = 0.4; // after the Vorgänger's end
constexpr qreal LabelRight = 0.3; // before the own end
constexpr qreal LabelRaise = 0.15; // above the line
constexpr qreal RadiatorWidth = 1.6;
constexpr qreal RadiatorHeight = 1.2;
constexpr qreal NameGap = 0.4;
constexpr qreal MaxNameWidth = 14;
constexpr qreal MaxNoteWidth = 60;
constexpr qreal Pen = 0.1;
constexpr qreal CriticalPen = 0.2;
constexpr qreal Halo = 0.8;
constexpr qreal HitTolerance = 0.45;
constexpr int NotedRows = 40;

const QColor Line { 60, 60, 60 };
const QColor HaloColour { 170, 205, 255 };
const QColor HaloFill { 214, 231, 255 };

// The widest label there can be of a short pipe name and a four-digit Δp.
const QString LabelTemplate = QStringLiteral("999  DN 32 · 9.999 Pa");

int digits(long long value)
{
    int d = 1;
    for (value = value < 0 ? -value : value; value >= 10; value /= 10)
        ++d;
    return d;
}

// Characters of a computed row's label, without making it.
int labelLength(int row, const Circuit::Row& r)
{
    const long long pascal = std::llround(double(r.loss));
    const int d = digits(pascal);
    return digits(row + 1) + int(r.panels.designation.size()) + d + (d - 1) / 3 + (pascal < 0 ? 1 : 0) + 7;
}

} // namespace

NetworkPicture::NetworkPicture(
    const Circuit::Document& document, const Circuit::Evaluation& evaluation, const QFont& font)
    : document_(document)
    , evaluation_(evaluation)
    , font_(font)
    , bold_(font)
{
    bold_.setBold(true);
    const QFontMetricsF metrics(font_);
    const QFontMetricsF boldMetrics(bold_);
    em_ = metrics.height();
    const qreal h = em_;
    const QList<Circuit::Row>& rows = evaluation_.rows;
    const int n = int(std::min(rows.size(), document_.sections.size()));

    // Which rows lead to the heat generator: each chain of Vorgänger
    // followed once, its verdict given to every row on it.
    enum State : char { Unknown, Visiting, Placed, Unplaced };
    QList<State> state(n, Unknown);
    QList<int> way;
    for (int start = 0; start < n; ++start) {
        way.clear();
        int i = start;
        State verdict = Unplaced;
        for (;;) {
            if (state[i] == Placed || state[i] == Unplaced) {
                verdict = state[i];
                break;
            }
            if (state[i] == Visiting) break; // a circle
            state[i] = Visiting;
            way.append(i);
            const Circuit::Row& r = rows[i];
            if (r.empty) break;
            if (r.predecessor < 0) {
                if (document_.sections[i].predecessor.trimmed().isEmpty()) verdict = Placed;
                break;
            }
            if (r.predecessor >= n) break;
            i = r.predecessor;
        }
        for (const int w : std::as_const(way))
            state[w] = verdict;
    }

    // Successors as lists threaded through the rows, in descending order:
    // pushed so, they come off the stack ascending.
    constexpr int None = -1;
    QList<int> firstChild(n, None);
    QList<int> nextSibling(n, None);
    int firstRoot = None;
    int longest = -1;
    int longestLength = 0;
    int longestName = -1;
    for (int i = 0; i < n; ++i) {
        if (state[i] != Placed) {
            if (!rows[i].empty) unplaced_.append(i);
            continue;
        }
        int& head = rows[i].predecessor < 0 ? firstRoot : firstChild[rows[i].predecessor];
        nextSibling[i] = head;
        head = i;
        if (rows[i].computed()) {
            const int length = labelLength(i, rows[i]);
            if (length > longestLength) {
                longestLength = length;
                longest = i;
            }
        }
        if (rows[i].consumer
            && (longestName < 0 || document_.sections[i].name.size() > document_.sections[longestName].name.size()))
            longestName = i;
    }

    // Column width: the widest label, judged by its length.
    qreal labelWidth = boldMetrics.horizontalAdvance(LabelTemplate);
    if (longest >= 0) labelWidth = std::max(labelWidth, boldMetrics.horizontalAdvance(label(longest)) * 1.05);
    const qreal column = labelWidth + (LabelLeft + LabelRight) * h;
    if (longestName >= 0)
        nameWidth_ = std::min(boldMetrics.horizontalAdvance(document_.sections[longestName].name), MaxNameWidth * h);

    lineSpacing_ = LineSpacing * h;
    firstLine_ = (Margin + 1.3 + BoilerHeight / 2) * h; // below the heat generator's caption
    generator_ = QPointF((Margin + BoilerWidth + Stub) * h, firstLine_);

    // Depth first from the heat generator: a row takes the line of its first
    // consumer, each consumer the next line.
    nodeOf_.fill(None, n);
    nodes_.reserve(n - unplaced_.size());
    QList<std::pair<int, int>> stack; // row, depth
    for (int r = firstRoot; r != None; r = nextSibling[r])
        stack.append({ r, 1 });
    qreal right = generator_.x();
    while (!stack.isEmpty()) {
        const auto [row, depth] = stack.takeLast();
        Node node;
        node.row = row;
        const int up = rows[row].predecessor;
        node.from = up < 0 ? generator_ : nodes_[nodeOf_[up]].to;
        node.to = QPointF(generator_.x() + depth * column, firstLine_ + lines_ * lineSpacing_);
        node.leaf = firstChild[row] == None;
        int successors = 0;
        for (int c = firstChild[row]; c != None; c = nextSibling[c], ++successors)
            stack.append({ c, depth + 1 });
        node.branch = successors > 1;
        if (node.leaf) {
            ++lines_;
            ++consumers_;
            right = std::max(right, nameRect(node).right());
        } else {
            right = std::max(right, node.to.x());
        }
        nodeOf_[row] = int(nodes_.size());
        nodes_.append(node);
    }

    const qreal caption = metrics.horizontalAdvance(QStringLiteral("Wärmeerzeuger")) + Margin * h;
    qreal bottom = firstLine_ + std::max(0, lines_ - 1) * lineSpacing_ + BoilerHeight / 2 * h;
    qreal noteWidth = 0;
    if (!unplaced_.isEmpty()) {
        bottom = noteTop() + h;
        noteWidth = std::min(metrics.horizontalAdvance(note()), MaxNoteWidth * h) + Margin * h;
    }
    size_ = QSizeF(std::max({ right, caption, noteWidth }) + Margin * h, bottom + Margin * h);
}

QString NetworkPicture::label(int row) const
{
    const Circuit::Row& r = evaluation_.rows[row];
    const QString number = QString::number(row + 1) + QStringLiteral("  ");
    if (!r.computed()) return number + r.reason;
    return number + r.panels.designation + QStringLiteral(" · ") + CircuitTable::pascal(r.loss) + QStringLiteral(" Pa");
}

QString NetworkPicture::note() const
{
    QStringList numbers;
    for (qsizetype k = 0; k < unplaced_.size() && k < NotedRows; ++k)
        numbers.append(QString::number(unplaced_[k] + 1));
    if (unplaced_.size() > NotedRows) numbers.append(QStringLiteral("…"));
    return QStringLiteral("Nicht im Netz (Vorgänger führt nicht zum Wärmeerzeuger): Nr. ") + numbers.join(u", ");
}

QRectF NetworkPicture::labelRect(const Node& node) const
{
    const qreal left = node.from.x() + LabelLeft * em_;
    return QRectF(left, node.to.y() - (1 + LabelRaise) * em_, node.to.x() - LabelRight * em_ - left, em_);
}

QRectF NetworkPicture::radiatorRect(const Node& node) const
{
    return QRectF(node.to.x(), node.to.y() - RadiatorHeight / 2 * em_, RadiatorWidth * em_, RadiatorHeight * em_);
}

QRectF NetworkPicture::nameRect(const Node& node) const
{
    return QRectF(node.to.x() + (RadiatorWidth + NameGap) * em_, node.to.y() - em_ / 2, nameWidth_, em_);
}

QRectF NetworkPicture::lineRect(const Node& node) const
{
    const qreal pad = Halo / 2 * em_;
    return QRectF(node.from.x() - pad, node.from.y() - pad, node.to.x() - node.from.x() + 2 * pad,
        node.to.y() - node.from.y() + 2 * pad);
}

QRectF NetworkPicture::boilerRect() const
{
    return QRectF(Margin * em_, firstLine_ - BoilerHeight / 2 * em_, BoilerWidth * em_, BoilerHeight * em_);
}

qreal NetworkPicture::noteTop() const
{
    return firstLine_ + std::max(0, lines_ - 1) * lineSpacing_ + BoilerHeight / 2 * em_ + 0.4 * em_;
}

QRectF NetworkPicture::rowBounds(int row) const
{
    if (row < 0 || row >= nodeOf_.size() || nodeOf_[row] < 0) return {};
    const Node& node = nodes_[nodeOf_[row]];
    QRectF bounds = lineRect(node) | labelRect(node);
    if (node.leaf) bounds |= radiatorRect(node) | nameRect(node);
    return bounds;
}

QRectF NetworkPicture::rowLabelBounds(int row) const
{
    if (row < 0 || row >= nodeOf_.size() || nodeOf_[row] < 0) return {};
    const Node& node = nodes_[nodeOf_[row]];
    QRectF bounds = labelRect(node) | QRectF(node.to, QSizeF(1, 1));
    if (node.leaf) bounds |= radiatorRect(node) | nameRect(node);
    return bounds;
}

QPointF NetworkPicture::endOf(int row) const
{
    if (row < 0 || row >= nodeOf_.size() || nodeOf_[row] < 0) return {};
    return nodes_[nodeOf_[row]].to;
}

int NetworkPicture::rowAt(const QPointF& point) const
{
    const qreal tolerance = HitTolerance * em_;
    // Siblings share the way down from their Vorgänger: there the nearest
    // one below the point is meant.
    int down = -1;
    qreal downLength = 0;
    for (const Node& node : nodes_) {
        if (!lineRect(node).adjusted(0, -em_, 0, 0).contains(point)
            && !(node.leaf && (radiatorRect(node) | nameRect(node)).contains(point)))
            continue;
        if (labelRect(node).contains(point)) return node.row;
        if (std::abs(point.y() - node.to.y()) <= tolerance && point.x() >= node.from.x() - tolerance
            && point.x() <= node.to.x())
            return node.row;
        if (node.leaf && (radiatorRect(node) | nameRect(node)).contains(point)) return node.row;
        const qreal length = node.to.y() - node.from.y();
        if (std::abs(point.x() - node.from.x()) <= tolerance && point.y() >= node.from.y() - tolerance
            && point.y() <= node.to.y() && (down < 0 || length < downLength)) {
            down = node.row;
            downLength = length;
        }
    }
    return down;
}

void NetworkPicture::paint(QPainter& painter, int selectedRow, const QRectF& exposed) const
{
    const QRectF area = exposed.isNull() ? QRectF(QPointF(), size_) : exposed;
    const qreal h = em_;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const auto path = [](const Node& node) {
        QPainterPath p(node.from);
        if (node.to.y() != node.from.y()) p.lineTo(node.from.x(), node.to.y());
        p.lineTo(node.to);
        return p;
    };
    const bool anyCritical = evaluation_.totals.criticalConsumer >= 0;

    // The selected row under everything else.
    if (selectedRow >= 0 && selectedRow < nodeOf_.size() && nodeOf_[selectedRow] >= 0) {
        const Node& node = nodes_[nodeOf_[selectedRow]];
        painter.setPen(Qt::NoPen);
        painter.setBrush(HaloFill);
        const qreal r = 0.25 * h;
        painter.drawRoundedRect(labelRect(node).adjusted(-r, -r / 2, r, r / 2), r, r);
        if (node.leaf) painter.drawRoundedRect((radiatorRect(node) | nameRect(node)).adjusted(-r, -r, r, r), r, r);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(HaloColour, Halo * h, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path(node));
    }

    // The heat generator: a boiler with a flame.
    const QRectF boiler = boilerRect();
    if (area.intersects(boiler.adjusted(0, -1.5 * h, Stub * h + h, h))) {
        painter.setFont(font_);
        painter.setPen(Sheet::Ink);
        painter.drawText(QRectF(boiler.left(), boiler.top() - 1.3 * h, MaxNameWidth * h, h),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QStringLiteral("Wärmeerzeuger"));
        painter.setPen(QPen(anyCritical ? Sheet::Red : Line, (anyCritical ? CriticalPen : Pen) * h));
        painter.drawLine(QPointF(boiler.right(), firstLine_), generator_);
        painter.setPen(QPen(Sheet::Ink, Pen * 1.5 * h));
        painter.setBrush(Qt::white);
        painter.drawRect(boiler);
        QPainterPath flame(QPointF(boiler.center().x(), boiler.top() + 0.45 * boiler.height()));
        flame.quadTo(
            boiler.right() - 0.25 * h, boiler.bottom() - 0.55 * h, boiler.center().x(), boiler.bottom() - 0.3 * h);
        flame.quadTo(boiler.left() + 0.25 * h, boiler.bottom() - 0.55 * h, boiler.center().x(),
            boiler.top() + 0.45 * boiler.height());
        painter.setBrush(QColor(255, 170, 60));
        painter.setPen(QPen(Sheet::Ink, Pen * h));
        painter.drawPath(flame);
        painter.setBrush(Qt::NoBrush);
    }

    // Lines: the rest first, the critical path over it.
    const QPen plain(Line, Pen * h, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    QPen dashed(Sheet::Grey, Pen * h, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin);
    const QPen critical(Sheet::Red, CriticalPen * h, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    for (const bool red : { false, true }) {
        for (const Node& node : nodes_) {
            const Circuit::Row& row = rowOf(node);
            if (row.critical != red || !area.intersects(lineRect(node))) continue;
            painter.setPen(red ? critical : row.computed() ? plain : dashed);
            painter.drawPath(path(node));
            if (!node.leaf) {
                painter.setBrush(red ? Sheet::Red : row.computed() ? Line : Sheet::Grey);
                painter.setPen(Qt::NoPen);
                const qreal r = (node.branch ? 0.2 : 0.14) * h;
                painter.drawEllipse(node.to, r, r);
                painter.setBrush(Qt::NoBrush);
            }
        }
    }

    // Consumers: a radiator with ribs and the Bezeichnung.
    const QFontMetricsF metrics(font_, painter.device());
    const QFontMetricsF boldMetrics(bold_, painter.device());
    for (const Node& node : nodes_) {
        if (!node.leaf) continue;
        const QRectF radiator = radiatorRect(node);
        const QRectF name = nameRect(node);
        if (!area.intersects(radiator | name)) continue;
        const Circuit::Row& row = rowOf(node);
        const QColor colour = row.critical ? Sheet::Red : row.computed() ? Sheet::Ink : Sheet::Grey;
        painter.setPen(QPen(colour, (row.critical ? CriticalPen : Pen * 1.2) * h));
        painter.setBrush(Qt::white);
        painter.drawRect(radiator);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, Pen * h));
        constexpr int Ribs = 4;
        for (int k = 1; k <= Ribs; ++k) {
            const qreal x = radiator.left() + radiator.width() * k / (Ribs + 1);
            painter.drawLine(QPointF(x, radiator.top() + 0.2 * h), QPointF(x, radiator.bottom() - 0.2 * h));
        }
        const QString& text = document_.sections[node.row].name;
        if (text.isEmpty()) continue;
        painter.setFont(row.critical ? bold_ : font_);
        painter.setPen(colour);
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            (row.critical ? boldMetrics : metrics).elidedText(text, Qt::ElideRight, name.width()));
    }

    // Labels over the lines.
    for (const Node& node : nodes_) {
        const QRectF box = labelRect(node);
        if (!area.intersects(box)) continue;
        const Circuit::Row& row = rowOf(node);
        painter.setFont(row.critical ? bold_ : font_);
        painter.setPen(row.critical ? Sheet::Red : row.computed() ? Sheet::Ink : Sheet::Grey);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
            (row.critical ? boldMetrics : metrics).elidedText(label(node.row), Qt::ElideRight, box.width()));
    }

    if (!unplaced_.isEmpty()) {
        const QRectF box(Margin * h, noteTop(), size_.width() - 2 * Margin * h, h);
        if (area.intersects(box)) {
            painter.setFont(font_);
            painter.setPen(Sheet::Ink);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                metrics.elidedText(note(), Qt::ElideRight, box.width()));
        }
    }
    painter.restore();
}

NetworkPicture::Paging NetworkPicture::paging(const QSizeF& page) const
{
    Paging p;
    p.breaks = { 0 };
    if (page.isEmpty()) return p; // no page at all
    p.breaks.append(size_.height());
    const qreal width = std::min<qreal>(1, page.width() / size_.width());
    const qreal height = page.height() / size_.height();
    if (height >= width || height >= std::min(MinPrintScale, width)) {
        p.scale = std::min(width, height);
        return p;
    }
    // Cut between consumers' lines: just above the next one's label.
    p.scale = width;
    const qreal room = page.height() / p.scale;
    const qreal cutAbove = (1 + LabelRaise + 0.1) * em_;
    p.breaks = { 0 };
    qreal top = 0;
    while (size_.height() - top > room) {
        const int line = std::min(lines_, int(std::floor((top + room - firstLine_ + cutAbove) / lineSpacing_)));
        qreal cut = firstLine_ + line * lineSpacing_ - cutAbove;
        if (line < 1 || cut <= top + em_) cut = top + room; // a line taller than the page
        p.breaks.append(cut);
        top = cut;
    }
    p.breaks.append(size_.height());
    return p;
}

int NetworkPicture::pageCount(const QSizeF& page) const
{
    return int(paging(page).breaks.size()) - 1;
}

void NetworkPicture::paintPage(QPainter& painter, const QRectF& page, int index) const
{
    const Paging p = paging(page.size());
    if (index < 0 || index + 1 >= p.breaks.size()) return;
    const qreal top = p.breaks[index];
    const qreal bottom = p.breaks[index + 1];
    painter.save();
    painter.setClipRect(QRectF(page.topLeft(), QSizeF(page.width(), (bottom - top) * p.scale)), Qt::IntersectClip);
    painter.translate(page.topLeft());
    painter.scale(p.scale, p.scale);
    painter.translate(0, -top);
    paint(painter, -1, QRectF(0, top, size_.width(), bottom - top));
    painter.restore();
}
