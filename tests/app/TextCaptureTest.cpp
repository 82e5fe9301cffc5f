#include "app/TextCapture.hpp"

#include "fakes/FakePasteboard.hpp"
#include "fakes/FixedAccessibilityTrust.hpp"
#include "fakes/ManualScheduler.hpp"
#include "fakes/RecordingKeyEventPoster.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

using fakes::FakePasteboard;
using Seconds = Scheduler::Seconds;

const QString html = QStringLiteral("text/html");
const QString png = QStringLiteral("image/png");

// The user's clipboard: three representations with bytes and, unless left out, one the owner
// fails to deliver.
FakePasteboard::Item usersClipboard(bool withUndelivered = true) {
    FakePasteboard::Item item{{FakePasteboard::plainText, QByteArray("kept text")},
                              {html, QByteArray("<b>kept</b>")},
                              {png, QByteArray("\x89PNG\r\n\x1a\n\0\x01", 10)}};
    if (withUndelivered) {
        item.insert(item.begin() + 2, {QStringLiteral("application/x-lost"), std::nullopt});
    }
    return item;
}

class CaptureFixture : public ::testing::Test {
protected:
    void SetUp() override { pasteboard.replaceFromOutside(usersClipboard()); }

    // The front application writes `item` to the clipboard `delay` after the stroke arrives.
    void frontApplicationCopies(FakePasteboard::Item item, double delay) {
        keys.onStroke = [this, item = std::move(item), delay] {
            scheduler.after(Seconds{delay}, [this, item] { pasteboard.replaceFromOutside(item); });
        };
    }

    void capture() {
        capturer.grabSelection([this](std::optional<QString> text) {
            ++answers;
            result = std::move(text);
            clipboardAtAnswer = pasteboard.item();
        });
    }

    FakePasteboard pasteboard;
    fakes::RecordingKeyEventPoster keys;
    fakes::FixedAccessibilityTrust trust{true};
    fakes::ManualScheduler scheduler;
    TextCapture capturer{pasteboard, keys, trust, scheduler};
    int answers = 0;
    std::optional<QString> result;
    FakePasteboard::Item clipboardAtAnswer;
};

struct CaptureCase {
    const char* name;
    std::optional<FakePasteboard::Item> copied; // none: the application ignores the stroke
    double delay;
    std::optional<QString> expected;
};

class CaptureOutcome : public CaptureFixture, public ::testing::WithParamInterface<CaptureCase> {};

TEST_P(CaptureOutcome, AnswersAndPutsTheUsersClipboardBack) {
    const CaptureCase& c = GetParam();
    if (c.copied) {
        frontApplicationCopies(*c.copied, c.delay);
    }
    const auto before = pasteboard.changeCount();

    capture();
    scheduler.runUntilIdle();

    EXPECT_EQ(answers, 1);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(keys.strokes, 1);
    EXPECT_EQ(clipboardAtAnswer, usersClipboard(false));
    EXPECT_GT(pasteboard.changeCount(), before);
}

