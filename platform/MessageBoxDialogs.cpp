#include "platform/MessageBoxDialogs.h"

#include "platform/WindowsColor.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>

void MessageBoxDialogs::warning(const QString& caption, const QString& text)
{
    QMessageBox::warning(QApplication::activeWindow(), caption, text);
}

void MessageBoxDialogs::error(const QString& caption, const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), caption, text);
}

void MessageBoxDialogs::information(const QString& caption, const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), caption, text);
}

bool MessageBoxDialogs::confirm(const QString& caption, const QString& text)
{
    return QMessageBox::question(QApplication::activeWindow(), caption, text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<unsigned> MessageBoxDialogs::chooseColor(unsigned initial)
{
    const QColor chosen = QColorDialog::getColor(WindowsColor::toQColor(initial), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return WindowsColor::fromQColor(chosen);
}
