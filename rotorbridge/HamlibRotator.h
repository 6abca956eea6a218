// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct s_rot;

// One rotator driven through Hamlib: a local device, a rotctld over TCP or the dummy rotator.
// It can be closed and opened again, as a link to a rotctld that went away needs. Angles in
// degrees.
class HamlibRotator {
public:
    // Model, device ("host:port" for the network model, empty for the model's default) and Hamlib
    // configuration settings "KEY=VALUE" (serial speed, timeout and the like).
    struct Setup {
        int model = 1;
        QString device;
        QStringList conf;
    };
    struct Range {
        double minimum;
        double maximum;
    };
    struct Position {
        double azimuth;
        double elevation;
    };

    explicit HamlibRotator(Setup setup);
    ~HamlibRotator();
    HamlibRotator(const HamlibRotator&) = delete;
    HamlibRotator& operator=(const HamlibRotator&) = delete;

    // "Hersteller Modell" as Hamlib names the model; empty for a model Hamlib does not know.
    static QString modelName(int model);
    struct Model {
        int number;
        QString maker;
        QString name;
    };
    // Every rotator model Hamlib knows, by number.
    static std::vector<Model> models();

    // Checks the setup without opening the rotator: the model is known and takes the device and
    // every setting. Returns an error text, empty when the setup is usable.
    QString check();
    // Opens the rotator (closing it first when open). Returns an error text, empty on success.
    QString open();
    void close();
    bool isOpen() const { return open_; }

    std::optional<Position> position();
    // Returns Hamlib's reason when the rotator refuses the target, empty on success.
    QString setPosition(double azimuth, double elevation);
    // Returns Hamlib's reason when the rotator cannot be stopped, empty on success.
    QString stop();
    // The backend has a park of its own (the dummy, a rotctld behind, some controllers).
    bool canPark() const;
    // Returns Hamlib's reason when the rotator refuses to park, empty on success.
    QString park();
    // Resets the rotator's controller; kind: Hamlib's kind of reset (1: all). Returns Hamlib's
    // reason when the rotator refuses, empty on success.
    QString reset(int kind);

    struct Status {
        int code;        // 0, else Hamlib's error code (negative; -11 where the backend tells none)
        unsigned flags;  // Hamlib's ROT_STATUS_* flags
    };
    Status status();
    // The capabilities of the model as Hamlib's rotctld lists them (\dump_caps), with these
    // azimuths and elevations; empty when Hamlib does not know the model.
    QByteArray capabilities(Range azimuth, Range elevation);

    // The azimuths and elevations the rotator accepts: from the open rotator (a rotctld tells its
    // own), else from the model and settings. Nothing when neither says.
    std::optional<Range> azimuthRange();
    std::optional<Range> elevationRange();

private:
    // A new Hamlib handle with the setup applied; an error text in *error when that fails.
    s_rot* configured(QString* error) const;
    // What read gives of the open rotator's handle, else of a handle configured for it alone;
    // orElse when none can be made.
    template <typename Result, typename Read> Result fromHandle(Read read, Result orElse);
    std::optional<Range> rangeOf(bool azimuth);
    void release();

    Setup setup_;
    s_rot* rot_ = nullptr;
    bool open_ = false;
};
