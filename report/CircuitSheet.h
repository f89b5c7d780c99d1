#pragma once

#include "core/Circuit.h"
#include "report/NetworkPicture.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;
class QPagedPaintDevice;

// The settings sheet an installer works from on site, A4 landscape: on the
// first page the project, the date, the constants in use and the pump's
// setting; then one line per consumer with its valve and presetting (large
// and bold), the section table with all its columns and the network picture.
// Tables repeat their header row on every page; long texts wrap instead of
// being cut, and a section table too wide for the page is split into groups
// of columns that each repeat Nr. and Bezeichnung.
//
// Laid out once, in the constructor, into a list of pages, each a list of
// blocks at their places; painting a page paints its blocks.
class CircuitSheet
{
public:
    CircuitSheet(const Circuit::Document& document, const Circuit::Evaluation& evaluation,
        const SettingsRecord& settings, const PipeCatalogue& catalogue, const ValveCatalogue& valves, const QDate& date,
        const QString& fileName);

    int pageCount() const;
    // `paper` is the whole sheet in the painter's coordinates; `page` from 0.
    void paintPage(QPainter& painter, const QRectF& paper, int page) const;
    // Every page on a device set up for A4 landscape, a new page between them.
    void paint(QPainter& painter, QPagedPaintDevice& device, const QRectF& paper) const;

    // Replaces the file only when all went well; on failure the reason in *error.
    bool writePdf(const QString& path, QString* error = nullptr) const;

    static QString title();

private:
    struct Column {
        int key = 0; // a CircuitTable::Column, or a consumer column
        QString caption;
        double width = 0;
        int align = Qt::AlignRight;
        bool wrap = false; // long texts break onto more lines
    };
    struct Table {
        bool consumers = false; // else a group of the section table's columns
        QFont text;
        QFont bold;
        QFont head;
        QString heading;
        QList<Column> columns;
        QList<int> rows; // document rows
        QList<double> heights; // each row's, with its wrapped texts
        double headHeight = 0;
    };
    // What a page shows, in the sheet's tenths of a millimetre.
    struct Block {
        enum class Kind { Text, Frame, Rule, Head, Row, Picture };
        Kind kind = Kind::Text;
        QRectF rect;
        QString text;
        QFont font;
        QColor colour;
        int flags = 0;
        int table = -1;
        int row = -1; // index in the table's rows; the picture's page
    };
    struct Cell {
        QString text;
        QFont font;
        QColor colour;
    };

    Circuit::Document document_;
    Circuit::Evaluation evaluation_;
    SettingsRecord settings_;
    const PipeCatalogue& catalogue_;
    const ValveCatalogue& valves_;
    QDate date_;
    QString fileName_;
    QList<Table> tables_;
    std::optional<NetworkPicture> picture_;
    QList<QList<Block>> pages_;

    void addTables();
    QList<QList<Column>> sectionGroups(const Table& type, QList<double>& natural) const;
    double rowHeight(const Table& table, int row) const;
    Cell cell(const Table& table, const Column& column, int row) const;
    QString reasonIn(const Table& table, int row, int* first, int* last) const;
    void layOut();
    QList<Block> header(double& y) const;

    void paintRow(QPainter& painter, const Table& table, int index, const QRectF& rect) const;
    void paintHead(QPainter& painter, const Table& table, const QRectF& rect) const;
};
