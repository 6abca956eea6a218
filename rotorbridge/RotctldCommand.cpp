// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/RotctldCommand.h"

#include <optional>

namespace {

using Kind = RotctldCommand::Kind;

// A command as rotctld knows it.
struct Form {
    Kind kind;
    char letter;  // 0: a long name only
    const char* name;
    int arguments;
    bool values;  // the plain answer is values alone
};

constexpr Form forms[] = {
    {Kind::SetPosition, 'P', "set_pos", 2, false}, {Kind::GetPosition, 'p', "get_pos", 0, true},
    {Kind::Stop, 'S', "stop", 0, false},           {Kind::Park, 'K', "park", 0, false},
    {Kind::Reset, 'R', "reset", 1, false},         {Kind::Move, 'M', "move", 2, false},
    {Kind::GetInfo, '_', "get_info", 0, true},     {Kind::GetStatus, 's', "get_status", 0, true},
    {Kind::DumpCaps, '1', "dump_caps", 0, false},  {Kind::DumpState, 0, "dump_state", 0, true},
    {Kind::Quit, 'q', "quit", 0, false},           {Kind::Quit, 'Q', "quit", 0, false},
};

const Form* byLetter(char letter)
{
    for (const Form& form : forms)
        if (form.letter == letter)
            return &form;
    return nullptr;
}

const Form* byName(QByteArrayView name)
{
    for (const Form& form : forms)
        if (name == form.name)
            return &form;
    return nullptr;
}

const Form* byKind(Kind kind)
{
    for (const Form& form : forms)
        if (form.kind == kind)
            return &form;
    return nullptr;
}

// ASCII only: a byte above 127 is none of these, whatever the C locale says.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isSeparator(char c)
{
    return c == ';' || c == '|';
}

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The marks that ask for the extended answer and separate its lines.
bool isSeparatorMark(char c)
{
    return c > ' ' && c < 0x7f && !isNameCharacter(c) && c != '\\' && c != '#';
}

// Steps through one line.
class Cursor {
public:
    explicit Cursor(QByteArrayView line) : line_(line) { }

    bool atEnd() const { return at_ >= line_.size(); }
    char peek() const { return line_[at_]; }
    char take() { return line_[at_++]; }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(peek()))
            ++at_;
    }
    // Up to the next ";" or "|": where the next command starts after a malformed one.
    void skipToSeparator()
    {
        while (!atEnd() && !isSeparator(peek()))
            ++at_;
    }
    // The bytes while `belongs` holds.
    template <typename Predicate> QByteArrayView takeWhile(Predicate belongs)
    {
        const qsizetype start = at_;
        while (!atEnd() && belongs(peek()))
            ++at_;
        return line_.sliced(start, at_ - start);
    }

private:
    QByteArrayView line_;
    qsizetype at_ = 0;
};

// The command whose first character (after the marks) is `first`, with its arguments; a malformed
// one when it is none, and then the cursor at the next separator.
RotctldCommand withArguments(Cursor& cursor, char first, RotctldCommand command)
{
    const Form* form;
    bool delimited;
    bool complete = false;  // ended by a separator taken with its name
    if (first == '\\') {
        form = byName(cursor.takeWhile(isNameCharacter));
        delimited = cursor.atEnd() || isBlank(cursor.peek()) || isSeparator(cursor.peek());
        // rotctld takes the character after a long name with it: "\get_pos;p" is answered plain twice.
        if (!cursor.atEnd())
            complete = isSeparator(cursor.take());
    } else {
        form = byLetter(first);
        delimited = cursor.atEnd() || isBlank(cursor.peek()) || isSeparator(cursor.peek()) || cursor.peek() == '#';
    }
    if (!form || !delimited) {
        if (!complete)
            cursor.skipToSeparator();
        return RotctldCommand();
    }
    command.kind = form->kind;
    for (int i = 0; i < form->arguments; ++i) {
        cursor.skipBlanks();
        const QByteArrayView argument = cursor.takeWhile([](char c) { return !isBlank(c) && !isSeparator(c); });
        if (argument.isEmpty())
            break;
        command.arguments.append(argument.toByteArray());
    }
    cursor.skipBlanks();
    const bool followed = !cursor.atEnd() && !isSeparator(cursor.peek()) && cursor.peek() != '#';
    if (command.arguments.size() < form->arguments || (followed && !(complete && form->arguments == 0))) {
        cursor.skipToSeparator();
        return RotctldCommand();
    }
    return command;
}

// The next command from the cursor on; nothing at the end of the line or of its commands (a
// comment).
std::optional<RotctldCommand> next(Cursor& cursor)
{
    for (;;) {
        cursor.skipBlanks();
        if (cursor.atEnd())
            return std::nullopt;
        RotctldCommand command;
        char c = cursor.take();
        if (c == '+') {
            command.extended = true;
            if (cursor.atEnd())
                return std::nullopt;
            c = cursor.take();
        }
        if (isSeparatorMark(c)) {
            command.extended = true;
            command.separator = c;
            if (cursor.atEnd())
                return std::nullopt;
            c = cursor.take();
        }
        if (c == '#')  // a comment to the end of the line
            return std::nullopt;
        if (isBlank(c) || isSeparator(c))  // nothing between two marks: nothing to do, as in rotctld
            continue;
        return withArguments(cursor, c, command);
    }
}

}  // namespace

QByteArray RotctldCommand::name() const
{
    const Form* form = byKind(kind);
    return form ? QByteArray(form->name) : QByteArray();
}

bool RotctldCommand::answersWithValues() const
{
    const Form* form = byKind(kind);
    return form && form->values;
}

QList<RotctldCommand> RotctldCommand::read(QByteArrayView line, int maxCommands)
{
    QList<RotctldCommand> commands;
    Cursor cursor(line);
    while (const std::optional<RotctldCommand> command = next(cursor)) {
        if (commands.size() == maxCommands) {
            commands.append(RotctldCommand());  // one answer for all beyond the bound
            break;
        }
        commands.append(*command);
    }
    return commands;
}
