// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// The DXCC entities of Karten/Rufzeichen.txt and the prefixes and exact calls that lead to them.
// A call finds its entity by an exact-call entry, else by the longest prefix it starts with.
class CallsignTable {
public:
    struct Entity {
        QString name;     // as the crosshair window shows it as the country
        QString prefix;   // the entity's main prefix
        double latitude;  // degrees north
        double longitude; // degrees east
        int dxcc = 0;     // the DXCC entity number; 0 where the list does not give it
        // The distance from the centre within which most of the entity's land lies, km; negative
        // where the list does not give it.
        double extentKm = -1;
    };

    static constexpr int maxCallLength = 20;  // characters; longer texts are no call

    CallsignTable() = default;
    // Lines "name;prefix;latitude;longitude;aliases[;dxcc[;extent]]" (aliases blank-separated, "="
    // before exact calls, then the DXCC entity number and the extent in km, empty where not known);
    // lines with fewer fields or unreadable coordinates are left out.
    static CallsignTable fromText(const QString& text);
    // The file in Windows-1252; a missing or unreadable file gives an empty table.
    static CallsignTable load(const QString& path);

    bool isEmpty() const { return entities_.empty(); }

    // The entity of a call or prefix ("VK2ABC", "EA8", "ea8/dl1abc"). Portable forms take the
    // entity of the part that is a prefix ("EA8/DL1ABC" and "DL1ABC/EA8": the Canary Islands);
    // operating marks ("/P", "/M", "/AM", "/QRP", a single call-area digit) are ignored.
    // Nothing for text that is no call or matches no prefix, and for a maritime mobile ("/MM"),
    // which is in no entity.
    std::optional<Entity> lookup(const QString& call) const;

private:
    std::optional<Entity> byPrefix(const QString& part) const;

    std::vector<Entity> entities_;
    QHash<QString, int> prefixes_;    // prefix -> index into entities_
    QHash<QString, int> exactCalls_;  // call -> index into entities_
    int longestPrefix_ = 0;           // characters
};
