#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the rotor program drives: a Hamlib model and device and the travel ends it reports.
// Values not given on the command line come from those saved by --register, so that the program
// runs with the user's rotator when Corvane starts it without arguments.
struct BridgeOptions {
    static constexpr int dummyModel = 1;

    int model = dummyModel;
    QString device;                  // empty: the model's default
    std::optional<int> minAzimuth;   // left end of travel, degrees; Hamlib's when not set
    std::optional<int> maxAzimuth;   // right end of travel, degrees
    bool registerProgram = false;    // save these values and the program's path, then end

    // Nothing and an error text in *error for bad options; an empty error with nothing means
    // that the help was shown.
    static std::optional<BridgeOptions> parse(const QStringList& arguments, QString* error);
    // Writes the program's path (found by Corvane) and these values to the registry.
    bool save(const QString& programPath) const;
};
