#include "sizing/CsvBatch.h"

#include "sizing/NumberText.h"
#include "sizing/ResultText.h"
#include "sizing/TypedInputs.h"

#include <QByteArray>
#include <QIODevice>
#include <QStringList>

namespace CsvBatch
{

namespace
{

    constexpr char16_t Separator = u';';
    constexpr int InputColumns = 4;
    constexpr qsizetype FlushSize = 64 * 1024;

    // Splits one line at semicolons; a field in double quotes may hold
    // semicolons and doubled quotes.
    QStringList split(QStringView line)
    {
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

    void appendField(QString& row, const QString& field)
    {
        if (field.contains(Separator) || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r')) {
            QString escaped = field;
            escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            row += u'"' + escaped + u'"';
        } else {
            row += field;
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

        QStringList out { outcome.shown.heatOutput, outcome.shown.temperatureDifference, input.material.trimmed(),
            outcome.innerDiameter };
        if (computed) {
            const ResultText::Panels p = ResultText::panels(outcome.calc, settings, catalogue);
            out << p.designation << p.innerDiameter << p.pressureGradient << p.volumeFlow << p.massFlow << p.velocity
                << (p.overloaded() ? ResultText::overloadWarning() : QString());
        } else {
            out << QString() << QString() << QString() << QString() << QString() << QString() << reason;
        }
        QString row;
        for (qsizetype i = 0; i < out.size(); ++i) {
            if (i > 0) row += Separator;
            appendField(row, out[i]);
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
        const QStringList fields = split(line);
        if (firstLine) {
            firstLine = false;
            if (!startsWithNumber(fields)) continue;
        }

        bool computed = false;
        buffer += outputRow(fields, settings, catalogue, computed).toUtf8();
        ++summary.rows;
        if (!computed) ++summary.notComputed;
        if (buffer.size() >= FlushSize) {
            out.write(buffer);
            buffer.clear();
        }
    }
    out.write(buffer);
    return summary;
}

} // namespace CsvBatch
