#include "core/Csv.h"

#include <QIODevice>
#include <QRegularExpression>

#include <algorithm>

namespace Csv
{

namespace
{

    constexpr char16_t WrittenSeparator = u';';
    constexpr qint64 ChunkSize = 64 * 1024;

    // Windows-1252 0x80..0x9F; the five bytes it leaves undefined stand for
    // the control characters of the same number, as Windows decodes them.
    constexpr char16_t Windows1252High[32] = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
        0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
        0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

    QString fromWindows1252(QByteArrayView bytes)
    {
        QString text(bytes.size(), Qt::Uninitialized);
        char16_t* out = reinterpret_cast<char16_t*>(text.data());
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            *out++ = b >= 0x80 && b < 0xA0 ? Windows1252High[b - 0x80] : char16_t(b);
        }
        return text;
    }

    // Well-formed UTF-8: no overlong forms, surrogates or code points beyond
    // U+10FFFF, no sequence cut short.
    bool isUtf8(QByteArrayView bytes)
    {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
        const auto* const end = p + bytes.size();
        while (p < end) {
            const unsigned char b = *p;
            if (b < 0x80) {
                ++p;
                continue;
            }
            int more = 0;
            unsigned char low = 0x80, high = 0xBF; // the range of the second byte
            if (b >= 0xC2 && b <= 0xDF) {
                more = 1;
            } else if (b >= 0xE0 && b <= 0xEF) {
                more = 2;
                if (b == 0xE0) low = 0xA0;
                if (b == 0xED) high = 0x9F;
            } else if (b >= 0xF0 && b <= 0xF4) {
                more = 3;
                if (b == 0xF0) low = 0x90;
                if (b == 0xF4) high = 0x8F;
            } else {
                return false;
            }
            if (end - p <= more || p[1] < low || p[1] > high) return false;
            for (int i = 2; i <= more; ++i)
                if (p[i] < 0x80 || p[i] > 0xBF) return false;
            p += more + 1;
        }
        return true;
    }

    // Anything but blanks, separators and quotes.
    bool hasContent(QStringView line)
    {
        return std::any_of(
            line.begin(), line.end(), [](QChar c) { return !c.isSpace() && c != u';' && c != u',' && c != u'"'; });
    }

    // ';' if the line has one outside quotes, else tab, else ','; ';' when it
    // has none.
    Dialect dialectOf(QStringView line)
    {
        bool quoted = false, semicolon = false, tab = false, comma = false;
        for (const QChar c : line) {
            if (c == u'"') quoted = !quoted;
            if (quoted) continue;
            semicolon = semicolon || c == u';';
            tab = tab || c == u'\t';
            comma = comma || c == u',';
        }
        if (semicolon || !(tab || comma)) return { u';', false };
        if (tab) return { u'\t', false };
        return { u',', true };
    }

    // An optional sign, then digits with at most one ',' or '.' among them.
    bool isNumber(QStringView text)
    {
        qsizetype i = 0;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
        bool digit = false, point = false;
        for (; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c >= u'0' && c <= u'9') {
                digit = true;
            } else if ((c == u',' || c == u'.') && !point) {
                point = true;
            } else {
                return false;
            }
        }
        return digit;
    }

    // The form in which column names are compared.
    QString normalised(QStringView name)
    {
        const QString folded = name.trimmed().toString().toCaseFolded();
        QString result;
        result.reserve(folded.size() + 4);
        for (const QChar c : folded) {
            switch (c.unicode()) {
            case u'ä':
                result += u"ae";
                break;
            case u'ö':
                result += u"oe";
                break;
            case u'ü':
                result += u"ue";
                break;
            case u'ß':
                result += u"ss";
                break;
            default:
                result += c;
            }
        }
        return result;
    }

    QString quoted(const QString& text)
    {
        return u'„' + text + u'“';
    }

} // namespace

void appendField(QString& row, QStringView field)
{
    const bool plain = std::none_of(field.begin(), field.end(),
        [](QChar c) { return c == WrittenSeparator || c == u'"' || c == u'\n' || c == u'\r'; });
    if (plain) {
        row += field;
        return;
    }
    row += u'"';
    for (const QChar c : field) {
        if (c == u'"') row += u'"';
        row += c;
    }
    row += u'"';
}

QString number(QStringView field, const Dialect& dialect)
{
    if (!dialect.decimalPointOnly || !field.contains(u',')) return field.toString();
    static const QRegularExpression Grouped(QStringLiteral("^-?\\d{1,3}(,\\d{3})+(\\.\\d*)?$"));
    QString text = field.toString();
    if (Grouped.match(text).hasMatch()) text.remove(u',');
    return text;
}

QString row(const QStringList& fields)
{
    QString text;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i) text += WrittenSeparator;
        appendField(text, fields[i]);
    }
    return text;
}

QStringView Record::at(qsizetype index) const
{
    if (index < 0 || index >= spans.size()) return {};
    return QStringView(text).sliced(spans[index].start, spans[index].size);
}

QStringView Record::view(qsizetype column) const
{
    if (column < 0 || column >= fieldOfColumn.size()) return {};
    return at(fieldOfColumn[column]);
}

qsizetype Record::surplus() const
{
    qsizetype count = 0;
    for (qsizetype i = width; i < spans.size(); ++i)
        count += spans[i].size > 0;
    return count;
}

Reader::Reader(QIODevice& device, QList<Column> columns)
    : device(&device)
    , columns(std::move(columns))
{
    start();
}

Reader::Reader(const QByteArray& bytes, QList<Column> columns)
    : buffer(bytes)
    , columns(std::move(columns))
{
    if (!bytes.startsWith(Bom)) encoding = isUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
    start();
}

