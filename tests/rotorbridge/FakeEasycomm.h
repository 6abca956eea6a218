// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArrayList>
#include <QMutex>
#include <QString>

#include <atomic>
#include <thread>

// A stand-in Easycomm II rotator behind a pseudo-terminal, as it would sit on a serial line:
// "AZ EL" asks for the position ("AZ180.02 EL32.73" back), "AZ123.4 EL10.5" turns it there at
// once, everything else is only recorded. Its numbers have a decimal point, as the protocol
// says; a line it cannot read moves nothing. Angles in degrees.
class FakeEasycomm {
public:
    FakeEasycomm();
    ~FakeEasycomm();
    FakeEasycomm(const FakeEasycomm&) = delete;
    FakeEasycomm& operator=(const FakeEasycomm&) = delete;

    bool isOpen() const { return master_ >= 0; }
    // The serial device to give Hamlib: the terminal's slave side.
    QString device() const { return device_; }
    // Every line the rotator was sent, without its end.
    QByteArrayList received() const;

    std::atomic<double> azimuth {0};
    std::atomic<double> elevation {0};

private:
    void serve();
    void answer(const QByteArray& line);

    int master_ = -1;
    int slave_ = -1;  // held open, so the terminal stays while the rotor program reopens it
    QString device_;
    std::atomic<bool> stopping_ {false};
    mutable QMutex mutex_;  // guards received_
    QByteArrayList received_;
    std::thread thread_;
};
