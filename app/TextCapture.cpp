#include "app/TextCapture.hpp"

#include "app/LogCategories.hpp"
#include "app/platform/AccessibilityTrust.hpp"
#include "app/platform/KeyEventPoster.hpp"

#include <QCoreApplication>
#include <cmath>
#include <utility>

namespace velora {

namespace {

std::optional<QString> unlessBlank(std::optional<QString> text) {
    if (!text || text->trimmed().isEmpty()) {
        return std::nullopt;
    }
    return text;
}

struct ChangeWait {
    Pasteboard& pasteboard;
    Scheduler& scheduler;
    Pasteboard::ChangeCount base;
    std::function<void(bool)> done;
    Scheduler::Handle deadline = 0;

    void answer() {
        if (!done) {
            return;
        }
        pasteboard.setChangeListener({});
        scheduler.cancel(deadline);
        std::exchange(done, {})(pasteboard.changeCount() != base);
    }
};

} // namespace

TextCapture::TextCapture(Pasteboard& pasteboard, KeyEventPoster& keys, AccessibilityTrust& trust,
                         Scheduler& scheduler)
    : pasteboard_(pasteboard), keys_(keys), trust_(trust), scheduler_(scheduler),
      self_(std::make_shared<TextCapture*>(this)) {}

void TextCapture::grabSelection(Completion done) {
    waiting_.push_back(std::move(done));
    if (waiting_.size() > 1) {
        return;
    }
    if (auto selected = othersPrimarySelection()) {
        qCDebug(lcCapture, "read the primary selection of another program");
        finish(std::move(selected));
        return;
    }
    if (!trust_.isProcessTrusted()) {
        qCInfo(lcCapture, "no other program holds a primary selection, and this session lets no "
                          "program send the copy key stroke");
        finish(std::nullopt);
        return;
    }
    if (!keys_.focusTakesCopyStroke()) {
        qCInfo(lcCapture, "no other program holds a primary selection, and the focused window "
                          "(a terminal, or this program's panel) is sent no copy key stroke");
        finish(std::nullopt);
        return;
    }
    copyAndRestore();
}

std::optional<QString> TextCapture::othersPrimarySelection() const {
    if (pasteboard_.ownsPrimarySelection()) {
        return std::nullopt;
    }
    return unlessBlank(pasteboard_.primarySelection());
}

void TextCapture::copyAndRestore() {
    auto saved = snapshot(pasteboard_);
    const auto base = pasteboard_.changeCount();
    simulateCopy(keys_);
    waitForChange(
        pasteboard_, scheduler_, base, copyTimeout,
        [weakSelf = std::weak_ptr<TextCapture*>(self_), saved = std::move(saved)](bool changed) {
            const auto self = weakSelf.lock();
            if (!self) {
                return;
            }
            TextCapture& capture = **self;
            auto text = changed ? capture.pasteboard_.string() : std::nullopt;
            restore(saved, capture.pasteboard_);
            if (!changed) {
                qCInfo(lcCapture,
                       "the clipboard did not change within %.1f s of the copy key "
                       "stroke; the focused program copied nothing",
                       copyTimeout.count());
            }
            capture.finish(unlessBlank(std::move(text)));
        });
}

void TextCapture::finish(std::optional<QString> text) {
    scheduler_.after(Scheduler::Seconds{0},
                     [weakSelf = std::weak_ptr<TextCapture*>(self_), text = std::move(text)] {
                         const auto self = weakSelf.lock();
                         if (!self) {
                             return;
                         }
                         // Cleared before answering, so an answer may start the next capture.
                         auto waiting = std::exchange((*self)->waiting_, {});
                         for (auto& done : waiting) {
                             done(text);
                         }
                     });
}

std::vector<TextCapture::StoredItem> TextCapture::snapshot(const Pasteboard& pasteboard) {
    std::vector<StoredItem> items;
    for (const QString& type : pasteboard.types()) {
        if (auto data = pasteboard.data(type)) {
            items.push_back({type, std::move(*data)});
        }
    }
    return items;
}

void TextCapture::simulateCopy(KeyEventPoster& keys) {
    keys.postCopyStroke();
}

void TextCapture::waitForChange(Pasteboard& pasteboard, Scheduler& scheduler,
                                Pasteboard::ChangeCount base, Scheduler::Seconds timeout,
                                std::function<void(bool)> done) {
    if (pasteboard.changeCount() != base) {
        done(true);
        return;
    }
    // A timeout that is not a finite positive number leaves only the one final comparison.
    const double seconds =
        std::isfinite(timeout.count()) && timeout.count() > 0 ? timeout.count() : 0.0;
    auto wait =
        std::make_shared<ChangeWait>(ChangeWait{pasteboard, scheduler, base, std::move(done)});
    pasteboard.setChangeListener([wait] { wait->answer(); });
    wait->deadline = scheduler.after(Scheduler::Seconds{seconds}, [wait] { wait->answer(); });
}

void TextCapture::restore(const std::vector<StoredItem>& items, Pasteboard& pasteboard) {
    pasteboard.clearContents();
    for (const StoredItem& item : items) {
        pasteboard.setData(item.data, item.type);
    }
}

void TextCapture::promptForAccessibilityIfNeeded(
    AccessibilityTrust& trust, const std::function<void(const QString&)>& showStatus) {
    if (!trust.requestTrust()) {
        showStatus(QCoreApplication::translate("TextCapture", accessibilityMessage));
    }
}

} // namespace velora
