#include "core/PipeCatalogue.h"

#include "core/NumberText.h"

#include <algorithm>
#include <initializer_list>

namespace
{

struct PipeRow {
    const char16_t* designation;
    const char16_t* innerDiameter;
};

struct MaterialRows {
    const char16_t* name;
    const char16_t* caption;
    std::initializer_list<PipeRow> pipes;
};

const MaterialRows& rows(int m)
{
    static const MaterialRows table[] = {
        { u"Mittelschweres Gewinderohr DIN 2440", u"Mittelschw. Gewinderohr",
            { { u"DN 10", u"12,5" }, { u"DN 15", u"16," }, { u"DN 20", u"21,6" }, { u"DN 25", u"27,2" },
                { u"DN 32", u"35,9" }, { u"DN 40", u"41,8" }, { u"DN 50", u"53" }, { u"DN 65", u"68,8" },
                { u"DN 80", u"80,8" }, { u"DN 100", u"105,3" }, { u"DN 125", u"130" }, { u"DN 150", u"155,4" } } },
        { u"Schweres Gewinderohr DIN 2441", u"Schweres Gewinderohr",
            { { u"DN 10", u"11,4" }, { u"DN 15", u"14,8" }, { u"DN 20", u"20,4" }, { u"DN 25", u"25,6" },
                { u"DN 32", u"34,3" }, { u"DN 40", u"40,2" }, { u"DN 50", u"51,3" }, { u"DN 65", u"67,1" },
                { u"DN 80", u"79,2" }, { u"DN 100", u"103,5" }, { u"DN 125", u"128,9" }, { u"DN 150", u"154,3" } } },
        { u"Nahtloses Stahlrohr DIN 2448", u"Nahtloses Stahlrohr",
            { { u"DN 32", u"32,8" }, { u"DN 40", u"43,1" }, { u"DN 50", u"54,5" }, { u"DN 65", u"70,3" },
                { u"DN 80", u"82,5" }, { u"DN 100", u"107,1" }, { u"DN 125", u"131,7" }, { u"DN 150", u"159,3" },
                { u"DN 200", u"206,5" }, { u"DN 250", u"260,4" }, { u"DN 300", u"309,7" }, { u"DN 400", u"388,8" } } },
        { u"Geschweißtes Stahlrohr DIN 2458", u"Geschweißtes Stahlrohr",
            { { u"DN 32", u"33,4" }, { u"DN 40", u"43,7" }, { u"DN 50", u"55,7" }, { u"DN 65", u"70,9" },
                { u"DN 80", u"83,1" }, { u"DN 100", u"107,9" }, { u"DN 125", u"132,5" }, { u"DN 150", u"160,3" },
                { u"DN 200", u"210,1" }, { u"DN 250", u"263" }, { u"DN 300", u"312,7" }, { u"DN 400", u"393,8" } } },
        { u"Kupferrohr DIN 1786", u"Kupferrohr",
            { { u"8x1", u"6" }, { u"10x1", u"8" }, { u"12x1", u"10" }, { u"15x1", u"13" }, { u"18x1", u"16" },
                { u"22x1", u"20" }, { u"28x1,5", u"25" }, { u"35x1,5", u"32" }, { u"42x1,5", u"39" },
                { u"54x2", u"50" }, { u"76,1x2", u"72,1" }, { u"88,9x2", u"84,9" }, { u"108x2,5", u"103" } } },
        { u"Präzisionsstahlrohr DIN 2391-1", u"Präzisionsstahlrohr",
            { { u"12x1,2", u"9,6" }, { u"15x1,2", u"12,6" }, { u"18x1,2", u"15,6" }, { u"22x1,5", u"19" },
                { u"28x1,5", u"25" }, { u"35x1,5", u"32" }, { u"42x1,5", u"39" }, { u"54x1,5", u"51" } } },
        // 7..10: today's pipe systems, manufacturer-independent. Designation
        // outer diameter x wall, inner diameter = outer - 2 x wall.
        // Multilayer composite pipe PE-RT/Al/PE-RT (PE-X/Al/PE-X): the
        // dimensions common to the makers' systems to DIN EN ISO 21003
        // (multilayer piping systems for hot and cold water installations
        // inside buildings), which leaves the series to each maker. 14x2, the
        // radiator connection: HEWING GmbH, FAQ ("MT-Verbundrohre der
        // Dimensionen 14 x 2 mm bis 63 x 4,5 mm", hewing.com/faq).
        { u"Mehrschichtverbundrohr PE-RT/Al/PE-RT", u"Mehrschichtverbundrohr",
            { { u"14x2", u"10" }, { u"16x2", u"12" }, { u"20x2", u"16" }, { u"26x3", u"20" }, { u"32x3", u"26" },
                { u"40x3,5", u"33" }, { u"50x4", u"42" }, { u"63x4,5", u"54" }, { u"75x5", u"65" } } },
        // Stainless-steel press pipe: DIN EN 10312 (welded stainless steel
        // tubes for the conveyance of water), series 2 dimensions.
        { u"Edelstahl-Pressrohr DIN EN 10312", u"Edelstahl-Pressrohr",
            { { u"15x1", u"13" }, { u"18x1", u"16" }, { u"22x1,2", u"19,6" }, { u"28x1,2", u"25,6" },
                { u"35x1,5", u"32" }, { u"42x1,5", u"39" }, { u"54x1,5", u"51" }, { u"76,1x2", u"72,1" },
                { u"88,9x2", u"84,9" }, { u"108x2", u"104" } } },
        // Galvanised carbon-steel press pipe: DIN EN 10305-3 (welded cold
        // sized precision steel tubes), the press-system dimensions.
        { u"C-Stahl-Pressrohr verz. DIN EN 10305-3", u"C-Stahl-Pressrohr",
            { { u"12x1,2", u"9,6" }, { u"15x1,2", u"12,6" }, { u"18x1,2", u"15,6" }, { u"22x1,5", u"19" },
                { u"28x1,5", u"25" }, { u"35x1,5", u"32" }, { u"42x1,5", u"39" }, { u"54x1,5", u"51" },
                { u"76,1x2", u"72,1" }, { u"88,9x2", u"84,9" }, { u"108x2", u"104" } } },
        // PE-X pipe: DIN EN ISO 15875-2 (crosslinked polyethylene piping
        // systems for hot and cold water installations), heating dimensions.
        // The radiator connections 12x2 (HEWING GmbH, FAQ: "für den Bereich
        // Heizkörperanbindung: von 12 x 2 mm bis 20 x 2 mm", hewing.com/faq)
        // and 18x2 (KAN sp. z o.o., catalogue "System KAN-therm Push",
        // diameter 18 x 2,0).
        { u"PE-X-Rohr DIN EN ISO 15875", u"PE-X-Rohr",
            { { u"12x2", u"8" }, { u"14x2", u"10" }, { u"16x2", u"12" }, { u"17x2", u"13" }, { u"18x2", u"14" },
                { u"20x2", u"16" }, { u"25x2,3", u"20,4" }, { u"32x2,9", u"26,2" } } },
    };
    return table[m - 1];
}

} // namespace

