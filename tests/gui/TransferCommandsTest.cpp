#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <chrono>
#include <functional>
#include <set>

#include "DatabaseBuilder.h"
#include "ReceiverSimulator.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ImageFile.h"
#include "database/ImageReader.h"
#include "document/ChannelDocument.h"
#include "document/commands/RemoveDataChannels.h"
#include "editing/DemoDatabase.h"
#include "gui/app/DisplayText.h"
#include "gui/transfer/TransferController.h"
#include "link/MillisecondClock.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

using namespace std::chrono_literals;

// Notes what the dialog showed when each box came up.
class SnapshotSink : public test::RecordingMessageSink {
public:
    struct Shown {
        QString status;
        int progress = -1;
    };
    MessageButton showMessage(int stringId, std::string_view argument,
                              MessageStyle style) override {
        snap();
        return RecordingMessageSink::showMessage(stringId, argument, style);
    }
    MessageButton showText(std::string_view text, MessageStyle style) override {
        snap();
        return RecordingMessageSink::showText(text, style);
    }
    TransferController* controller = nullptr;
    std::vector<Shown> shown;

private:
    void snap() {
        TransferDialog* dialog = controller ? controller->dialog() : nullptr;
        shown.push_back(dialog ? Shown{dialog->statusText(), dialog->progressValue()} : Shown{});
    }
};

// Twenty seconds of the receiver's call pass in a tenth of one.
class FastClock : public MillisecondClock {
public:
    std::uint64_t milliseconds() override { return steadyClock().milliseconds() * 200; }
};

// The receiver's call never runs out: only Cancel can end it.
class StoppedClock : public MillisecondClock {
public:
    std::uint64_t milliseconds() override { return 0; }
};

class TransferCommandsTest : public ::testing::Test {
protected:
    TransferCommandsTest() {
        messages.controller = &controller;
        ChannelDatabase demo;
        buildDemoDatabase(demo);
        EXPECT_TRUE(writeFile(demo, demoPath, messages));
        EXPECT_TRUE(document.openDocument(demoPath));
        messages.entries.clear();
        QObject::connect(&controller, &TransferController::statusText,
                         [this](const QString& text) { statusTexts << text; });
    }

    // Runs a command; `whenOpen` drives the dialog once it is up. A stuck transfer is cancelled
    // after a while, so a fault fails the test instead of hanging it.
    void run(void (TransferController::*command)(), std::function<void(TransferDialog&)> whenOpen) {
        bool stuck = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            stuck = true;
            controller.cancelAndWait();
        });
        watchdog.start(30s);
        QObject scope;  // a command that shows no dialog leaves no timer behind
        QTimer::singleShot(0, &scope, [&] {
            if (controller.dialog()) whenOpen(*controller.dialog());
        });
        (controller.*command)();
        EXPECT_FALSE(stuck);
    }

    // Types the simulator's device into the port box and starts.
    static void start(TransferDialog& dialog, const test::ReceiverSimulator& simulator) {
        QLineEdit* edit = dialog.portBox()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromStdString(simulator.devicePath()));
        QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    }

    void makeModified() {
        ASSERT_TRUE(document.push(new RemoveDataChannels(document)));
        ASSERT_TRUE(document.isModified());
    }

    test::TemporaryDirectory dir;
    std::string demoPath = dir.file("Demo.ird");
    SnapshotSink messages;
    ChannelDocument document{messages};
    QWidget window;
    int saves = 0;
    bool saveSucceeds = true;
    TransferController controller{document, &window, [this] {
                                      ++saves;
                                      return saveSucceeds;
                                  }};
    QStringList statusTexts;
};

// Progress values between 0 and 100 the window showed while the transfer ran, sampled by a
// timer of the window's own event loop: a loop that stalls during the transfer sees none.
struct ProgressSampler {
    explicit ProgressSampler(TransferController& controller) {
        QObject::connect(&timer, &QTimer::timeout, [this, &controller] {
            const TransferDialog* dialog = controller.dialog();
            if (dialog && dialog->progressValue() > 0 && dialog->progressValue() < 100)
                seen.insert(dialog->progressValue());
        });
        timer.start(0);  // every pass of the loop
    }
    QTimer timer;
    std::set<int> seen;
};

