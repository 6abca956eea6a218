// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "rotorbridge/WebPasswordPrompt.h"

#include <QCoreApplication>

#include <termios.h>
#include <unistd.h>

#include <string>

std::optional<QString> WebPasswordPrompt::line(std::FILE* in)
{
    std::string text;
    for (int c = std::fgetc(in); c != EOF && c != '\n'; c = std::fgetc(in)) {
        if (text.size() >= 1024)  // bytes: no password is that long
            return std::nullopt;
        text.push_back(char(c));
    }
    if (text.empty() && std::feof(in))
        return std::nullopt;
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return QString::fromUtf8(text.data(), int(text.size()));
}

std::optional<QString> WebPasswordPrompt::read(std::FILE* in, std::FILE* out, QString* error)
{
    const int fd = fileno(in);
    termios saved {};
    if (!isatty(fd) || tcgetattr(fd, &saved) != 0) {
        const auto password = line(in);
        if (!password)
            *error = QCoreApplication::translate("WebPasswordPrompt", "Kein Passwort auf der Standardeingabe");
        return password;
    }
    termios silent = saved;
    silent.c_lflag &= ~tcflag_t(ECHO);
    tcsetattr(fd, TCSAFLUSH, &silent);
    const auto ask = [&](const QString& prompt) {
        std::fputs(prompt.toLocal8Bit().constData(), out);
        std::fflush(out);
        const auto answer = line(in);
        std::fputc('\n', out);
        return answer;
    };
    const auto first = ask(QCoreApplication::translate("WebPasswordPrompt", "Passwort für die Webseite: "));
    const auto second = first ? ask(QCoreApplication::translate("WebPasswordPrompt", "Noch einmal: ")) : std::nullopt;
    tcsetattr(fd, TCSAFLUSH, &saved);
    if (!first || !second) {
        *error = QCoreApplication::translate("WebPasswordPrompt", "Eingabe abgebrochen");
        return std::nullopt;
    }
    if (*first != *second) {
        *error = QCoreApplication::translate("WebPasswordPrompt", "Die beiden Eingaben sind verschieden");
        return std::nullopt;
    }
    return first;
}
