#pragma once

#include "core/CalcState.h"
#include "core/PipeCatalogue.h"
#include "core/SettingsRecord.h"

#include <QString>

// What stopped a calculation. A step whose result would be infinite or not a
// number stops it as the floating-point unit would have trapped it.
enum class ArithmeticFault { None, DivisionByZero, InvalidOperation, Overflow };

// The German message that names the fault.
QString arithmeticFaultMessage(ArithmeticFault fault);

namespace Calculation
{

// Mass and volume flow, then either the manual diameter or the walk over the
// material's pipes up to the first one with R < Rmax and w < wmax (the last
// pipe of the list when none qualifies). Stops at the first faulty step;
// everything stored before it stays in the state.
// The caller guarantees Q ≠ 0, ΔT ≠ 0 and, in manual mode, a diameter ≠ 0.
ArithmeticFault Berechnen(CalcState& state, const SettingsRecord& settings, const PipeCatalogue& catalogue);

// Colebrook–White friction factor for the state's d and w: stores Re and
// returns the λ of ten fixed-point iterations. The iterations stop early once
// one returns the λ it started from, as all further ones would too.
ArithmeticFault LAMBDA(CalcState& state, const SettingsRecord& settings, float& lambda);

// How many times Berechnen has run in this process (lets tests count the
// calculations behind one user action).
unsigned long long runCount();

} // namespace Calculation
