// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/HamlibTexts.h"

#include <hamlib/rotator.h>

namespace {

QByteArray nonNull(const char* text)
{
    return text ? QByteArray(text) : QByteArray();
}

// printf's %g.
QByteArray general(double value)
{
    return QByteArray::number(value, 'g', 6);
}

// The names of the settings in `settings` ("SPEED "), with their ranges where `ranges` is given:
// "SPEED(1..4/1) ". isFloat: whether a setting's values are floats.
QByteArray settingNames(setting_t settings, const char* (*name)(setting_t), const gran_t* ranges = nullptr,
                        bool (*isFloat)(setting_t) = nullptr)
{
    QByteArray names;
    for (int i = 0; i < RIG_SETTING_MAX; ++i) {
        const setting_t setting = setting_t(1) << i;
        const QByteArray known = (settings & setting) ? nonNull(name(setting)) : QByteArray();
        if (known.isEmpty())
            continue;
        names += known;
        if (ranges) {
            const gran_t& range = ranges[i];
            names += isFloat(setting)
                ? '(' + general(range.min.f) + ".." + general(range.max.f) + '/' + general(range.step.f) + ')'
                : '(' + QByteArray::number(range.min.i) + ".." + QByteArray::number(range.max.i) + '/' +
                    QByteArray::number(range.step.i) + ')';
        }
        names += ' ';
    }
    return names;
}

bool levelIsFloat(setting_t level)
{
    return ROT_LEVEL_IS_FLOAT(level);
}

bool parameterIsFloat(setting_t parameter)
{
    return ROT_PARM_IS_FLOAT(parameter);
}

QByteArray confType(rig_conf_e type)
{
    switch (type) {
    case RIG_CONF_STRING:
        return "STRING";
    case RIG_CONF_COMBO:
        return "COMBO";
    case RIG_CONF_NUMERIC:
        return "NUMERIC";
    case RIG_CONF_CHECKBUTTON:
        return "CHECKBUTTON";
    case RIG_CONF_BUTTON:
        return "BUTTON";
    case RIG_CONF_BINARY:
        return "BINARY";
    }
    return "UNKNOWN";
}

// One function, level or parameter of the backend's own, appended to the QByteArray at `into`.
int appendExtra(ROT*, const confparams* extra, rig_ptr_t into)
{
    QByteArray& list = *static_cast<QByteArray*>(into);
    list += '\t' + nonNull(extra->name) + "\n\t\tType: " + confType(extra->type) +
        "\n\t\tDefault: " + nonNull(extra->dflt) + "\n\t\tLabel: " + nonNull(extra->label) +
        "\n\t\tTooltip: " + nonNull(extra->tooltip) + '\n';
    if (extra->type == RIG_CONF_NUMERIC) {
        list += "\t\tRange: " + general(extra->u.n.min) + ".." + general(extra->u.n.max) + '/' +
            general(extra->u.n.step) + '\n';
    } else if (extra->type == RIG_CONF_COMBO) {
        list += "\t\tValues:";
        for (int i = 0; i < RIG_COMBO_MAX && extra->u.c.combostr[i]; ++i)
            list += ' ' + QByteArray::number(i) + "=\"" + extra->u.c.combostr[i] + '"';
        list += '\n';
    }
    return 1;  // go on
}

QByteArray extras(ROT* rot, int (*forEach)(ROT*, int (*)(ROT*, const confparams*, rig_ptr_t), rig_ptr_t))
{
    QByteArray list;
    forEach(rot, appendExtra, &list);
    return list;
}

QByteArray rotatorType(int type, int& warnings)
{
    switch (type & ROT_TYPE_MASK) {
    case ROT_TYPE_OTHER:
        return "Other";
    case ROT_TYPE_AZIMUTH:
        return "Azimuth";
    case ROT_TYPE_ELEVATION:
        return "Elevation";
    case ROT_TYPE_AZEL:
        return "Az-El";
    }
    ++warnings;
    return "Unknown";
}

QByteArray portType(const rot_caps& caps, int& warnings)
{
    switch (caps.port_type) {
    case RIG_PORT_SERIAL: {
        const char parity = "NOEMS"[qBound(0, int(caps.serial_parity), 4)];
        const char* handshake = caps.serial_handshake == RIG_HANDSHAKE_NONE ? ""
            : caps.serial_handshake == RIG_HANDSHAKE_XONXOFF                ? " XONXOFF"
                                                                            : " CTS/RTS";
        return "RS-232\nSerial speed:\t\t" + QByteArray::number(caps.serial_rate_min) + ".." +
            QByteArray::number(caps.serial_rate_max) + " bauds, " + QByteArray::number(caps.serial_data_bits) + parity +
            QByteArray::number(caps.serial_stop_bits) + handshake;
    }
    case RIG_PORT_PARALLEL:
        return "Parallel";
    case RIG_PORT_DEVICE:
        return "Device driver";
    case RIG_PORT_USB:
        return "USB";
    case RIG_PORT_NETWORK:
        return "Network link";
    case RIG_PORT_UDP_NETWORK:
        return "UDP Network link";
    case RIG_PORT_NONE:
        return "None";
    default:
        ++warnings;
        return "Unknown";
    }
}

}  // namespace

