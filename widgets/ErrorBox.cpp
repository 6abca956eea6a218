// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "widgets/ErrorBox.h"

#include "base/AppError.h"
#include "platform/Dialogs.h"

const QString ErrorBox::programTitle = QStringLiteral("Corvane");

void ErrorBox::show(const QString& text)
{
    Dialogs::current().error(programTitle, text.endsWith(u'.') ? text : text + u'.');
}

void ErrorBox::show(const std::exception& error)
{
    if (const auto* appError = dynamic_cast<const AppError*>(&error))
        show(appError->message());
    else
        show(QString::fromLocal8Bit(error.what()));
}