void Reader::start()
{
    QString line;
    bool found = false;
    while (!found && readLine(line))
        found = hasContent(line);
    if (found) {
        dialectFound = dialectOf(line);
        first.lineNumber = lineNumber;
        parse(std::move(line), first);
        header = true;
        for (qsizetype i = 0; i < first.size(); ++i)
            header = header && !isNumber(first.at(i));
    }
    if (header) {
        takeHeader(first);
        return;
    }
    // No header: the columns by position, and the first line is a record.
    firstPending = found;
    for (qsizetype c = 0; c < columns.size(); ++c)
        fieldOfColumn.append(c);
    width = columns.size();
    first.fieldOfColumn = fieldOfColumn;
    first.width = width;
}

void Reader::takeHeader(const Record& names)
{
    QStringList found;
    for (qsizetype i = 0; i < names.size(); ++i)
        found.append(normalised(names.at(i)));
    QList<bool> used(found.size(), false);
    QStringList missing;
    for (const Column& column : std::as_const(columns)) {
        qsizetype index = -1;
        const QString name = normalised(column.name);
        for (qsizetype i = 0; i < found.size() && index < 0; ++i)
            if (!used[i] && found[i] == name) index = i;
        if (index >= 0) used[index] = true;
        if (index < 0 && column.required) missing.append(quoted(column.name));
        fieldOfColumn.append(index);
    }

    named = used.contains(true);
    if (named) {
        width = names.size();
    } else {
        missing.clear();
        for (qsizetype c = 0; c < columns.size(); ++c) {
            fieldOfColumn[c] = c;
            if (c < used.size()) used[c] = true;
        }
        width = columns.size();
    }
    for (qsizetype i = 0; i < names.size(); ++i)
        if (!used[i] && !names.at(i).isEmpty()) extras.append(names.at(i).toString());

    if (missing.size() == 1) {
        errorText = QStringLiteral("Die Spalte %1 fehlt in der Kopfzeile.").arg(missing.first());
    } else if (missing.size() > 1) {
        const QString last = missing.takeLast();
        errorText = QStringLiteral("Die Spalten %1 und %2 fehlen in der Kopfzeile.")
                        .arg(missing.join(QStringLiteral(", ")), last);
    }
}

bool Reader::next(Record& record)
{
    if (!errorText.isEmpty()) return false;
    if (firstPending) {
        firstPending = false;
        record = std::move(first);
        return true;
    }
    QString line;
    while (readLine(line)) {
        record.lineNumber = lineNumber;
        parse(std::move(line), record);
        if (std::all_of(record.spans.begin(), record.spans.end(), [](Record::Span s) { return s.size == 0; })) continue;
        record.fieldOfColumn = fieldOfColumn;
        record.width = width;
        return true;
    }
    return false;
}

// Splits a line at the separator into trimmed fields. A field that starts
// with a quote (after blanks) runs to the matching quote, over line ends
// when need be; a quote elsewhere is text.
void Reader::parse(QString line, Record& record)
{
    record.spans.clear();
    const QChar separator = dialectFound.separator;
    auto addField = [&record](qsizetype start, qsizetype end) {
        const QStringView field = QStringView(record.text).sliced(start, end - start).trimmed();
        record.spans.append({ field.isEmpty() ? start : field.data() - record.text.constData(), field.size() });
    };

    if (!line.contains(u'"')) {
        record.text = std::move(line);
        qsizetype start = 0;
        for (;;) {
            const qsizetype end = record.text.indexOf(separator, start);
            addField(start, end < 0 ? record.text.size() : end);
            if (end < 0) return;
            start = end + 1;
        }
    }

    record.text.clear();
    record.text.reserve(line.size());
    qsizetype start = 0;
    bool inQuotes = false;
    bool blankSoFar = true; // only blanks since the field began
    for (;;) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (inQuotes) {
                if (c != u'"') {
                    record.text += c;
                } else if (i + 1 < line.size() && line[i + 1] == u'"') {
                    record.text += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else if (c == separator) {
                addField(start, record.text.size());
                start = record.text.size();
                blankSoFar = true;
            } else if (c == u'"' && blankSoFar) {
                record.text.truncate(start);
                inQuotes = true;
                blankSoFar = false;
            } else {
                record.text += c;
                blankSoFar = blankSoFar && c.isSpace();
            }
        }
        // A quoted field left open at the end of the input ends there.
        if (!inQuotes || !readLine(line)) break;
        record.text += u'\n';
    }
    addField(start, record.text.size());
}

bool Reader::readLine(QString& line)
{
    qsizetype end = buffer.indexOf('\n', position);
    while (end < 0 && refill())
        end = buffer.indexOf('\n', position);
    if (end < 0) {
        if (position >= buffer.size()) return false;
        end = buffer.size();
    }
    QByteArrayView bytes(buffer.constData() + position, end - position);
    position = std::min(end + 1, buffer.size());
    while (bytes.endsWith('\r'))
        bytes.chop(1);
    if (lineNumber == 0 && bytes.startsWith(Bom)) {
        bytes = bytes.sliced(3);
        encoding = Encoding::Utf8;
    }
    ++lineNumber;
    line = decode(bytes);
    return true;
}

bool Reader::refill()
{
    if (!device) return false;
    buffer.remove(0, position);
    position = 0;
    const QByteArray more = device->read(ChunkSize);
    if (more.isEmpty()) {
        failed = !device->atEnd();
        device = nullptr;
        return false;
    }
    buffer += more;
    return true;
}

QString Reader::decode(QByteArrayView bytes)
{
    if (encoding == Encoding::Undecided && !isUtf8(bytes)) encoding = Encoding::Windows1252;
    if (encoding == Encoding::Windows1252) return fromWindows1252(bytes);
    return QString::fromUtf8(bytes);
}

} // namespace Csv
