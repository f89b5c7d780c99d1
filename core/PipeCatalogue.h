#pragma once

#include <QList>
#include <QString>

#include <array>

// The pipes the program can recommend, per material in ascending order of size.
// Designations and inner diameters are kept as text: the manual stepper shows
// them exactly as stored ("16,"). Each inner diameter is also read into a
// number once, when the catalogue is filled, for the calculation.
//
// Materials 1..6 are fixed. The series of 7..10 (name, caption and pipes)
// start as built in and may be replaced by the user's (PipeSeries).
class PipeCatalogue
{
public:
    static constexpr int MaterialCount = 10;
    static constexpr int SlotCount = 20;
    static constexpr int TextLength = 8;
    static constexpr int NameLength = 40;
    static constexpr int CaptionLength = 24; // fits a material button
    static constexpr int FirstEditable = 7;

    struct Pipe {
        QString designation;
        QString innerDiameter; // decimal comma, as shown
        bool operator==(const Pipe&) const = default;
    };
    // One material's entry as a whole: what the series editor and file handle.
    struct Series {
        QString name; // full name with its standard, for the result line
        QString caption; // short, for the material buttons
        QList<Pipe> pipes;
        bool operator==(const Series&) const = default;
    };

    // Writes the built-in contents of all ten materials.
    void fill();

    static bool editable(int m) { return m >= FirstEditable && m <= MaterialCount; }
    // The built-in series of a material (empty outside 1..10).
    static Series standardSeries(int m);
    Series series(int m) const;
    // Replaces an editable material's series; a list longer than 20 pipes is
    // cut. Checking it is the caller's business (PipeSeries::check).
    void setSeries(int m, const Series& series);

    // m in 1..10, i in 1..20. No input reaches an index outside these bounds;
    // should a caller slip, the lookup yields an empty text instead of reading
    // past the table.
    QString designation(int m, int i) const;
    QString innerDiameterText(int m, int i) const;
    QString materialName(int m) const;
    QString caption(int m) const; // "Kupferrohr", as the material buttons say it
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
        QString caption;
        std::array<Slot, SlotCount> slots;
    };
    std::array<Material, MaterialCount> materials_;

    void write(int m, const Series& series);
};