TEST_F(TransferCommandsTest, UploadReplacesTheDocumentAfterOneQuestionAndKeepsTheWindowAlive) {
    test::ReceiverScript script;
    script.image = test::makeImage(test::makeRandomDatabase(91));
    test::ReceiverSimulator simulator(script);
    ASSERT_TRUE(simulator.start()) << simulator.error();
    makeModified();

    ProgressSampler sampler(controller);
    messages.answer({MessageButton::No});  // go on without saving
    run(&TransferController::upload, [&](TransferDialog& d) { start(d, simulator); });

    ChannelDatabase expected;
    SilentMessageSink quiet;
    ASSERT_EQ(readImage(expected, &script.image, quiet), 1);
    EXPECT_TRUE(document.database() == expected);
    EXPECT_EQ(QString::fromStdString(document.path()), QDir::current().filePath("ChData.ird"));
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.receivedFromReceiver());
    EXPECT_EQ(document.undoStack()->count(), 0);
    EXPECT_EQ(saves, 0);

    // The question once, then the protocol's closing box over a full bar.
    ASSERT_EQ(messages.ids(), (std::vector<int>{0, strings::UploadDone}));
    EXPECT_EQ(messages.shown[1].progress, 100);
    EXPECT_EQ(messages.shown[1].status, stringText(strings::UploadDone));
    EXPECT_GE(sampler.seen.size(), 3u) << "the window's event loop stalled";
    EXPECT_EQ(statusTexts, (QStringList{QStringLiteral("Uploading data in progress..."),
                                        QStringLiteral("Ready")}));
}

TEST_F(TransferCommandsTest, DownloadSendsTheDocumentByteForByteAndLeavesItAlone) {
    test::ReceiverScript script;
    script.role = test::ReceiverScript::Role::Receiver;
    script.extraPackets = 1;
    test::ReceiverSimulator simulator(script);
    ASSERT_TRUE(simulator.start()) << simulator.error();
    makeModified();
    const ChannelDatabase before = document.database();

    ProgressSampler sampler(controller);
    run(&TransferController::download, [&](TransferDialog& d) { start(d, simulator); });

    ASSERT_TRUE(simulator.waitForEnd(5s));
    EXPECT_EQ(simulator.receivedImage(), test::makeImage(before));
    EXPECT_TRUE(document.database() == before);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.path(), demoPath);
    EXPECT_EQ(document.undoStack()->count(), 1);
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::DownloadDone});  // no save question
    EXPECT_EQ(messages.shown[0].progress, 100);
    EXPECT_GE(sampler.seen.size(), 3u) << "the window's event loop stalled";
}

TEST_F(TransferCommandsTest, CancelDuringTheCountdownSaysSoAndClosesTheDialogWithTheFailureText) {
    test::ReceiverScript script;
    script.silent = true;
    test::ReceiverSimulator simulator(script);
    ASSERT_TRUE(simulator.start()) << simulator.error();
    const ChannelDatabase before = document.database();
    StoppedClock clock;
    controller.setClock(clock);

    run(&TransferController::upload, [&](TransferDialog& d) {
        QObject::connect(&d, &TransferDialog::runningChanged, &d, [&d](bool running) {
            if (running) QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        });
        start(d, simulator);
    });

    EXPECT_EQ(controller.dialog(), nullptr);
    // The cancel is said first, so the failure text is not taken for a fault of the line.
    ASSERT_EQ(messages.ids(),
              (std::vector<int>{strings::TransferCancelled, strings::UploadFailed}));
    EXPECT_EQ(messages.shown[1].status, stringText(strings::UploadFailed));
    EXPECT_TRUE(document.database() == before);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.path(), demoPath);
    simulator.stop();
    EXPECT_EQ(simulator.log().codesFromPc, std::vector<std::uint8_t>{0xEB});  // told to stop
}

