#include "core/ValveCatalogue.h"

#include "core/NumberText.h"

namespace
{

using Series = ValveCatalogue::Series;

// kv in m³/h at 1 bar. The values are the makers' published ones; check them
// against the current data sheet of the valve in use, as for the pipe series.
const QList<Series>& standard()
{
    static const QList<Series> series {
        // Thermostatic valve with presetting, kv at a 2 K proportional band:
        // Korado a.s., RADIK "Example of calculation: two-pipe heating
        // system", table "Valve with eight levels of setting and with a
        // thermostatic head" (korado.com, products/radik/general-information).
        { QStringLiteral("Thermostatventil mit Voreinstellung, 8 Stufen"), QStringLiteral("Thermostatventil 8 St."),
            { { QStringLiteral("1"), QStringLiteral("0,13") }, { QStringLiteral("2"), QStringLiteral("0,22") },
                { QStringLiteral("3"), QStringLiteral("0,31") }, { QStringLiteral("4"), QStringLiteral("0,38") },
                { QStringLiteral("5"), QStringLiteral("0,47") }, { QStringLiteral("6"), QStringLiteral("0,57") },
                { QStringLiteral("7"), QStringLiteral("0,66") }, { QStringLiteral("8"), QStringLiteral("0,75") } } },
        // Thermostatic valve insert with presetting 1 to 7 and N: Danfoss,
        // data sheet "Einbauventil mit integrierter Voreinstellung", type
        // RA-N 013G0360, DKCD VDVES303, 04/2011, table "Bestellung und Daten"
        // (kv at N to EN 215 at Xp = 2 K; at the smaller steps the sheet's
        // Xp falls to 0,5 K at step 1).
        { QStringLiteral("Thermostatventil-Einsatz, 8 Stufen (1 bis 7, N)"), QStringLiteral("Ventileinsatz 8 St."),
            { { QStringLiteral("1"), QStringLiteral("0,14") }, { QStringLiteral("2"), QStringLiteral("0,21") },
                { QStringLiteral("3"), QStringLiteral("0,26") }, { QStringLiteral("4"), QStringLiteral("0,32") },
                { QStringLiteral("5"), QStringLiteral("0,46") }, { QStringLiteral("6"), QStringLiteral("0,59") },
                { QStringLiteral("7"), QStringLiteral("0,73") }, { QStringLiteral("N"), QStringLiteral("0,87") } } },
        // Lockshield (return) valve with presetting, turns of the presetting
        // spindle open: IMI Heimeier, data sheet "Regulux", section
        // "Technische Daten" (kvs 1,31), as transcribed in a public valve
        // table; not yet checked against the maker's current sheet.
        { QStringLiteral("Rücklaufverschraubung mit Voreinstellung, 6 Stellungen"),
            QStringLiteral("Rücklauf 6 Stellungen"),
            { { QStringLiteral("0"), QStringLiteral("0,09") }, { QStringLiteral("0,5"), QStringLiteral("0,19") },
                { QStringLiteral("1"), QStringLiteral("0,30") }, { QStringLiteral("2"), QStringLiteral("0,65") },
                { QStringLiteral("3"), QStringLiteral("1,01") }, { QStringLiteral("4"), QStringLiteral("1,31") } } },
    };
    return series;
}

QList<double> values(const Series& series)
{
    QList<double> kv;
    for (const ValveCatalogue::Step& step : series.steps)
        kv.append(double(NumberText::read(step.kv).value_or(0)));
    return kv;
}

} // namespace

QList<Series> ValveCatalogue::standardSeries()
{
    return standard();
}

int ValveCatalogue::standardCount()
{
    return int(standard().size());
}

ValveCatalogue::ValveCatalogue()
{
    setUserSeries({});
}

void ValveCatalogue::setUserSeries(const QList<Series>& series)
{
    series_ = standard() + series.mid(0, MaxSeries - standardCount());
    while (series_.size() > standardCount() && series_.last().steps.isEmpty())
        series_.removeLast(); // no vacancy at the end
    kv_.clear();
    for (const Series& s : std::as_const(series_))
        kv_.append(values(s));
}

QList<Series> ValveCatalogue::userSeries() const
{
    return series_.mid(standardCount());
}

const Series& ValveCatalogue::series(int number) const
{
    static const Series none;
    return contains(number) ? series_[number - 1] : none;
}

const QList<double>& ValveCatalogue::kvValues(int number) const
{
    static const QList<double> none;
    return contains(number) ? kv_[number - 1] : none;
}
