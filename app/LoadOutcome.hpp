#pragma once

#include <QString>
#include <functional>

namespace velora {

// How a request to load a document ended, for the caller that waits on it.
struct LoadOutcome {
    enum class Status { loaded, failed, replaced };

    Status status = Status::loaded;
    // What the user reads: the failure ("Couldn't read a.pdf: it is damaged") or the
    // replacement; empty once loaded.
    QString message;
};

using LoadDone = std::function<void(const LoadOutcome&)>;

} // namespace velora
