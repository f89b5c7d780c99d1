#include "core/CsvBatch.h"

#include "core/Csv.h"
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

    constexpr qsizetype FlushSize = 64 * 1024;
    // Rows are read in batches of this many, whose results are computed on
    // all cores and written in order.
    constexpr qsizetype BatchRows = 4096;

    const QList<Csv::Column> InputColumns { { QStringLiteral("Leistung_kW"), true },
        { QStringLiteral("Temperaturdifferenz_K"), true }, { QStringLiteral("Material"), true },
        { QStringLiteral("Innen_mm") } };

    QString outputRow(const Csv::Record& record, const Csv::Dialect& dialect, const SettingsRecord& settings,
        const PipeCatalogue& catalogue, bool& computed)
    {
        TypedInputs::Fields input;
        input.heatOutput = Csv::number(record.view(0), dialect);
        input.temperatureDifference = Csv::number(record.view(1), dialect);
        input.material = record.field(2);
        input.innerDiameter = Csv::number(record.view(3), dialect);
        const bool surplus = record.surplus() > 0;

        const TypedInputs::Outcome outcome = TypedInputs::evaluate(input, settings, catalogue);
        QString reason = outcome.reason;
        if (surplus) reason = QStringLiteral("Zu viele Spalten (höchstens 4)");
        computed = reason.isEmpty();

        QString row;
        row.reserve(128);
        auto field = [&row](const QString& text, bool first = false) {
            if (!first) row += u';';
            Csv::appendField(row, text);
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
            Csv::appendField(row, reason);
        }
        row += u'\n';
        return row;
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
    // With a byte-order mark spreadsheet programs read the file as UTF-8;
    // without one they take it for their legacy code page.
    QByteArray buffer(Csv::Bom);
    buffer += header().toUtf8();

    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    Csv::Reader reader(in, InputColumns);
    QList<Csv::Record> batch;
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
                rows[i] = outputRow(batch[qsizetype(i)], reader.dialect(), settings, catalogue, ok);
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

    if (!reader.error().isEmpty()) {
        summary.columnsError = reader.error();
        return summary;
    }
    for (Csv::Record record; reader.next(record);) {
        batch.append(record);
        if (batch.size() == BatchRows) flushBatch();
    }
    summary.readError = reader.readFailed();
    flushBatch();
    summary.writeError = summary.writeError || out.write(buffer) != buffer.size();
    return summary;
}

} // namespace CsvBatch
