#pragma once

#include "core/LibraryPayload.hpp"

#include <QObject>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace velora {

// Encodes and writes library states on a thread of its own, so that a save never holds the
// event loop. One write is in flight at a time; a state handed over while one is being written
// replaces any that waits, so the newest state is always the last one written.
class LibraryWriter final : public QObject {
    Q_OBJECT

public:
    struct Outcome {
        std::uint64_t generation = 0;
        // What went wrong, in words for the user; none when the state is on disk.
        std::optional<QString> failure;
    };

    // `setAsideFirst`: the file there now could not be read, so it is renamed to
    // NAME.bad-<UTC time> before the first write replaces it.
    LibraryWriter(std::filesystem::path file, bool setAsideFirst, QObject* parent = nullptr);
    // Writes what still waits, then stops the thread.
    ~LibraryWriter() override;
    LibraryWriter(const LibraryWriter&) = delete;
    LibraryWriter& operator=(const LibraryWriter&) = delete;

    // Hands over the state numbered `generation`; numbers only grow.
    void submit(std::uint64_t generation, LibraryPayload payload);
    // Blocks until every state handed over is written or has failed; answers the last outcome.
    Outcome waitUntilIdle();

signals:
    // Emitted on the writer's thread after each write.
    void written(quint64 generation, std::optional<QString> failure);

private:
    void run();
    std::optional<QString> write(const LibraryPayload& payload);
    std::optional<QString> setAside(const std::filesystem::path& target);

    const std::filesystem::path file_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<std::pair<std::uint64_t, LibraryPayload>> pending_;
    bool writing_ = false;
    bool stopping_ = false;
    Outcome last_;
    // Touched by the writer's thread only.
    bool setAsidePending_;
    // Kept between writes: a full library is about 8 MB, and allocating that afresh for every
    // write costs more than encoding it.
    std::string buffer_;
    std::thread thread_;
};

} // namespace velora
