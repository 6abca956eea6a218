// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "platform/MessageBoxDialogs.h"

#include "platform/WindowsColor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

// A box whose buttons are named by the program itself, so that they read German even where Qt's
// translation is missing, and English in the English program. Returns the button pressed.
QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                 QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, QApplication::activeWindow());
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Ok, "OK"},
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("MessageBoxDialogs", "&Ja")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("MessageBoxDialogs", "&Nein")}};
    for (const auto& [button, name] : names) {
        if (QAbstractButton* shown = box.button(button))
            shown->setText(QCoreApplication::translate("MessageBoxDialogs", name));
    }
    // Return and Enter press the first button, as in the boxes of the system the program came from.
    box.setDefaultButton(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
    // The box must not leave the keyboard elsewhere: focus goes back to where it was.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const auto pressed = QMessageBox::StandardButton(box.exec());
    if (focused) {
        focused->activateWindow();
        focused->setFocus(Qt::OtherFocusReason);
    }
    return pressed;
}

} // namespace

void MessageBoxDialogs::warning(const QString& caption, const QString& text)
{
    show(QMessageBox::Warning, caption, text, QMessageBox::Ok);
}

void MessageBoxDialogs::error(const QString& caption, const QString& text)
{
    show(QMessageBox::Critical, caption, text, QMessageBox::Ok);
}

void MessageBoxDialogs::information(const QString& caption, const QString& text)
{
    show(QMessageBox::Information, caption, text, QMessageBox::Ok);
}

bool MessageBoxDialogs::confirm(const QString& caption, const QString& text)
{
    return show(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<unsigned> MessageBoxDialogs::chooseColor(unsigned initial)
{
    const QColor chosen = QColorDialog::getColor(WindowsColor::toQColor(initial), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return WindowsColor::fromQColor(chosen);
}
