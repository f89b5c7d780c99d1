#pragma once

#include <QList>
#include <QString>

// Valves with presetting: each series a name, a short name and its steps,
// each a label as printed on the valve and its kv (m³/h at 1 bar pressure
// drop; for thermostatic valves at a 2 K proportional band), ascending; the
// last step is the valve fully preset. The standard series (numbers 1 to
// StandardCount) are always there; the user's own follow them
// (ValveSeries file: "Fluvano-Ventile.csv"). A series keeps its number for
// good, since documents name valves by it: a series deleted or left out
// leaves its number vacant (an empty series in its place).
class ValveCatalogue
{
public:
    static constexpr int NameLength = 60;
    static constexpr int CaptionLength = 24;
    static constexpr int LabelLength = 8;
    static constexpr int MaxSteps = 30;
    static constexpr int MaxSeries = 99;

    struct Step {
        QString label; // "1", "N", "0,5"
        QString kv; // m³/h, decimal comma, as typed
        bool operator==(const Step&) const = default;
    };
    struct Series {
        QString name; // "Thermostatventil mit Voreinstellung, 8 Stufen"
        QString caption; // short, for the table's choice list
        QList<Step> steps;
        bool operator==(const Series&) const = default;
    };

    static QList<Series> standardSeries();
    static int standardCount();

    ValveCatalogue(); // the standard series
    // The user's series, numbered after the standard ones; an empty series
    // keeps its number vacant.
    void setUserSeries(const QList<Series>& series);
    QList<Series> userSeries() const;

    // The highest number in use.
    int count() const { return int(series_.size()); }
    // A series of that number with steps.
    bool contains(int number) const { return number >= 1 && number <= count() && !series_[number - 1].steps.isEmpty(); }
    // Series `number` (1-based); an empty one outside the catalogue.
    const Series& series(int number) const;
    // The kv of each step as a number, as the series lists them.
    const QList<double>& kvValues(int number) const;

    bool operator==(const ValveCatalogue& other) const { return series_ == other.series_; }

private:
    QList<Series> series_;
    QList<QList<double>> kv_;
};
