// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotctldSession.h"

#include "rotorbridge/HamlibTexts.h"
#include "rotorbridge/LenientNumber.h"
#include "rotorbridge/RotctldCommand.h"
#include "rotorbridge/RotorCommands.h"

#include <optional>

namespace {

using Kind = RotctldCommand::Kind;
using Direction = RotorCommands::Direction;

constexpr double fullTurn = 360;  // degrees

QByteArray degrees(double value, int decimals)
{
    return QByteArray::number(value, 'f', decimals);
}

// One line of values: "Azimuth: 85.00" in the extended answer, "85.00" in the plain one.
QByteArray field(const RotctldCommand& command, const char* label, const char* plainLabel, const QByteArray& value)
{
    return (command.extended ? label : plainLabel) + value + command.separator;
}

QByteArray field(const RotctldCommand& command, const char* label, const QByteArray& value)
{
    return field(command, label, "", value);
}

std::optional<int> whole(const QByteArray& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// A direction as rotctld takes it: a word, or Hamlib's code (ROT_MOVE_UP 2, DOWN 4, LEFT 8, RIGHT 16).
std::optional<Direction> direction(const QByteArray& text)
{
    static const std::pair<QByteArray, Direction> names[] = {
        {"LEFT", Direction::Left}, {"CCW", Direction::Left},  {"RIGHT", Direction::Right}, {"CW", Direction::Right},
        {"UP", Direction::Up},     {"DOWN", Direction::Down}, {"8", Direction::Left},      {"16", Direction::Right},
        {"2", Direction::Up},      {"4", Direction::Down}};
    for (const auto& [name, way] : names)
        if (text == name)
            return way;
    return std::nullopt;
}

// A speed as Hamlib takes it: 1 to 100, or -1 for the rotator's current speed.
bool isSpeed(const QByteArray& text)
{
    const std::optional<int> speed = whole(text);
    return speed && (*speed == -1 || (*speed >= 1 && *speed <= 100));
}

}  // namespace

RotctldSession::RotctldSession(RotorCommands& commands, int model, QString info, QString client)
    : commands_(commands), model_(model), info_(std::move(info)), client_(std::move(client))
{
}

RotctldSession::Reply RotctldSession::answer(const QByteArray& line)
{
    Reply reply;
    for (const RotctldCommand& command : RotctldCommand::read(line, maxCommands)) {
        if (command.kind == Kind::Quit) {
            reply.close = true;
            break;
        }
        reply.text += run(command);
    }
    return reply;
}

QByteArray RotctldSession::run(const RotctldCommand& command)
{
    if (command.kind == Kind::Malformed)
        return report(invalid);
    QByteArray text;
    if (command.extended) {
        text = command.name() + ':';
        for (const QByteArray& argument : command.arguments)
            text += ' ' + argument;
        text += command.separator;
    }
    QByteArray values;
    const int code = perform(command, values);
    if (code == 0)
        text += values;
    if (code != 0 || command.extended || !command.answersWithValues())
        text += report(code);
    return text;
}

int RotctldSession::perform(const RotctldCommand& command, QByteArray& values)
{
    switch (command.kind) {
    case Kind::GetPosition: {
        const auto position = commands_.position();
        if (!position)
            return ioError;
        values = field(command, "Azimuth: ", degrees(position->azimuth, 2)) +
            field(command, "Elevation: ", degrees(position->elevation, 2));
        return 0;
    }
    case Kind::SetPosition:
        return setPosition(command);
    case Kind::Stop:
        return commands_.stop(client_).isEmpty() ? 0 : ioError;
    case Kind::Park:
        return commands_.park(client_).isEmpty() ? 0 : notImplemented;
    case Kind::Move:
        return move(command);
    case Kind::Reset: {
        const std::optional<int> kind = whole(command.arguments[0]);
        if (!kind)
            return invalid;
        return commands_.reset(*kind, client_).isEmpty() ? 0 : ioError;
    }
    case Kind::GetInfo:
        values = field(command, "Info: ", info_.toUtf8());
        return 0;
    case Kind::GetStatus: {
        const HamlibRotator::Status status = commands_.status();
        values = field(command, "Status flags: ", HamlibTexts::status(status.flags));
        return status.code;
    }
    case Kind::DumpCaps:
        // Written as rotctld writes it: its own lines, whatever the separator.
        values = commands_.capabilities();
        return values.isEmpty() ? ioError : 0;
    case Kind::DumpState:
        values = dumpState(command);
        return 0;
    case Kind::Quit:
    case Kind::Malformed:
        break;
    }
    return invalid;
}

int RotctldSession::setPosition(const RotctldCommand& command)
{
    const auto azimuth = LenientNumber::read(QByteArrayView(command.arguments[0]));
    const auto elevation = LenientNumber::read(QByteArrayView(command.arguments[1]));
    const TravelRange& travel = commands_.travel();
    const HamlibRotator::Range elevations = commands_.elevationRange();
    if (!azimuth || !elevation || *azimuth < travel.minimum || *azimuth > travel.maximum ||
        *elevation < elevations.minimum || *elevation > elevations.maximum)
        return invalid;
    // A position beyond one turn names the wrap the client chose; within one turn it is a bearing,
    // which takes the path Corvane's settings choose.
    const bool wrap = *azimuth < 0 || *azimuth > fullTurn;
    const QString failure = wrap ? commands_.turnToAzimuth(*azimuth, *elevation, client_)
                                 : commands_.turnToBearing(*azimuth, *elevation, client_);
    return failure.isEmpty() ? 0 : ioError;
}

int RotctldSession::move(const RotctldCommand& command)
{
    const std::optional<Direction> way = direction(command.arguments[0]);
    // The speed is checked but not used: a move is a heading to the travel end, at the rotator's pace.
    if (!way || !isSpeed(command.arguments[1]))
        return invalid;
    return commands_.move(*way, client_).isEmpty() ? 0 : ioError;
}

QByteArray RotctldSession::dumpState(const RotctldCommand& command) const
{
    const TravelRange& travel = commands_.travel();
    const HamlibRotator::Range elevations = commands_.elevationRange();
    return field(command, "rotctld Protocol Ver: ", "1") + field(command, "Rotor Model: ", QByteArray::number(model_)) +
        field(command, "Minimum Azimuth: ", "min_az=", degrees(travel.minimum, 6)) +
        field(command, "Maximum Azimuth: ", "max_az=", degrees(travel.maximum, 6)) +
        field(command, "Minimum Elevation: ", "min_el=", degrees(elevations.minimum, 6)) +
        field(command, "Maximum Elevation: ", "max_el=", degrees(elevations.maximum, 6)) +
        field(command, "South Zero: ", "south_zero=", "0") + field(command, "rot_type=", "rot_type=", "AzEl") +
        field(command, "", "", "done");
}
