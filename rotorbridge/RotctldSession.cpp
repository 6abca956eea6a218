// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotctldSession.h"

#include "rotorbridge/LenientNumber.h"
#include "rotorbridge/RotorCommands.h"

namespace {

// The short command each long name stands for.
char shortName(const QByteArray& name)
{
    static const QList<QPair<QByteArray, char>> names {{"get_pos", 'p'}, {"set_pos", 'P'},  {"stop", 'S'},
                                                       {"park", 'K'},    {"get_info", '_'}, {"dump_state", 'D'},
                                                       {"quit", 'q'}};
    for (const auto& [longName, letter] : names)
        if (name == longName)
            return letter;
    return 0;
}

QByteArray degrees(double value, int decimals)
{
    return QByteArray::number(value, 'f', decimals);
}

}  // namespace

RotctldSession::RotctldSession(RotorCommands& commands, int model, QString info, QString client)
    : commands_(commands), model_(model), info_(std::move(info)), client_(std::move(client))
{
}

RotctldSession::Reply RotctldSession::answer(const QByteArray& line)
{
    QByteArray text = line.trimmed();
    if (text.isEmpty())
        return {};
    const bool extended = text.startsWith('+');
    if (extended)
        text = text.mid(1).trimmed();
    QList<QByteArray> words = text.simplified().split(' ');
    char command = 0;
    if (words.first().startsWith('\\')) {
        command = shortName(words.first().mid(1));
    } else if (words.first().size() == 1) {
        command = words.first().at(0);
    }
    words.removeFirst();
    switch (command) {
    case 'p':
        return {position(extended)};
    case 'P':
        return {setPosition(words, extended)};
    case 'S':
        return {simple("stop", commands_.stop(client_), extended, ioError)};
    case 'K':
        return {simple("park", commands_.park(client_), extended, notImplemented)};
    case '_':
        return {extended ? "get_info:\nInfo: " + info_.toUtf8() + "\nRPRT 0\n" : info_.toUtf8() + '\n'};
    case 'D':
        return {dumpState(extended)};
    case 'q':
    case 'Q':
        return {QByteArray(), true};
    default:
        return {report(invalid)};
    }
}

QByteArray RotctldSession::position(bool extended) const
{
    const auto position = commands_.position();
    if (!position)
        return report(ioError);
    if (!extended)
        return degrees(position->azimuth, 2) + '\n' + degrees(position->elevation, 2) + '\n';
    return "get_pos:\nAzimuth: " + degrees(position->azimuth, 2) + "\nElevation: " + degrees(position->elevation, 2) +
        "\nRPRT 0\n";
}

QByteArray RotctldSession::setPosition(const QList<QByteArray>& arguments, bool extended)
{
    if (arguments.size() != 2)
        return report(invalid);
    const auto azimuth = LenientNumber::read(QByteArrayView(arguments[0]));
    const auto elevation = LenientNumber::read(QByteArrayView(arguments[1]));
    const TravelRange& travel = commands_.travel();
    const HamlibRotator::Range elevations = commands_.elevationRange();
    if (!azimuth || !elevation || *azimuth < travel.minimum || *azimuth > travel.maximum ||
        *elevation < elevations.minimum || *elevation > elevations.maximum)
        return report(invalid);
    const QString failure = commands_.turnToBearing(*azimuth, *elevation, client_);
    const QByteArray result = report(failure.isEmpty() ? 0 : ioError);
    return extended ? "set_pos: " + arguments[0] + ' ' + arguments[1] + '\n' + result : result;
}

QByteArray RotctldSession::simple(const char* name, const QString& failure, bool extended, int failureCode) const
{
    const QByteArray result = report(failure.isEmpty() ? 0 : failureCode);
    return extended ? QByteArray(name) + ":\n" + result : result;
}

QByteArray RotctldSession::dumpState(bool extended) const
{
    const TravelRange& travel = commands_.travel();
    const HamlibRotator::Range elevations = commands_.elevationRange();
    const QByteArray model = QByteArray::number(model_);
    if (!extended)
        return "1\n" + model + "\nmin_az=" + degrees(travel.minimum, 6) + "\nmax_az=" + degrees(travel.maximum, 6) +
            "\nmin_el=" + degrees(elevations.minimum, 6) + "\nmax_el=" + degrees(elevations.maximum, 6) +
            "\nsouth_zero=0\nrot_type=AzEl\ndone\n";
    return "dump_state:\nrotctld Protocol Ver: 1\nRotor Model: " + model +
        "\nMinimum Azimuth: " + degrees(travel.minimum, 6) + "\nMaximum Azimuth: " + degrees(travel.maximum, 6) +
        "\nMinimum Elevation: " + degrees(elevations.minimum, 6) +
        "\nMaximum Elevation: " + degrees(elevations.maximum, 6) + "\nSouth Zero: 0\nrot_type=AzEl\ndone\nRPRT 0\n";
}
