#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

class QIODevice;

// CSV tables as spreadsheet programs write and open them, read and written in
// one place.
//
// Reading takes UTF-8 with or without byte-order mark, and Windows-1252 where
// the bytes are not UTF-8; ';', tab or ',' as separator, found from the first
// line; fields in double quotes ("" for a quote inside) that may hold the
// separator and line breaks; CRLF or LF line ends. Blank lines, also those
// whose fields are all empty, are skipped. The first line is a header when
// none of its fields is a number; the caller's columns are found in it by
// name, else taken by position.
//
// Writing gives what a German spreadsheet program opens as it is: UTF-8 with
// byte-order mark, ';' between fields, numbers with decimal commas (the
// caller's number text), a field in double quotes only when it needs them.
namespace Csv
{

// Starts a written file.
inline constexpr char Bom[] = "\xEF\xBB\xBF";

// Appends a field as it is (no trimming), in double quotes with "" inside
// when it holds ';', '"', CR or LF.
void appendField(QString& row, QStringView field);
// The fields joined by ';', each as appendField() writes it; no line end.
QString row(const QStringList& fields);

struct Dialect {
    char16_t separator = u';';
    // With ',' between fields a number has a decimal point (as English-language
    // spreadsheets write it); with ';' or tab a comma or a point.
    bool decimalPointOnly = false;
};

// A number field as the input rules read it (they take a decimal comma or
// point). With a decimal point only, commas that group thousands
// ("1,250.5") are dropped; any other comma is left for the rules to read.
QString number(QStringView field, const Dialect& dialect);

// A column the caller reads. Header names match it trimmed, in any case, and
// with ä, ö, ü, ß written ae, oe, ue, ss or not ("Länge_m" is "Laenge_m").
struct Column {
    QString name;
    bool required = false; // only where the header names columns
};

// One record of the file: its fields, trimmed, and where it starts.
class Record
{
public:
    // The 1-based file line the record starts on (blank lines count).
    int line() const { return lineNumber; }

    // The field of the caller's column `column`; empty when the header or
    // the line has none.
    QStringView view(qsizetype column) const;
    QString field(qsizetype column) const { return view(column).toString(); }

    // Non-empty fields beyond the header's columns; where columns are taken
    // by position, beyond the caller's.
    qsizetype surplus() const;

    // The fields in the order of the line.
    qsizetype size() const { return spans.size(); }
    // The fields a line should have: the header's, or by position the caller's.
    qsizetype expectedSize() const { return width; }
    QStringView at(qsizetype index) const;

private:
    friend class Reader;
    struct Span {
        qsizetype start;
        qsizetype size;
    };
    QString text; // the line, or the unquoted fields one after the other
    QVarLengthArray<Span, 12> spans;
    QList<qsizetype> fieldOfColumn; // -1: not in the file
    qsizetype width = 0;
    int lineNumber = 0;
};

// Reads records one at a time:
//   Csv::Reader reader(device, columns);
//   if (!reader.error().isEmpty()) ...
//   for (Csv::Record record; reader.next(record);) ...
// The constructor reads up to the first non-blank line: the dialect and the
// header are known from then on.
//
// Encoding: with a byte-order mark the input is UTF-8. Without one, the
// streaming reader takes each line as UTF-8 until a line is not valid UTF-8;
// that line and all after it are read as Windows-1252. Reading a whole
// QByteArray decides once: Windows-1252 throughout unless it is all UTF-8.
class Reader
{
public:
    // Streams from a device open for reading whose reads wait for data, as a
    // file's or standard input's do. It reads ahead in blocks: the device is
    // the reader's while it reads.
    Reader(QIODevice& device, QList<Column> columns);
    // Reads the whole input.
    Reader(const QByteArray& bytes, QList<Column> columns);
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    const Dialect& dialect() const { return dialectFound; }
    // The columns were found by their header names, not taken by position.
    bool byName() const { return named; }
    // The caller's column `column` is in the file: named in the header, or
    // within the caller's columns by position.
    bool hasColumn(qsizetype column) const { return fieldOfColumn.value(column, -1) >= 0; }
    // The header's names of columns not read: unknown names, or by position
    // those beyond the caller's columns.
    const QStringList& extraColumns() const { return extras; }
    // Why no record is read: a required column missing in the header
    // ("Die Spalte „Laenge_m“ fehlt in der Kopfzeile."); empty when all is well.
    const QString& error() const { return errorText; }

    // The next non-blank record; false at the end, or at once after an error.
    bool next(Record& record);
    // Reading from the device stopped before its end.
    bool readFailed() const { return failed; }

private:
    enum class Encoding { Undecided, Utf8, Windows1252 };

    void start();
    bool readLine(QString& line);
    bool refill();
    QString decode(QByteArrayView bytes);
    void parse(QString line, Record& record);
    void takeHeader(const Record& names);

    QIODevice* device = nullptr;
    QByteArray buffer;
    qsizetype position = 0;
    int lineNumber = 0;
    Encoding encoding = Encoding::Undecided;
    bool failed = false;

    QList<Column> columns;
    Dialect dialectFound;
    bool header = false;
    bool named = false;
    QStringList extras;
    QString errorText;
    QList<qsizetype> fieldOfColumn;
    qsizetype width = 0;
    Record first; // the first line when it is data
    bool firstPending = false;
};

} // namespace Csv
