// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QString>

class RotctldCommand;
class RotorCommands;

// One client of the rotctld-compatible server: reads its command lines as Hamlib's rotctld does
// (RotctldCommand) and answers in rotctld's words. Short commands ("p", "P 85 10", "S", "K", "M 8
// 50", "R 1", "s", "_", "1", "q") and long ones ("\get_pos", "\set_pos 85 10", "\stop", "\park",
// "\move CCW 50", "\reset 1", "\get_status", "\get_info", "\dump_caps", "\dump_state", "\quit");
// a leading "+" or punctuation mark asks for the extended answer ("get_pos:" … "RPRT 0"). Errors
// are "RPRT n" with Hamlib's codes: -1 for a malformed command or a position outside the range
// \dump_state gives.
class RotctldSession {
public:
    // Hamlib's error codes as rotctld sends them.
    static constexpr int invalid = -1;         // RIG_EINVAL
    static constexpr int notImplemented = -4;  // RIG_ENIMPL
    static constexpr int ioError = -6;         // RIG_EIO
    static constexpr int maxCommands = 32;     // commands of one line; one "RPRT -1" for the rest

    struct Reply {
        QByteArray text;
        bool close = false;  // the client said goodbye
    };

    // model: the Hamlib model behind, reported in \dump_state; info: the answer to get_info;
    // client: the name for the log ("rotctld 127.0.0.1:50312").
    RotctldSession(RotorCommands& commands, int model, QString info, QString client);

    Reply answer(const QByteArray& line);
    static QByteArray report(int code) { return "RPRT " + QByteArray::number(code) + '\n'; }

private:
    // The whole answer to one command.
    QByteArray run(const RotctldCommand& command);
    // Carries a command out; its values go to `values`. Returns Hamlib's code, 0 for done.
    int perform(const RotctldCommand& command, QByteArray& values);
    int setPosition(const RotctldCommand& command);
    int move(const RotctldCommand& command);
    QByteArray dumpState(const RotctldCommand& command) const;

    RotorCommands& commands_;
    int model_;
    QString info_;
    QString client_;
};
