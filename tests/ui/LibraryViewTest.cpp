#include "ui/LibraryView.hpp"

#include "ViewImages.hpp"
#include "app/LibraryStore.hpp"
#include "app/LibraryViewModel.hpp"
#include "ui/ReadingChart.hpp"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
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
        showLibrary();
    }

    void showLibrary() {
        view_.reset();
        model_ = std::make_unique<LibraryViewModel>(*library_);
        view_ = std::make_unique<LibraryView>(*model_);
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

    QStringList texts(const QString& name) const {
        QStringList values;
        for (QLabel* label : shown<QLabel>(name)) {
            values << label->text();
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

    QTemporaryDir dataHome_;
    TimePoint now_{700'000'000.0};
    std::unique_ptr<LibraryStore> library_;
    std::unique_ptr<LibraryViewModel> model_;
    std::unique_ptr<LibraryView> view_;
};

TEST_F(LibraryViewTest, RowsShowProgressNewestFirst) {
    add("a", 200, 37);
    add("b", 200, 200);
    add("c", 200, 199);
    library_->addReading(1500, 300);
    view_->show();
    EXPECT_EQ(texts("status"), QStringList({"99%", "Done", "18%"}));
    EXPECT_EQ(texts("value"), QStringList({"5m", "1.5k", "300", "3"}));
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
    EXPECT_EQ(texts("status"), QStringList({"10%"}));

    row(0)->click();
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).value<ReadingHistoryEntry>().id, "a");
}

// The card charts the last 30 days from the days the library recorded, and says the same to a
// screen reader.
TEST_F(LibraryViewTest, ChartsTheLastThirtyDaysFromTheRecords) {
    const QString folder = dataHome_.path() + "/VeloraMac";
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELORA_TEST_DATA "/library-days.json"),
                            folder + "/library.json"));
    view_.reset();
    model_.reset();
    // 700,000,000 s after 2001 began is day 8101 in UTC, the day the fixture read most.
    qputenv("TZ", "UTC");
    library_ = std::make_unique<LibraryStore>([this] { return now_; });
    showLibrary();
    ReadingChart& chart = view_->chart();
    ASSERT_EQ(chart.days().size(), 30U);
    EXPECT_EQ(chart.days().back(), (DayReading{8101, 1200, 240.0}));

    const QString said = chart.accessibleDescription();
    EXPECT_TRUE(said.startsWith("Words read per day, last 30 days: ")) << said.toStdString();
    EXPECT_TRUE(said.contains("1,200 words at 300 WPM")) << said.toStdString();
    EXPECT_TRUE(said.contains("500 words at 200 WPM")) << said.toStdString();
    EXPECT_FALSE(said.contains("999"));
    EXPECT_EQ(said.count("none"), 28);

    view_->show();
    QImage image(chart.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    chart.render(&image);
    if (const QByteArray folder = qgetenv("VELORA_PICTURES"); !folder.isEmpty()) {
        view_->grab().save(folder + "/library.png");
    }
    const QColor bar = chart.palette().color(QPalette::Highlight);
    const auto barAt = [&](int slot) {
        const int x = (2 * slot + 1) * image.width() / 60;
        for (int y = 0; y < image.height(); ++y) {
            if (testing::distance(image.pixelColor(x, y), bar) < 24) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(barAt(29));
    EXPECT_TRUE(barAt(27));
    EXPECT_FALSE(barAt(28));
    EXPECT_FALSE(barAt(0));
}

} // namespace
} // namespace velora
