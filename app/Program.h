#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class PartnerLinks;
class QObject;
class Session;

// The program entry: makes the session, then creates the eleven windows (the rotor link among
// them) in their fixed order, each running its creation handler before the next exists, and
// destroys them in the reverse order, each writing its settings while the settings file is still
// open. The partner inputs from outside (WSJT-X, the session bus) come up after the windows and
// go before them.
class Program {
public:
    explicit Program(QString executableFolder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void createWindows();
    // Runs the message loop until the main window closes; returns the loop's exit code.
    int run();
    void destroyWindows();

private:
    // Creates one window; its global instance pointer is cleared again when it is destroyed.
    template <typename Window>
    void create(Window*& instance);
    // The subscriptions that must wait for windows created later: the maps' to the parameter
    // window, and to the target after the crosshair window's.
    void connectWindows();
    // Wires the partner inputs to the windows that take partners and keep the WSJT-X settings.
    void connectPartnerLinks();

    struct Created {
        QObject* window;
        std::function<void()> formDestroy;  // empty for windows that keep no settings
        std::function<void()> forget;       // clears the window's global instance pointer
    };

    QString executableFolder_;
    std::unique_ptr<Session> session_;  // made before the windows, gone after them
    std::vector<Created> windows_;
    std::unique_ptr<PartnerLinks> partnerLinks_;
};