QByteArray HamlibTexts::status(unsigned flags)
{
    QByteArray names;
    for (int i = 0; i < 32; ++i) {
        const QByteArray name = (flags & (1u << i)) ? nonNull(rot_strstatus(rot_status_t(1u << i))) : QByteArray();
        if (!name.isEmpty())
            names += name + ' ';
    }
    return names;
}

QByteArray HamlibTexts::capabilities(s_rot* rot, HamlibRotator::Range azimuth, HamlibRotator::Range elevation)
{
    const rot_caps& caps = *rot->caps;
    const auto number = [](int value) { return QByteArray::number(value); };
    const auto degrees = [](double value) { return QByteArray::number(value, 'f', 2); };
    int warnings = 0;
    QByteArray text = "Caps dump for model:\t" + number(int(caps.rot_model)) + '\n';
    text += "Model name:\t\t" + nonNull(caps.model_name) + '\n';
    text += "Mfg name:\t\t" + nonNull(caps.mfg_name) + '\n';
    text += "Backend version:\t" + nonNull(caps.version) + '\n';
    text += "Backend copyright:\t" + nonNull(caps.copyright) + '\n';
    text += "Backend status:\t\t" + nonNull(rig_strstatus(caps.status)) + '\n';
    text += "Rot type:\t\t" + rotatorType(caps.rot_type, warnings) + '\n';
    text += "Port type:\t\t" + portType(caps, warnings) + '\n';
    text += "Write delay:\t\t" + number(caps.write_delay) + "mS, timeout " + number(caps.timeout) + "mS, " +
        number(caps.retry) + (caps.retry == 1 ? " retry\n" : " retries\n");
    text += "Post Write delay:\t" + number(caps.post_write_delay) + "mS\n";
    text += "Status flags: " + (rot->state.has_status ? status(rot->state.has_status) : QByteArray("None\n")) + '\n';
    text += "Get functions: " + settingNames(caps.has_get_func, rot_strfunc) + '\n';
    text += "Set functions: " + settingNames(caps.has_set_func, rot_strfunc) + '\n';
    text += "Extra functions:\n" + extras(rot, rot_ext_func_foreach);
    text += "Get level: " + settingNames(caps.has_get_level, rot_strlevel, caps.level_gran, levelIsFloat) + '\n';
    text += "Set level: " + settingNames(caps.has_set_level, rot_strlevel, caps.level_gran, levelIsFloat) + '\n';
    text += "Extra levels:\n" + extras(rot, rot_ext_level_foreach);
    text += "Get parameters: " + settingNames(caps.has_get_parm, rot_strparm, caps.parm_gran, parameterIsFloat) + '\n';
    text += "Set parameters: " + settingNames(caps.has_set_parm, rot_strparm, caps.parm_gran, parameterIsFloat) + '\n';
    text += "Extra parameters:\n" + extras(rot, rot_ext_parm_foreach);
    text += "Min Azimuth:\t\t" + degrees(azimuth.minimum) + '\n';
    text += "Max Azimuth:\t\t" + degrees(azimuth.maximum) + '\n';
    text += "Min Elevation:\t\t" + degrees(elevation.minimum) + '\n';
    text += "Max Elevation:\t\t" + degrees(elevation.maximum) + '\n';
    const std::pair<const char*, bool> abilities[] = {
        {"Has priv data:\t\t", caps.priv != nullptr},
        {"Has Init:\t\t", caps.rot_init != nullptr},
        {"Has Cleanup:\t\t", caps.rot_cleanup != nullptr},
        {"Has Open:\t\t", caps.rot_open != nullptr},
        {"Has Close:\t\t", caps.rot_close != nullptr},
        {"Can set Conf:\t\t", caps.set_conf != nullptr},
        {"Can get Conf:\t\t", caps.get_conf != nullptr},
        {"Can set Position:\t", caps.set_position != nullptr},
        {"Can get Position:\t", caps.get_position != nullptr},
        {"Can Stop:\t\t", caps.stop != nullptr},
        {"Can Park:\t\t", caps.park != nullptr},
        {"Can Reset:\t\t", caps.reset != nullptr},
        {"Can Move:\t\t", caps.move != nullptr},
        {"Can get Info:\t\t", caps.get_info != nullptr},
        {"Can get Status:\t\t", caps.get_status != nullptr},
        {"Can set Func:\t", caps.set_func != nullptr},
        {"Can get Func:\t", caps.get_func != nullptr},
        {"Can set Level:\t", caps.set_level != nullptr},
        {"Can get Level:\t", caps.get_level != nullptr},
        {"Can set Param:\t", caps.set_parm != nullptr},
        {"Can get Param:\t", caps.get_parm != nullptr},
    };
    for (const auto& [label, has] : abilities)
        text += label + QByteArray(has ? "Y\n" : "N\n");
    return text + "\nOverall backend warnings: " + number(warnings) + '\n';
}
