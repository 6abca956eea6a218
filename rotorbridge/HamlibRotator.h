#pragma once

#include <QString>

#include <optional>

struct s_rot;

// One rotator driven through Hamlib: a local device, a rotctld over TCP or the dummy rotator.
// Angles in degrees.
class HamlibRotator {
public:
    HamlibRotator();
    ~HamlibRotator();
    HamlibRotator(const HamlibRotator&) = delete;
    HamlibRotator& operator=(const HamlibRotator&) = delete;

    static bool modelKnown(int model);

    // Opens the rotator of that Hamlib model at the device (serial port, "host:port" for the
    // network model; empty for the model's default). Returns an error text, empty on success.
    QString open(int model, const QString& device);

    struct Position {
        double azimuth;
        double elevation;
    };
    std::optional<Position> position();
    // Returns an error text, empty on success.
    QString setPosition(double azimuth, double elevation);
    void stop();

    double minAzimuth() const;
    double maxAzimuth() const;
    double minElevation() const;
    double maxElevation() const;

private:
    void close();

    s_rot* rot_ = nullptr;
};
