#pragma once

#include <QString>

#include <array>

// The pipes the program can recommend, per material in ascending order of size.
// Designations and inner diameters are kept as text: the manual stepper shows
// them exactly as stored ("16,"). Each inner diameter is also read into a
// number once, when the catalogue is filled, for the calculation.
class PipeCatalogue
{
public:
    static constexpr int MaterialCount = 10;
    static constexpr int SlotCount = 20;
    static constexpr int TextLength = 8;
    static constexpr int NameLength = 40;

    // Writes the built-in contents; materials 7..10 stay empty.
    void fill();

    // m in 1..10, i in 1..20. No input reaches an index outside these bounds;
    // should a caller slip, the lookup yields an empty text instead of reading
    // past the table.
    QString designation(int m, int i) const;
    QString innerDiameterText(int m, int i) const;
    QString materialName(int m) const;
    // The inner diameter in mm as its text reads ("16," reads 16); 0 for the
    // end of the list and outside the table.
    float innerDiameter(int m, int i) const
    {
        return validMaterial(m) && validSlot(i) ? materials_[m - 1].slots[i - 1].innerDiameterValue : 0;
    }

    // A slot whose inner-diameter text is empty ends the material's list (so
    // does an index outside the table).
    bool isEndOfList(int m, int i) const
    {
        return !validMaterial(m) || !validSlot(i) || materials_[m - 1].slots[i - 1].innerDiameter.isEmpty();
    }
    // Number of pipes before the end of the list.
    int pipeCount(int m) const;

    static bool validMaterial(int m) { return m >= 1 && m <= MaterialCount; }
    static bool validSlot(int i) { return i >= 1 && i <= SlotCount; }

private:
    struct Slot {
        QString designation;
        QString innerDiameter;
        float innerDiameterValue = 0;
    };
    struct Material {
        QString name;
        std::array<Slot, SlotCount> slots;
    };
    std::array<Material, MaterialCount> materials_;
};
