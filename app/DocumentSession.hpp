#pragma once

#include "app/DocumentLoader.hpp"
#include "app/LoadOutcome.hpp"
#include "core/HyphenationSource.hpp"
#include "core/ReaderEngine.hpp"
#include "core/ReadingHistoryEntry.hpp"

#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace velora {

class Pasteboard;

// Every request for a document, from the views, the shell and the library: it is prepared on
// the loader's thread, and what arrives is handed to the reader; what yields no text is said in
// the user's words, with the document's name. A later request replaces one still on its way.
// Main thread only; the pasteboard must outlive it.
class DocumentSession final : public QObject {
    Q_OBJECT

public:
    DocumentSession(const ImportService& importer, Scheduler& scheduler, Pasteboard& pasteboard,
                    QObject* parent = nullptr);

    // The text shown before anything is loaded, in the user's language.
    static PreparedDocument welcome();

    // Each request ends with `done`, called once on the main thread. `text` is a file's text
    // when `file` is given, a selection otherwise.
    void loadText(std::string text, std::optional<std::filesystem::path> file, LoadDone done);
    // A selection as Qt hands it over (the bus, the clipboard); converted on the loader's thread.
    void loadText(QString text, LoadDone done);
    void loadFromClipboard(LoadDone done);
    void loadFile(const std::filesystem::path& file, const QString& failureFormat, LoadDone done);
    void open(const ReadingHistoryEntry& entry, LoadDone done);
    // Answers the request on its way as cancelled.
    void cancel() { loader_.cancel(); }
    void setHyphenation(std::shared_ptr<const HyphenationSource> source);
    void setWeighsWords(bool weighs) { loader_.setWeighsWords(weighs); }
    void weigh(std::shared_ptr<const std::vector<Word>> words, TextStarts starts,
               std::function<void(DocumentLoader::Rhythm)> done) {
        loader_.weigh(std::move(words), std::move(starts), std::move(done));
    }
    // A scanned document's pages are being read by text recognition.
    bool isRecognising() const { return recognising_; }

    // Moves the engine to where the library says reading stopped in the entry's document;
    // answers the line that says so, none when reading starts at the beginning.
    static std::optional<QString> resume(ReaderEngine& engine, const ReadingHistoryEntry& entry);

signals:
    // The latest request's document; the receiver takes from it what it keeps. Delivered on the
    // main thread, before the request's `done`.
    void arrived(PreparedDocument& document);
    // A line for the status: why a request failed, or how far text recognition has come.
    void statusMessage(const QString& message);
    void recognisingChanged();

private:
    // What to say when a request fails: the prefix and the document's name come first.
    struct FailureText {
        QString format;
        QString name;
    };
    DocumentLoader::Done answer(FailureText failure, LoadDone done);
    void fail(const QString& message, const LoadDone& done);
    void setRecognising(bool recognising);

    Pasteboard& pasteboard_;
    DocumentLoader loader_;
    bool recognising_ = false;
};

} // namespace velora
