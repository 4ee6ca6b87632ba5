#pragma once

#include <QString>

// The throwaway PostgreSQL cluster under a test's feet: stopped and started
// again as a server that goes away would be, always running again when the
// test ends.
class ServerControl {
public:
    ServerControl();
    ~ServerControl();
    ServerControl(const ServerControl&) = delete;
    ServerControl& operator=(const ServerControl&) = delete;

    bool available() const { return !folder_.isEmpty(); }
    void stop();
    void start();
    // Starts the server again once the event loop has run for `ms`.
    void startAfter(int ms);

private:
    bool run(const char* action) const;

    QString folder_;
    bool stopped_ = false;
};