TEST_F(TransferCommandsTest, ASaveQuestionAnsweredCancelOrAFailedSaveStopsTheUpload) {
    makeModified();
    const ChannelDatabase before = document.database();
    for (MessageButton answer : {MessageButton::Cancel, MessageButton::Yes}) {
        saveSucceeds = false;
        messages.answer({answer});
        bool dialogShown = false;
        run(&TransferController::upload, [&](TransferDialog&) {
            dialogShown = true;
            controller.cancelAndWait();
        });
        EXPECT_FALSE(dialogShown);
    }
    EXPECT_EQ(saves, 1);  // only Yes saves
    EXPECT_EQ(messages.ids(), (std::vector<int>{0, 0}));
    EXPECT_TRUE(document.database() == before);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.undoStack()->count(), 1);
    EXPECT_EQ(document.undoStack()->index(), 1);
    EXPECT_EQ(document.path(), demoPath);
    EXPECT_EQ(statusTexts.last(), QStringLiteral("Ready"));
}

TEST_F(TransferCommandsTest, AFailedDownloadStaysOpenForAnotherTryAndAShortOneIsToldAsSuch) {
    test::ReceiverScript silent;
    silent.role = test::ReceiverScript::Role::Receiver;
    silent.silent = true;
    test::ReceiverSimulator away(silent);
    test::ReceiverScript early = silent;
    early.silent = false;
    early.endAfterPacket = 5;
    test::ReceiverSimulator there(early);
    ASSERT_TRUE(away.start() && there.start());
    FastClock clock;
    controller.setClock(clock);
    makeModified();

    bool openAfterFailure = false;
    QString statusAfterFailure;
    run(&TransferController::download, [&](TransferDialog& d) {
        QObject::connect(&d, &TransferDialog::runningChanged, &d, [&](bool running) {
            if (running || !statusAfterFailure.isEmpty()) return;
            openAfterFailure = d.isVisible() && d.startButton()->isEnabled();
            statusAfterFailure = d.statusText();
            controller.setClock(steadyClock());
            QTimer::singleShot(0, &d, [&] { start(d, there); });
        });
        start(d, away);
    });

    EXPECT_TRUE(openAfterFailure);
    EXPECT_EQ(statusAfterFailure, stringText(strings::DownloadFailed));
    // The receiver took five packets and said it was done: a success, but not the whole image.
    ASSERT_EQ(messages.ids(), (std::vector<int>{strings::DownloadFailed, strings::DownloadDone,
                                                strings::ReceiverEndedEarly}));
    EXPECT_EQ(messages.entries[2].text,
              "The receiver ended the transfer after 5,169 of 655,424 bytes.");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.undoStack()->count(), 1);
}

TEST_F(TransferCommandsTest, ClosingTheWindowMidTransferCancelsItWithoutMoreBoxes) {
    test::ReceiverScript script;
    script.hangAfterPacket = 100;  // the receiver stops answering halfway
    script.image = test::makeImage(test::makeRandomDatabase(5));
    test::ReceiverSimulator simulator(script);
    ASSERT_TRUE(simulator.start()) << simulator.error();
    const ChannelDatabase before = document.database();

    bool wasBusy = false;
    run(&TransferController::upload, [&](TransferDialog& d) {
        QObject::connect(&d, &TransferDialog::runningChanged, &d, [&](bool running) {
            if (!running) return;
            QTimer::singleShot(300, &d, [&] {
                wasBusy = controller.busy();
                controller.cancelAndWait();  // what the window's closeEvent does
            });
        });
        start(d, simulator);
    });

    EXPECT_TRUE(wasBusy);
    EXPECT_FALSE(controller.busy());
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_TRUE(document.database() == before);
    EXPECT_FALSE(document.receivedFromReceiver());
}

}  // namespace
}  // namespace kavro::gui
