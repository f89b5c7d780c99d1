#include "core/PipeCatalogue.h"

#include "core/NumberText.h"

#include <initializer_list>

namespace
{

struct PipeRow {
    const char16_t* designation;
    const char16_t* innerDiameter;
};

struct MaterialRows {
    const char16_t* name;
    std::initializer_list<PipeRow> pipes;
};

const MaterialRows& rows(int m)
{
    static const MaterialRows table[] = {
        { u"Mittelschweres Gewinderohr DIN 2440",
            { { u"DN 10", u"12,5" }, { u"DN 15", u"16," }, { u"DN 20", u"21,6" }, { u"DN 25", u"27,2" },
                { u"DN 32", u"35,9" }, { u"DN 40", u"41,8" }, { u"DN 50", u"53" }, { u"DN 65", u"68,8" },
                { u"DN 80", u"80,8" }, { u"DN 100", u"105,3" }, { u"DN 125", u"130" }, { u"DN 150", u"155,4" } } },
        { u"Schweres Gewinderohr DIN 2441",
            { { u"DN 10", u"11,4" }, { u"DN 15", u"14,8" }, { u"DN 20", u"20,4" }, { u"DN 25", u"25,6" },
                { u"DN 32", u"34,3" }, { u"DN 40", u"40,2" }, { u"DN 50", u"51,3" }, { u"DN 65", u"67,1" },
                { u"DN 80", u"79,2" }, { u"DN 100", u"103,5" }, { u"DN 125", u"128,9" }, { u"DN 150", u"154,3" } } },
        { u"Nahtloses Stahlrohr DIN 2448",
            { { u"DN 32", u"32,8" }, { u"DN 40", u"43,1" }, { u"DN 50", u"54,5" }, { u"DN 65", u"70,3" },
                { u"DN 80", u"82,5" }, { u"DN 100", u"107,1" }, { u"DN 125", u"131,7" }, { u"DN 150", u"159,3" },
                { u"DN 200", u"206,5" }, { u"DN 250", u"260,4" }, { u"DN 300", u"309,7" }, { u"DN 400", u"388,8" } } },
        { u"Geschweißtes Stahlrohr DIN 2458",
            { { u"DN 32", u"33,4" }, { u"DN 40", u"43,7" }, { u"DN 50", u"55,7" }, { u"DN 65", u"70,9" },
                { u"DN 80", u"83,1" }, { u"DN 100", u"107,9" }, { u"DN 125", u"132,5" }, { u"DN 150", u"160,3" },
                { u"DN 200", u"210,1" }, { u"DN 250", u"263" }, { u"DN 300", u"312,7" }, { u"DN 400", u"393,8" } } },
        { u"Kupferrohr DIN 1786",
            { { u"8x1", u"6" }, { u"10x1", u"8" }, { u"12x1", u"10" }, { u"15x1", u"13" }, { u"18x1", u"16" },
                { u"22x1", u"20" }, { u"28x1,5", u"25" }, { u"35x1,5", u"32" }, { u"42x1,5", u"39" },
                { u"54x2", u"50" }, { u"76,1x2", u"72,1" }, { u"88,9x2", u"84,9" }, { u"108x2,5", u"103" } } },
        { u"Präzisionsstahlrohr DIN 2391-1",
            { { u"12x1,2", u"9,6" }, { u"15x1,2", u"12,6" }, { u"18x1,2", u"15,6" }, { u"22x1,5", u"19" },
                { u"28x1,5", u"25" }, { u"35x1,5", u"32" }, { u"42x1,5", u"39" }, { u"54x1,5", u"51" } } },
    };
    return table[m - 1];
}

constexpr int FilledMaterials = 6;

} // namespace

void PipeCatalogue::fill()
{
    for (auto& material : materials_)
        material = Material {};
    for (int m = 1; m <= FilledMaterials; ++m) {
        const MaterialRows& source = rows(m);
        Material& target = materials_[m - 1];
        target.name = QString::fromUtf16(source.name);
        int i = 0;
        for (const PipeRow& pipe : source.pipes) {
            target.slots[i].designation = QString::fromUtf16(pipe.designation);
            target.slots[i].innerDiameter = QString::fromUtf16(pipe.innerDiameter);
            target.slots[i].innerDiameterValue = float(NumberText::read(target.slots[i].innerDiameter).value_or(0));
            ++i;
        }
    }
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

int PipeCatalogue::pipeCount(int m) const
{
    int count = 0;
    while (count < SlotCount && !isEndOfList(m, count + 1))
        ++count;
    return count;
}
