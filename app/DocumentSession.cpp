#include "app/DocumentSession.hpp"

#include "app/ImportFailureText.hpp"
#include "app/platform/Pasteboard.hpp"
#include "core/Sentences.hpp"
#include "core/TextEngine.hpp"

#include <algorithm>

namespace velora {

namespace {

const char* const welcomeText = QT_TRANSLATE_NOOP(
    "velora::DocumentSession",
    "Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to "
    "start reading at the speed of thought. Words flash one at a time, with the Optimal "
    "Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file "
    "onto this window to read it instantly — everything stays private, parsed entirely on your "
    "device.");

const QString replacedMessage = QStringLiteral("Replaced by a later request");

QString fileName(const std::filesystem::path& file) {
    return QString::fromStdString(file.filename().string());
}

} // namespace

DocumentSession::DocumentSession(const ImportService& importer, Scheduler& scheduler,
                                 Pasteboard& pasteboard, QObject* parent)
    : QObject(parent), pasteboard_(pasteboard), loader_(importer, scheduler) {
    connect(&loader_, &DocumentLoader::recognisingPage, this, [this](int page, int pages) {
        emit statusMessage(tr("Reading page %1 of %2 by text recognition").arg(page).arg(pages));
        setRecognising(true);
    });
}

PreparedDocument DocumentSession::welcome() {
    const std::string text = tr(welcomeText).toStdString();
    PreparedDocument document;
    document.words = TextEngine::tokenize(text);
    document.starts = Sentences::of(document.words, text);
    return document;
}

void DocumentSession::loadText(std::string text, std::optional<std::filesystem::path> file,
                               LoadDone done) {
    const QString name = file ? fileName(*file) : tr("the text");
    loader_.loadText(std::move(text), std::move(file),
                     answer({couldNotRead(), name}, std::move(done)));
}

void DocumentSession::loadText(QString text, LoadDone done) {
    loader_.loadText(std::move(text), answer({couldNotRead(), tr("the text")}, std::move(done)));
}

void DocumentSession::loadFromClipboard(LoadDone done) {
    const std::optional<QString> text = pasteboard_.string();
    if (!text || text->isEmpty()) {
        fail(tr("Clipboard is empty"), done);
        return;
    }
    loadText(*text, std::move(done));
}

void DocumentSession::loadFile(const std::filesystem::path& file, const QString& failureFormat,
                               LoadDone done) {
    loader_.loadFile(file, answer({failureFormat, fileName(file)}, std::move(done)));
}

void DocumentSession::open(const ReadingHistoryEntry& entry, LoadDone done) {
    if (entry.kind == ReadingHistoryEntry::Kind::text) {
        if (entry.storedText) {
            loadText(*entry.storedText, std::nullopt, std::move(done));
        } else {
            fail(tr("This selection is no longer stored"), done);
        }
        return;
    }
    if (!entry.filePath) {
        fail(tr("This document is no longer available"), done);
        return;
    }
    std::optional<DocumentLoader::RecognisedText> known;
    if (entry.storedText && entry.recognisedFrom) {
        known = DocumentLoader::RecognisedText{*entry.recognisedFrom, *entry.storedText};
    }
    loader_.loadFile(
        *entry.filePath,
        answer({tr("Couldn't reopen %1: %2"), fileName(*entry.filePath)}, std::move(done)),
        std::move(known));
}

void DocumentSession::setHyphenation(std::shared_ptr<const HyphenationSource> source) {
    loader_.setHyphenation(std::move(source));
}

// The loader is a member and drops its answers when it goes, so `this` outlives every answer.
DocumentLoader::Done DocumentSession::answer(FailureText failure, LoadDone done) {
    return [this, failure = std::move(failure),
            done = std::move(done)](DocumentLoader::Result result) mutable {
        setRecognising(false);
        LoadOutcome outcome;
        if (auto* document = std::get_if<PreparedDocument>(&result)) {
            emit arrived(*document);
        } else if (const auto* reason = std::get_if<ImportFailure>(&result)) {
            outcome.status = LoadOutcome::Status::failed;
            outcome.message = failure.format.arg(failure.name, displayReason(*reason));
            emit statusMessage(outcome.message);
        } else {
            outcome.status = LoadOutcome::Status::replaced;
            outcome.message = replacedMessage;
        }
        if (done) {
            done(outcome);
        }
    };
}

void DocumentSession::fail(const QString& message, const LoadDone& done) {
    emit statusMessage(message);
    if (done) {
        done({LoadOutcome::Status::failed, message});
    }
}

void DocumentSession::setRecognising(bool recognising) {
    if (recognising_ != recognising) {
        recognising_ = recognising;
        emit recognisingChanged();
    }
}

std::optional<QString> DocumentSession::resume(ReaderEngine& engine,
                                               const ReadingHistoryEntry& entry) {
    const std::int64_t last = entry.lastIndex;
    if (last < 1 || last >= engine.count()) {
        return std::nullopt;
    }
    engine.seek(last);
    if (engine.settings.resumeAtSentenceStart) {
        engine.seek(engine.sentenceStart());
    }
    const std::int64_t resumed = engine.index();
    const auto percent =
        entry.wordCount < 1
            ? 0
            : static_cast<std::int64_t>(static_cast<double>(std::min(entry.wordCount, resumed)) *
                                        100.0 / static_cast<double>(entry.wordCount));
    return tr("Resumed at %L1% · press ⏮ to start over").arg(percent);
}

} // namespace velora
