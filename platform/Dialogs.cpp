#include "platform/Dialogs.h"

#include "platform/MessageBoxDialogs.h"

namespace {
Dialogs* installed = nullptr;
}

Dialogs& Dialogs::current()
{
    static MessageBoxDialogs real;
    return installed ? *installed : real;
}

void Dialogs::install(Dialogs* dialogs)
{
    installed = dialogs;
}
