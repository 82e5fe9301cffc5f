#pragma once

#include <QString>
#include <sys/types.h>

namespace velora::testsupport {

// A private X server on the first free display number, which it reports through a pipe;
// stopped when this object goes.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", or empty when the server did not come up.
    QString display() const { return display_; }

private:
    pid_t pid_ = -1;
    QString display_;
};

} // namespace velora::testsupport
