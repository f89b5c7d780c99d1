#pragma once

#include "core/Circuit.h"

// A section as the tests type it.
inline Circuit::Section section(const QString& name, const QString& kw, const QString& metres, const QString& zeta,
    int material, const QString& diameter = {}, const QString& predecessor = {})
{
    Circuit::Section s;
    s.name = name;
    s.predecessor = predecessor;
    s.heatOutput = kw;
    s.length = metres;
    s.zeta = zeta;
    s.material = material;
    s.innerDiameter = diameter;
    return s;
}