PipeCatalogue::Series PipeCatalogue::standardSeries(int m)
{
    if (!validMaterial(m)) return {};
    const MaterialRows& source = rows(m);
    Series series { QString::fromUtf16(source.name), QString::fromUtf16(source.caption), {} };
    for (const PipeRow& pipe : source.pipes)
        series.pipes.append({ QString::fromUtf16(pipe.designation), QString::fromUtf16(pipe.innerDiameter) });
    return series;
}

void PipeCatalogue::fill()
{
    for (int m = 1; m <= MaterialCount; ++m)
        write(m, standardSeries(m));
}

void PipeCatalogue::write(int m, const Series& series)
{
    Material& target = materials_[m - 1];
    target = Material {};
    target.name = series.name;
    target.caption = series.caption;
    const int count = std::min<int>(int(series.pipes.size()), SlotCount);
    for (int i = 0; i < count; ++i) {
        Slot& slot = target.slots[i];
        slot.designation = series.pipes[i].designation;
        slot.innerDiameter = series.pipes[i].innerDiameter;
        slot.innerDiameterValue = float(NumberText::read(slot.innerDiameter).value_or(0));
    }
}

PipeCatalogue::Series PipeCatalogue::series(int m) const
{
    if (!validMaterial(m)) return {};
    const Material& source = materials_[m - 1];
    Series series { source.name, source.caption, {} };
    for (int i = 1; i <= pipeCount(m); ++i)
        series.pipes.append({ source.slots[i - 1].designation, source.slots[i - 1].innerDiameter });
    return series;
}

void PipeCatalogue::setSeries(int m, const Series& series)
{
    if (!editable(m)) return;
    write(m, series);
}

QString PipeCatalogue::designation(int m, int i) const
{
    if (!validMaterial(m) || !validSlot(i)) return {};
    return materials_[m - 1].slots[i - 1].designation;
}

QString PipeCatalogue::innerDiameterText(int m, int i) const
{
    if (!validMaterial(m) || !validSlot(i)) return {};
    return materials_[m - 1].slots[i - 1].innerDiameter;
}

QString PipeCatalogue::materialName(int m) const
{
    if (!validMaterial(m)) return {};
    return materials_[m - 1].name;
}

QString PipeCatalogue::caption(int m) const
{
    if (!validMaterial(m)) return {};
    return materials_[m - 1].caption;
}

int PipeCatalogue::pipeCount(int m) const
{
    int count = 0;
    while (count < SlotCount && !isEndOfList(m, count + 1))
        ++count;
    return count;
}
