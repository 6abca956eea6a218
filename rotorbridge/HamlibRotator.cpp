#include "rotorbridge/HamlibRotator.h"

#include <QFile>

#include <hamlib/rotator.h>

#include <cmath>

namespace {

QString errorText(int code)
{
    return QString::fromLocal8Bit(rigerror2(code)).trimmed();
}

} // namespace

HamlibRotator::HamlibRotator()
{
    rig_set_debug(RIG_DEBUG_NONE);  // errors are reported by this program in its own words
}

HamlibRotator::~HamlibRotator()
{
    close();
}

bool HamlibRotator::modelKnown(int model)
{
    rig_set_debug(RIG_DEBUG_NONE);
    ROT* rot = rot_init(model);
    if (!rot)
        return false;
    rot_cleanup(rot);
    return true;
}

QString HamlibRotator::open(int model, const QString& device)
{
    close();
    rot_ = rot_init(model);
    if (!rot_)
        return QStringLiteral("Hamlib kennt kein Rotormodell %1").arg(model);
    if (!device.isEmpty()) {
        const int code = rot_set_conf(rot_, rot_token_lookup(rot_, "rot_pathname"), QFile::encodeName(device).constData());
        if (code != RIG_OK) {
            close();
            return QStringLiteral("Gerät '%1' nicht einstellbar: %2").arg(device, errorText(code));
        }
    }
    const int code = rot_open(rot_);
    if (code != RIG_OK) {
        rot_cleanup(rot_);
        rot_ = nullptr;
        return QStringLiteral("Rotor (Modell %1, Gerät '%2') lässt sich nicht öffnen: %3").arg(model).arg(device, errorText(code));
    }
    return QString();
}

void HamlibRotator::close()
{
    if (!rot_)
        return;
    rot_close(rot_);
    rot_cleanup(rot_);
    rot_ = nullptr;
}

std::optional<HamlibRotator::Position> HamlibRotator::position()
{
    azimuth_t azimuth = 0;
    elevation_t elevation = 0;
    if (!rot_ || rot_get_position(rot_, &azimuth, &elevation) != RIG_OK)
        return std::nullopt;
    // A remote rotator may answer with anything; a position that is no number counts as unread.
    if (!std::isfinite(azimuth) || !std::isfinite(elevation) || std::abs(azimuth) > 100000 || std::abs(elevation) > 100000)
        return std::nullopt;
    return Position{azimuth, elevation};
}

QString HamlibRotator::setPosition(double azimuth, double elevation)
{
    if (!rot_)
        return QStringLiteral("Rotor nicht geöffnet");
    const int code = rot_set_position(rot_, azimuth_t(azimuth), elevation_t(elevation));
    return code == RIG_OK ? QString() : errorText(code);
}

void HamlibRotator::stop()
{
    if (rot_)
        rot_stop(rot_);
}

double HamlibRotator::minAzimuth() const { return rot_ ? rot_->state.min_az : 0; }
double HamlibRotator::maxAzimuth() const { return rot_ ? rot_->state.max_az : 0; }
double HamlibRotator::minElevation() const { return rot_ ? rot_->state.min_el : 0; }
double HamlibRotator::maxElevation() const { return rot_ ? rot_->state.max_el : 0; }
