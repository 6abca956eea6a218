#pragma once

#include <QString>

// One line of the city and island list.
struct CityRecord {
    static constexpr int maxNameLength = 50;  // characters kept of a name

    QString name;
    double latitude = 0.0;   // degrees north
    double longitude = 0.0;  // degrees east
};
