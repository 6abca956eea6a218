#pragma once

// The link to the logging program Logger32, found on the session bus as the window "Logger32".
// The link state is shown in the caption of the main window's "Logger32" menu item.
class Logger32Link {
public:
    static void ConnectLogger32();
    static void DisconnectLogger32();
};
