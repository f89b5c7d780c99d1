#pragma once

#include "core/Circuit.h"

// A network of 2,000 sections for the benchmarks: a binary tree from the heat
// generator, section i hanging from section (i - 1) / 2. The upper half are
// radiators with a heat output, their own loss and a thermostatic valve; the
// lower half carry the sum of their heat outputs.
inline QList<Circuit::Section> benchNetwork()
{
    QList<Circuit::Section> sections;
    for (int i = 0; i < Circuit::MaxSections; ++i) {
        Circuit::Section s;
        s.name = QStringLiteral("Teilstrecke %1").arg(i + 1);
        if (i > 0) s.predecessor = QString::number((i - 1) / 2 + 1);
        const bool consumer = 2 * i + 1 >= Circuit::MaxSections;
        if (consumer) {
            s.heatOutput = QString::number(0.5 + (i % 4) * 0.5);
            s.consumerLoss = QStringLiteral("1500");
            s.valve = QStringLiteral("1");
        }
        s.length = QString::number(2 + i % 20);
        s.zeta = QStringLiteral("2,5");
        s.material = consumer ? 5 : 1;
        sections.append(s);
    }
    return sections;
}
