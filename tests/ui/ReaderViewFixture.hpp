#pragma once

#include "ViewImages.hpp"
#include "app/HotKeySetting.hpp"
#include "fakes/FixedVoiceCatalog.hpp"
#include "fakes/TableLanguageRecognizer.hpp"
#include "support/ReaderOnFakes.hpp"
#include "ui/ChunkStepper.hpp"
#include "ui/ControlBar.hpp"
#include "ui/ElidedLabel.hpp"
#include "ui/KeysCard.hpp"
#include "ui/LibraryView.hpp"
#include "ui/QuickSettingsView.hpp"
#include "ui/ReaderBindings.hpp"
#include "ui/ReaderCards.hpp"
#include "ui/ReaderView.hpp"
#include "ui/SettingsView.hpp"
#include "ui/SteppedSlider.hpp"
#include "ui/ThemeSwatches.hpp"

#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

namespace velora::testing {

using Seconds = Scheduler::Seconds;

class ReaderViewTest : public ::testing::Test, protected ReaderOnFakes {
protected:
    ReaderView& view() {
        view_ = std::make_unique<ReaderView>(*vm_, *libraryModel_, clock_, true);
        // Stands in for the panel's window, which owns the full-screen state.
        QObject::connect(view_.get(), &ReaderView::fullScreenToggleRequested, view_.get(),
                         [view = view_.get()] { view->setFullScreen(!view->isFullScreen()); });
        view_->resize(720, 520);
        return *view_;
    }

    // Shown and active, so that its keyboard shortcuts work.
    ReaderView& activeView() {
        ReaderView& shown = view();
        shown.show();
        shown.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&shown));
        return shown;
    }

    std::filesystem::path writeFile(const std::string& name, const std::string& content) const {
        const std::filesystem::path path =
            dataHome_.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path) << content;
        return path;
    }

    // Waits for an import to hand its text to the controller.
    bool waitForLoad() {
        QSignalSpy loaded(vm_.get(), &ReaderViewModel::engineChanged);
        return loaded.wait(10000);
    }

    // Whether the view took the drop.
    static bool drop(ReaderView& target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        EXPECT_TRUE(target.isDropTargeted());
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &dropped);
        return dropped.isAccepted();
    }

    static void hover(ReaderView& target) {
        QHoverEvent move(QEvent::HoverMove, QPointF(30, 30), QPointF(30, 30), QPointF(20, 20));
        QCoreApplication::sendEvent(&target, &move);
    }

    static QWidget& card(const ReaderView& target, ReaderCard which) {
        switch (which) {
        case ReaderCard::settings:
            return target.cards().settings();
        case ReaderCard::library:
            return target.cards().library();
        case ReaderCard::keys:
            break;
        }
        return target.cards().keys();
    }

    static bool chromeShown(ReaderView& target) {
        return target.header().isVisibleTo(&target) && target.controlBar().isVisibleTo(&target);
    }

    std::unique_ptr<ReaderView> view_;
};

} // namespace velora::testing
