#include "ui/LibraryView.hpp"

#include "app/LibraryStore.hpp"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace velora {
namespace {

using Kind = ReadingHistoryEntry::Kind;

class LibraryViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dataHome_.isValid());
        qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
        library_ = std::make_unique<LibraryStore>([this] {
            now_.secondsSinceReferenceDate += 1.0;
            return now_;
        });
        view_ = std::make_unique<LibraryView>(*library_);
    }

    // What the user sees: only widgets still on screen, not ones waiting to be deleted.
    template <typename T> QList<T*> shown(const QString& name = {}) const {
        QList<T*> visible;
        for (T* each : view_->findChildren<T*>(name)) {
            if (!each->isHidden() && each->isVisibleTo(view_.get())) {
                visible << each;
            }
        }
        return visible;
    }

    QStringList tileValues() const {
        QStringList values;
        for (QLabel* value : shown<QLabel>("value")) {
            values << value->text();
        }
        return values;
    }

    QStringList statuses() const {
        QStringList values;
        for (QLabel* status : shown<QLabel>("status")) {
            values << status->text();
        }
        return values;
    }

    QAbstractButton* row(int index) const {
        return qobject_cast<QAbstractButton*>(shown<QLabel>("status").at(index)->parentWidget());
    }

    void add(const std::string& id, std::int64_t words, std::int64_t lastIndex) {
        library_->registerDocument(id, "Title " + id, id == "file" ? Kind::file : Kind::text, words,
                                   std::nullopt, "text " + id);
        library_->updateProgress(id, lastIndex);
    }

    void trigger(const QString& action) {
        for (QAction* each : view_->statisticsMenuButton().menu()->actions()) {
            if (each->text() == action) {
                each->trigger();
            }
        }
    }

    QTemporaryDir dataHome_;
    TimePoint now_{700'000'000.0};
    std::unique_ptr<LibraryStore> library_;
    std::unique_ptr<LibraryView> view_;
};

TEST_F(LibraryViewTest, EmptyLibraryShowsZeroTilesAndTheInvitation) {
    view_->show();
    EXPECT_EQ(tileValues(), QStringList({"0s", "0", "0", "0"}));
    EXPECT_EQ(shown<QLabel>("nothingYet").size(), 1);
    trigger("Reset statistics");
    trigger("Clear history");
    EXPECT_EQ(tileValues(), QStringList({"0s", "0", "0", "0"}));
}

TEST_F(LibraryViewTest, RowsShowProgressNewestFirst) {
    add("a", 200, 37);
    add("b", 200, 200);
    add("c", 200, 199);
    library_->addReading(1500, 300);
    view_->show();
    EXPECT_EQ(statuses(), QStringList({"99%", "Done", "18%"}));
    EXPECT_EQ(tileValues(), QStringList({"5m", "1.5k", "300", "3"}));
    EXPECT_TRUE(shown<QLabel>("nothingYet").isEmpty());
}

TEST_F(LibraryViewTest, TrashRemovesOnlyItsRowAndOpensNothing) {
    add("a", 100, 10);
    add("b", 100, 20);
    view_->show();
    QSignalSpy opened(view_.get(), &LibraryView::openRequested);
    // Newest first: row 0 is "b".
    row(0)->findChild<QToolButton*>()->click();
    EXPECT_EQ(opened.count(), 0);
    ASSERT_EQ(library_->entries().size(), 1u);
    EXPECT_EQ(library_->entries().front().id, "a");
    EXPECT_EQ(statuses(), QStringList({"10%"}));

    row(0)->click();
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).value<ReadingHistoryEntry>().id, "a");
}

TEST_F(LibraryViewTest, ClearingHistoryKeepsTilesAndResettingKeepsRows) {
    add("a", 100, 50);
    library_->addReading(999, 60);
    view_->show();
    trigger("Reset statistics");
    EXPECT_EQ(tileValues(), QStringList({"0s", "0", "0", "0"}));
    EXPECT_EQ(statuses(), QStringList({"50%"}));

    library_->addReading(2'500'000, 3600);
    trigger("Clear history");
    EXPECT_TRUE(statuses().isEmpty());
    EXPECT_EQ(shown<QLabel>("nothingYet").size(), 1);
    EXPECT_EQ(tileValues().at(1), "2.5M");
}

TEST_F(LibraryViewTest, CloseButtonAsksToClose) {
    QSignalSpy closed(view_.get(), &LibraryView::closeRequested);
    view_->closeButton().click();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(view_->closeButton().toolTip(), "Close (Esc)");
}

} // namespace
} // namespace velora
