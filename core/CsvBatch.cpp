#include "core/CsvBatch.h"

#include "core/NumberText.h"
#include "core/ResultText.h"
#include "core/TypedInputs.h"

#include <QByteArray>
#include <QIODevice>
#include <QStringList>

#include <algorithm>
#include <thread>
#include <vector>

namespace CsvBatch
{

namespace
{

    constexpr char16_t Separator = u';';
    constexpr int InputColumns = 4;
    constexpr qsizetype FlushSize = 64 * 1024;
    // Rows are read in batches of this many, whose results are computed on
    // all cores and written in order.
    constexpr qsizetype BatchRows = 4096;

    // Splits one line at semicolons; a field in double quotes may hold
    // semicolons and doubled quotes.
    QStringList split(const QString& line)
    {
        if (!line.contains(u'"')) return line.split(Separator);
        QStringList fields;
        QString field;
        bool quoted = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (quoted) {
                if (c == u'"') {
                    if (i + 1 < line.size() && line[i + 1] == u'"') {
                        field += c;
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    field += c;
                }
            } else if (c == u'"') {
                quoted = true;
            } else if (c == Separator) {
                fields.append(field);
                field.clear();
            } else {
                field += c;
            }
        }
        fields.append(field);
        return fields;
    }

    // Appends a field, in double quotes when it holds a separator, a quote
    // or a line break.
    void appendField(QString& row, const QString& field)
    {
        const bool plain = std::none_of(field.begin(), field.end(),
            [](QChar c) { return c == Separator || c == u'"' || c == u'\n' || c == u'\r'; });
        if (plain) {
            row += field;
        } else {
            QString escaped = field;
            escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            row += u'"' + escaped + u'"';
        }
    }

    QString outputRow(
        const QStringList& fields, const SettingsRecord& settings, const PipeCatalogue& catalogue, bool& computed)
    {
        TypedInputs::Fields input;
        const qsizetype n = fields.size();
        if (n > 0) input.heatOutput = fields[0];
        if (n > 1) input.temperatureDifference = fields[1];
        if (n > 2) input.material = fields[2];
        if (n > 3) input.innerDiameter = fields[3];
        bool surplus = false;
        for (qsizetype i = InputColumns; i < n; ++i)
            surplus = surplus || !fields[i].trimmed().isEmpty();

        const TypedInputs::Outcome outcome = TypedInputs::evaluate(input, settings, catalogue);
        QString reason = outcome.reason;
        if (surplus) reason = QStringLiteral("Zu viele Spalten (höchstens 4)");
        computed = reason.isEmpty();

        QString row;
        row.reserve(128);
        auto field = [&row](const QString& text, bool first = false) {
            if (!first) row += Separator;
            appendField(row, text);
        };
        field(outcome.shown.heatOutput, true);
        field(outcome.shown.temperatureDifference);
        field(input.material.trimmed());
        field(outcome.innerDiameter);
        if (computed) {
            const ResultText::Panels p = ResultText::panels(outcome.calc, settings, catalogue);
            for (const QString* text :
                { &p.designation, &p.innerDiameter, &p.pressureGradient, &p.volumeFlow, &p.massFlow, &p.velocity })
                field(*text);
            field(p.overloaded() ? ResultText::overloadWarning() : QString());
        } else {
            row += QStringLiteral(";;;;;;;");
            appendField(row, reason);
        }
        row += u'\n';
        return row;
    }

    // The first field of a line reads as a number the way an entry would take it.
    bool startsWithNumber(const QStringList& fields)
    {
        QString first = fields.value(0).trimmed();
        first.replace(u'.', u',');
        return NumberText::read(first).has_value();
    }

} // namespace

QString header()
{
    return QStringLiteral("Leistung_kW;Temperaturdifferenz_K;Material;Innen_mm;Bezeichnung;Innen-Nennweite_mm;"
                          "R_Pa/m;V_m³/h;m_kg/h;w_m/s;Hinweis\n");
}

Summary convert(QIODevice& in, QIODevice& out, const SettingsRecord& settings, const PipeCatalogue& catalogue)
{
    Summary summary;
    // Spreadsheet programs take UTF-8 without a byte-order mark for their
    // legacy code page.
    QByteArray buffer("\xEF\xBB\xBF");
    buffer += header().toUtf8();

    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    QList<QStringList> batch;
    batch.reserve(BatchRows);
    std::vector<QString> rows;
    std::vector<char> computed;

    // Every row stands alone: each thread takes every n-th.
    auto flushBatch = [&] {
        const std::size_t count = std::size_t(batch.size());
        rows.assign(count, QString());
        computed.assign(count, 0);
        auto work = [&](std::size_t first) {
            for (std::size_t i = first; i < count; i += threads) {
                bool ok = false;
                rows[i] = outputRow(batch[qsizetype(i)], settings, catalogue, ok);
                computed[i] = ok;
            }
        };
        {
            std::vector<std::jthread> helpers;
            for (unsigned t = 1; t < threads && t < count; ++t)
                helpers.emplace_back(work, t);
            work(0);
        }
        for (std::size_t i = 0; i < count; ++i) {
            buffer += rows[i].toUtf8();
            ++summary.rows;
            if (!computed[i]) ++summary.notComputed;
            if (buffer.size() >= FlushSize) {
                summary.writeError = summary.writeError || out.write(buffer) != buffer.size();
                buffer.clear();
            }
        }
        batch.clear();
    };

    bool firstLine = true;
    for (;;) {
        QByteArray bytes = in.readLine();
        if (bytes.isEmpty()) {
            summary.readError = !in.atEnd();
            break;
        }
        if (firstLine && bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        const QString line = QString::fromUtf8(bytes);
        if (line.trimmed().isEmpty()) continue;
        QStringList fields = split(line);
        if (firstLine) {
            firstLine = false;
            if (!startsWithNumber(fields)) continue;
        }
        batch.append(std::move(fields));
        if (batch.size() == BatchRows) flushBatch();
    }
    flushBatch();
    summary.writeError = summary.writeError || out.write(buffer) != buffer.size();
    return summary;
}

QStringList splitFields(const QString& line)
{
    return split(line);
}

void appendQuoted(QString& row, const QString& field)
{
    appendField(row, field);
}

} // namespace CsvBatch