INSTANTIATE_TEST_SUITE_P(
    TextCapture, CaptureOutcome,
    ::testing::Values(
        CaptureCase{"CopyWithinTheWaitIsRead",
                    FakePasteboard::Item{{html, QByteArray("<i>late</i>")},
                                         {FakePasteboard::plainText, QByteArray("late")}},
                    0.3, QStringLiteral("late")},
        CaptureCase{"CopyAfterTheWaitIsNotRead",
                    FakePasteboard::Item{{FakePasteboard::plainText, QByteArray("too late")}}, 0.41,
                    std::nullopt},
        CaptureCase{"BlankSelectionIsNothing",
                    FakePasteboard::Item{{FakePasteboard::plainText, QByteArray(" \t\n\r ")}}, 0.0,
                    std::nullopt},
        CaptureCase{"ImageOnlySelectionIsNothing",
                    FakePasteboard::Item{{png, QByteArray("\x89PNG", 4)}}, 0.0, std::nullopt},
        CaptureCase{"IgnoredStrokeIsNothing", std::nullopt, 0.0, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// A second snapshot taken during the first capture would save the selection's copy and restore
// that, losing the user's clipboard.
TEST_F(CaptureFixture, OverlappingTriggersShareOneCaptureAndKeepTheUsersClipboard) {
    frontApplicationCopies({{FakePasteboard::plainText, QByteArray("shared")}}, 0.1);
    std::vector<std::optional<QString>> second;
    capture();
    scheduler.advance(Seconds{0.05});
    capturer.grabSelection([&second](std::optional<QString> text) { second.push_back(text); });
    scheduler.runUntilIdle();

    EXPECT_EQ(keys.strokes, 1);
    EXPECT_EQ(result, QStringLiteral("shared"));
    EXPECT_EQ(second, std::vector<std::optional<QString>>{QStringLiteral("shared")});
    EXPECT_EQ(pasteboard.item(), usersClipboard(false));
}

struct WaitCase {
    const char* name;
    std::optional<double> changeAt; // negative: before the wait starts
    bool changed;
    double answeredAt;
};

class WaitForChange : public ::testing::TestWithParam<WaitCase> {};

TEST_P(WaitForChange, AnswersAtTheChangeOrAtTheDeadline) {
    const WaitCase& c = GetParam();
    FakePasteboard pasteboard;
    fakes::ManualScheduler scheduler;
    const auto base = pasteboard.changeCount();
    if (c.changeAt && *c.changeAt < 0) {
        pasteboard.replaceFromOutside({});
    } else if (c.changeAt) {
        scheduler.after(Seconds{*c.changeAt}, [&pasteboard] { pasteboard.replaceFromOutside({}); });
    }
    std::optional<bool> answer;
    double answeredAt = -1;
    TextCapture::waitForChange(pasteboard, scheduler, base, TextCapture::copyTimeout,
                               [&](bool changed) {
                                   answer = changed;
                                   answeredAt = scheduler.now();
                               });
    scheduler.runUntilIdle();
    EXPECT_EQ(answer, c.changed);
    EXPECT_NEAR(answeredAt, c.answeredAt, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    TextCapture, WaitForChange,
    ::testing::Values(WaitCase{"ChangeBeforeTheWaitAnswersWithoutAPause", -1.0, true, 0.0},
                      WaitCase{"ChangeIsSeenWhenItHappens", 0.1, true, 0.1},
                      WaitCase{"NoChangeEndsAtTheDeadline", std::nullopt, false, 0.4}),
    [](const auto& info) { return std::string(info.param.name); });

struct SourceCase {
    const char* name;
    std::optional<QString> selection;
    bool selectionIsOurs;
    bool focusTakesStroke;
    bool trusted;
    std::optional<QString> expected;
};

class CaptureSource : public CaptureFixture, public ::testing::WithParamInterface<SourceCase> {};

// Another program's primary selection is read as it stands; only without one is the copy stroke
// sent, and never where it would interrupt a terminal or copy this program's own text.
TEST_P(CaptureSource, PrefersAnotherProgramsSelectionAndCopiesOnlyWhereSafe) {
    const SourceCase& c = GetParam();
    pasteboard.selection = c.selection;
    pasteboard.selectionIsOurs = c.selectionIsOurs;
    keys.focusTakesStroke = c.focusTakesStroke;
    trust.trusted = c.trusted;
    frontApplicationCopies({{FakePasteboard::plainText, QByteArray("copied")}}, 0.05);
    const auto before = pasteboard.changeCount();

    capture();
    scheduler.runUntilIdle();

    EXPECT_EQ(result, c.expected);
    const bool copied = c.expected == QStringLiteral("copied");
    EXPECT_EQ(keys.strokes, copied ? 1 : 0);
    EXPECT_EQ(pasteboard.item(), usersClipboard(!copied));
    EXPECT_EQ(pasteboard.changeCount() == before, !copied);
}

INSTANTIATE_TEST_SUITE_P(
    TextCapture, CaptureSource,
    ::testing::Values(SourceCase{"OtherProgramsSelection", QStringLiteral(" selected "), false,
                                 true, true, QStringLiteral(" selected ")},
                      SourceCase{"SelectionEvenWithoutTrust", QStringLiteral("line"), false, true,
                                 false, QStringLiteral("line")},
                      SourceCase{"OwnSelectionIsSkipped", QStringLiteral("1"), true, true, true,
                                 QStringLiteral("copied")},
                      SourceCase{"BlankSelectionIsSkipped", QStringLiteral(" \n "), false, true,
                                 true, QStringLiteral("copied")},
                      SourceCase{"NoSelection", std::nullopt, false, true, true,
                                 QStringLiteral("copied")},
                      SourceCase{"TerminalInFront", std::nullopt, false, false, true, std::nullopt},
                      SourceCase{"OwnSelectionWithOwnPanelInFront", QStringLiteral("1"), true,
                                 false, true, std::nullopt},
                      SourceCase{"NoTrust", std::nullopt, false, true, false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
