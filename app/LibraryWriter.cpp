#include "app/LibraryWriter.hpp"

#include "app/AtomicWrite.hpp"
#include "app/LogCategories.hpp"

#include <QDateTime>

namespace velora {

namespace {

QString describe(const std::filesystem::path& file, const std::error_code& error) {
    return LibraryWriter::tr("Couldn't save the library to %1: %2")
        .arg(QString::fromStdString(file.string()), QString::fromStdString(error.message()));
}

} // namespace

LibraryWriter::LibraryWriter(std::filesystem::path file, bool setAsideFirst, QObject* parent)
    : QObject(parent), file_(std::move(file)), setAsidePending_(setAsideFirst),
      thread_([this] { run(); }) {}

LibraryWriter::~LibraryWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void LibraryWriter::submit(std::uint64_t generation, LibraryPayload payload) {
    {
        const std::lock_guard lock(mutex_);
        pending_.emplace(generation, std::move(payload));
    }
    wake_.notify_one();
}

LibraryWriter::Outcome LibraryWriter::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !pending_ && !writing_; });
    return last_;
}

void LibraryWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return pending_ || stopping_; });
        if (!pending_) {
            return;
        }
        auto [generation, payload] = std::move(*pending_);
        pending_.reset();
        writing_ = true;
        lock.unlock();
        std::optional<QString> failure = write(payload);
        emit written(generation, failure);
        lock.lock();
        writing_ = false;
        last_ = Outcome{generation, std::move(failure)};
        if (!pending_) {
            idle_.notify_all();
        }
    }
}

std::optional<QString> LibraryWriter::write(const LibraryPayload& payload) {
    const std::filesystem::path target = finalTarget(file_);
    // Until the unreadable file is safely aside nothing may replace it; the next write retries.
    if (setAsidePending_) {
        if (std::optional<QString> failure = setAside(target)) {
            return failure;
        }
        setAsidePending_ = false;
    }
    payload.encode(buffer_);
    if (const std::error_code error = writeFileAtomically(target, buffer_)) {
        return describe(target, error);
    }
    return std::nullopt;
}

std::optional<QString> LibraryWriter::setAside(const std::filesystem::path& target) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(target, error))) {
        return std::nullopt;
    }
    const std::string stamp = QDateTime::currentDateTimeUtc()
                                  .toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"))
                                  .toStdString();
    const std::string base = target.string() + ".bad-" + stamp;
    std::filesystem::path aside = base;
    for (int n = 1; std::filesystem::exists(std::filesystem::symlink_status(aside, error)); ++n) {
        aside = base + "-" + std::to_string(n);
    }
    std::filesystem::rename(target, aside, error);
    if (error) {
        return describe(target, error);
    }
    qCInfo(lcLibrary, "set the unusable library aside as %s", aside.c_str());
    return std::nullopt;
}

} // namespace velora
