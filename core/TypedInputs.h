#pragma once

#include "core/CalcState.h"
#include "core/PipeCatalogue.h"
#include "core/ResultText.h"
#include "core/SettingsRecord.h"

#include <QString>

// Inputs given as text outside the main window (command line, CSV rows),
// checked by the main window's rules and calculated.
namespace TypedInputs
{

struct Fields {
    QString heatOutput; // kW
    QString temperatureDifference; // K
    QString material; // 1..InputRules::Materials
    QString innerDiameter; // mm; empty: the recommended pipe
};

struct Outcome {
    // The number fields as typing them would have left them ("." becomes ",").
    ResultText::Inputs shown;
    QString innerDiameter;
    CalcState calc; // computed when reason is empty
    QString reason; // why nothing was computed
    bool computed() const { return reason.isEmpty(); }
};

// One number field as the entry would hold it ("." becomes ",") and read as
// a number; an empty field reads 0. Not ok when typing could not have
// entered the text or it does not read as a number.
struct Number {
    QString text;
    long double value = 0;
    bool ok = true;
};
Number number(const QString& field);

// The rules of core/InputRules.h: surrounding blanks are ignored; "."
// counts as a decimal comma; a text the key filter would not let through, or
// that does not read as a number, is "Fehlerhafte Eingabe!"; an empty or zero heat output or
// temperature difference, a zero diameter and a heat output above
// 100000 kW are not calculated. A chosen diameter that is a catalogue pipe
// of the material shows that pipe's designation, any other none.
Outcome evaluate(const Fields& fields, const SettingsRecord& settings, const PipeCatalogue& catalogue);

} // namespace TypedInputs
