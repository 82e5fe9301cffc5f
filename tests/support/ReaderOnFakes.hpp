#pragma once

#include "app/ImportService.hpp"
#include "app/LibraryStore.hpp"
#include "app/LibraryViewModel.hpp"
#include "app/ReaderViewModel.hpp"
#include "fakes/FakeDocumentReaders.hpp"
#include "fakes/FakePasteboard.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ManualScheduler.hpp"
#include "fakes/ScriptedSpeechService.hpp"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace velora::testing {

// The reader's controller and its library on stand-ins: a private data folder, preferences in
// memory, a clock the test turns, and a scripted voice. What the views are built on.
class ReaderOnFakes {
protected:
    ReaderOnFakes() {
        EXPECT_TRUE(dataHome_.isValid());
        qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
        speech_ = fakes::scriptedSpeechService(speechLog_, preferences_);
        library_ = std::make_unique<LibraryStore>();
        libraryModel_ = std::make_unique<LibraryViewModel>(*library_);
        vm_ = std::make_unique<ReaderViewModel>(ReaderViewModel::Services{
            preferences_, clock_, pasteboard_, importer_, *speech_, *library_});
    }

    QTemporaryDir dataHome_;
    fakes::InMemoryPreferencesStore preferences_;
    fakes::ManualScheduler clock_;
    fakes::FakePasteboard pasteboard_;
    ImportService importer_{std::make_shared<FakeDocumentReaders>()};
    fakes::ScriptedSpeechSynthesizer::Log speechLog_;
    std::unique_ptr<SpeechService> speech_;
    std::unique_ptr<LibraryStore> library_;
    std::unique_ptr<LibraryViewModel> libraryModel_;
    std::unique_ptr<ReaderViewModel> vm_;
};

} // namespace velora::testing
