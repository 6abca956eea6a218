// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/HamlibRotator.h"

#include "rotorbridge/HamlibTexts.h"

#include <QCoreApplication>
#include <QFile>

#include <hamlib/rotator.h>

#include <algorithm>
#include <cmath>

namespace {

// What every call on a rotator that is not open answers.
QString notOpen()
{
    return QCoreApplication::translate("HamlibRotator", "Rotor nicht geöffnet");
}

QString errorText(int code)
{
    return QString::fromLocal8Bit(rigerror2(code)).trimmed();
}

// A range only when it is one: Hamlib leaves both ends 0 where a model does not say.
std::optional<HamlibRotator::Range> range(double minimum, double maximum)
{
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || minimum >= maximum)
        return std::nullopt;
    return HamlibRotator::Range{minimum, maximum};
}

} // namespace

HamlibRotator::HamlibRotator(Setup setup)
    : setup_(std::move(setup))
{
    rig_set_debug(RIG_DEBUG_NONE);  // errors are reported by this program in its own words
}

HamlibRotator::~HamlibRotator()
{
    release();
}

QString HamlibRotator::modelName(int model)
{
    rig_set_debug(RIG_DEBUG_NONE);
    // rot_init loads the model's backend; the capabilities alone would not.
    ROT* rot = rot_init(model);
    if (!rot)
        return QString();
    const QString name = QStringLiteral("%1 %2").arg(QString::fromLatin1(rot->caps->mfg_name), QString::fromLatin1(rot->caps->model_name));
    rot_cleanup(rot);
    return name;
}

std::vector<HamlibRotator::Model> HamlibRotator::models()
{
    rig_set_debug(RIG_DEBUG_NONE);
    rot_load_all_backends();
    std::vector<Model> found;
    rot_list_foreach(
        [](const rot_caps* caps, rig_ptr_t data) {
            static_cast<std::vector<Model>*>(data)->push_back(
                {int(caps->rot_model), QString::fromLatin1(caps->mfg_name), QString::fromLatin1(caps->model_name)});
            return 1;  // go on
        },
        &found);
    std::sort(found.begin(), found.end(), [](const Model& a, const Model& b) { return a.number < b.number; });
    return found;
}

s_rot* HamlibRotator::configured(QString* error) const
{
    ROT* rot = rot_init(setup_.model);
    if (!rot) {
        *error = QCoreApplication::translate("HamlibRotator", "Hamlib kennt kein Rotormodell %1").arg(setup_.model);
        return nullptr;
    }
    const auto set = [&](const char* name, const QByteArray& value, const QString& shown) {
        const token_t token = rot_token_lookup(rot, name);
        const int code = token == RIG_CONF_END ? -RIG_EINVAL : rot_set_conf(rot, token, value.constData());
        if (code != RIG_OK)
            *error = QCoreApplication::translate("HamlibRotator", "Einstellung '%1' nicht möglich: %2")
                         .arg(shown, errorText(code));
        return code == RIG_OK;
    };
    bool ok = setup_.device.isEmpty() ||
        set("rot_pathname", QFile::encodeName(setup_.device),
            QCoreApplication::translate("HamlibRotator", "Gerät %1").arg(setup_.device));
    for (int i = 0; ok && i < setup_.conf.size(); ++i) {
        const QString& setting = setup_.conf[i];
        const int equals = setting.indexOf(u'=');
        ok = equals > 0 && set(setting.left(equals).toUtf8().constData(), setting.mid(equals + 1).toUtf8(), setting);
        if (equals <= 0)
            *error = QCoreApplication::translate("HamlibRotator", "Einstellung '%1' hat nicht die Form NAME=WERT")
                         .arg(setting);
    }
    if (!ok) {
        rot_cleanup(rot);
        return nullptr;
    }
    return rot;
}

QString HamlibRotator::check()
{
    QString error;
    if (ROT* rot = configured(&error))
        rot_cleanup(rot);
    return error;
}

QString HamlibRotator::open()
{
    release();
    QString error;
    rot_ = configured(&error);
    if (!rot_)
        return error;
    const int code = rot_open(rot_);
    if (code != RIG_OK) {
        release();
        return QCoreApplication::translate("HamlibRotator", "Rotor (Modell %1, Gerät '%2') lässt sich nicht öffnen: %3")
            .arg(setup_.model)
            .arg(setup_.device, errorText(code));
    }
    open_ = true;
    return QString();
}

void HamlibRotator::close()
{
    release();
}

void HamlibRotator::release()
{
    if (!rot_)
        return;
    if (open_)
        rot_close(rot_);
    rot_cleanup(rot_);
    rot_ = nullptr;
    open_ = false;
}

std::optional<HamlibRotator::Position> HamlibRotator::position()
{
    azimuth_t azimuth = 0;
    elevation_t elevation = 0;
    if (!open_ || rot_get_position(rot_, &azimuth, &elevation) != RIG_OK)
        return std::nullopt;
    // A remote rotator may answer with anything; a position that is no number counts as unread.
    if (!std::isfinite(azimuth) || !std::isfinite(elevation) || std::abs(azimuth) > 100000 || std::abs(elevation) > 100000)
        return std::nullopt;
    return Position{azimuth, elevation};
}

QString HamlibRotator::setPosition(double azimuth, double elevation)
{
    if (!open_)
        return notOpen();
    const int code = rot_set_position(rot_, azimuth_t(azimuth), elevation_t(elevation));
    return code == RIG_OK ? QString() : errorText(code);
}

QString HamlibRotator::stop()
{
    if (!open_)
        return notOpen();
    const int code = rot_stop(rot_);
    return code == RIG_OK ? QString() : errorText(code);
}

bool HamlibRotator::canPark() const
{
    return open_ && rot_->caps->park;
}

QString HamlibRotator::park()
{
    if (!open_)
        return notOpen();
    const int code = rot_park(rot_);
    return code == RIG_OK ? QString() : errorText(code);
}

QString HamlibRotator::reset(int kind)
{
    if (!open_)
        return notOpen();
    const int code = rot_reset(rot_, rot_reset_t(kind));
    return code == RIG_OK ? QString() : errorText(code);
}

HamlibRotator::Status HamlibRotator::status()
{
    if (!open_)
        return {-RIG_EIO, 0};
    rot_status_t flags = ROT_STATUS_NONE;
    const int code = rot_get_status(rot_, &flags);
    return {code, code == RIG_OK ? unsigned(flags) : 0};
}

std::optional<HamlibRotator::Range> HamlibRotator::azimuthRange()
{
    return rangeOf(true);
}

std::optional<HamlibRotator::Range> HamlibRotator::elevationRange()
{
    return rangeOf(false);
}

template <typename Result, typename Read> Result HamlibRotator::fromHandle(Read read, Result orElse)
{
    QString error;
    ROT* rot = open_ ? rot_ : configured(&error);
    if (!rot)
        return orElse;
    Result result = read(rot);
    if (rot != rot_)
        rot_cleanup(rot);
    return result;
}

std::optional<HamlibRotator::Range> HamlibRotator::rangeOf(bool azimuth)
{
    return fromHandle(
        [azimuth](ROT* rot) {
            return azimuth ? range(rot->state.min_az, rot->state.max_az) : range(rot->state.min_el, rot->state.max_el);
        },
        std::optional<Range>());
}

QByteArray HamlibRotator::capabilities(Range azimuth, Range elevation)
{
    return fromHandle([&](ROT* rot) { return HamlibTexts::capabilities(rot, azimuth, elevation); }, QByteArray());
}
