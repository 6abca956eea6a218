// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>

// One command of a rotctld client's line, read as Hamlib's rotctld reads its input: a "+" asks
// for the extended answer, and so does a punctuation mark, which then stands between the lines of
// that answer (";p" is answered "get_pos:;Azimuth: 0.00;Elevation: 0.00;RPRT 0"); then a short
// command ("P") or a long one ("\set_pos"), then its arguments, separated by blanks. Commands
// follow one another in a line ("p;p", "|P 10 20|p"); "#" comments out the rest.
//
// Where rotctld reads on and acts on what it finds, a command here is refused whole: it takes its
// arguments from its own line only, an argument ends at ";" and "|" as well as at a blank, and a
// command with something else straight after it ("KINO", "P 10 20 30") is malformed.
class RotctldCommand {
public:
    enum class Kind {
        SetPosition,
        GetPosition,
        Stop,
        Park,
        Reset,
        Move,
        GetInfo,
        GetStatus,
        DumpCaps,
        DumpState,
        Quit,
        Malformed,  // unknown, arguments missing or something glued to it; answered "RPRT -1"
    };

    Kind kind = Kind::Malformed;
    QByteArrayList arguments;
    bool extended = false;
    char separator = '\n';  // between the lines of the answer

    // The long name, "set_pos"; empty for a malformed command.
    QByteArray name() const;
    // Whether the plain answer is values alone, without "RPRT 0" after them.
    bool answersWithValues() const;

    // The commands of a line, at most maxCommands of them; what follows is one malformed command.
    static QList<RotctldCommand> read(QByteArrayView line, int maxCommands);
};
