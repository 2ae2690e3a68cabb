#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "LinkTestRig.h"
#include "database/ImageWriter.h"
#include "link/Download.h"
#include "link/LinkFormat.h"
#include "messages/StringIds.h"

namespace kavro::test {
namespace {

using namespace link;

class DownloadTest : public ::testing::Test, public LinkTestRig {
protected:
    void SetUp() override {
        script.role = ReceiverScript::Role::Receiver;
        db = makeRandomDatabase(23);
        before = db;
        image = makeImage(db);
    }

    bool run() {
        MemoryPort& p = wire();
        return download(p, session, db, messages, clock);
    }

    // The failure ending: no code after the failure, the port closed, the failure text.
    void expectFailure(std::vector<std::string> firstMessages = {}) {
        firstMessages.push_back(text(strings::DownloadFailed));
        EXPECT_EQ(messageTexts(), firstMessages);
        EXPECT_FALSE(port->isOpen());
        EXPECT_EQ(port->ioWhileClosed, 0);
        EXPECT_EQ(count(kEndOfTransfer), 0);
        EXPECT_EQ(count(kEndConfirmed), 0);
        ASSERT_FALSE(session.statuses.empty());
        EXPECT_EQ(session.statuses.back(), text(strings::DownloadFailed));
    }

    ChannelDatabase db;
    ChannelDatabase before;
    IrdImage image;
};

TEST_F(DownloadTest, StandardImageArrivesByteExactIn642Packets) {
    ASSERT_TRUE(run());
    const ReceiverLog& log = receiver->log();
    EXPECT_TRUE(log.completed);
    EXPECT_EQ(log.packetsReceived, 642);
    EXPECT_EQ(log.badPacketsReceived, 0);
    EXPECT_EQ(receiver->receivedImage(), image);
    EXPECT_EQ(firstDifference(before, db), "");

    std::vector<std::uint8_t> codes = {kSenderReady, kStart, kDataReady};
    codes.insert(codes.end(), 642, kPacketFinished);
    codes.push_back(kEndConfirmed);
    EXPECT_EQ(log.codesFromPc, codes);
    EXPECT_EQ(port->blockSizes.front(), kHeaderSize);
    EXPECT_EQ(port->blockSizes.size(), 643u);

    ASSERT_EQ(session.progress.size(), 643u);
    EXPECT_EQ(session.progress.front(), 0);
    EXPECT_TRUE(std::is_sorted(session.progress.begin(), session.progress.end()));
    EXPECT_EQ(session.progress.back(), 99);  // 100 needs a 643rd packet
    EXPECT_EQ(session.statuses, (std::vector<std::string>{"", text(strings::DownloadHeaderDone),
                                                          text(strings::DownloadDone)}));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{text(strings::DownloadDone)});
    EXPECT_FALSE(port->isOpen());
}

TEST_F(DownloadTest, LastDataPacketIsPaddedAndFillerPacketsFollow) {
    script.extraPackets = 3;
    ASSERT_TRUE(run());
    const ReceiverLog& log = receiver->log();
    ASSERT_EQ(log.packetsReceived, 645);

    const Packet& last = log.packets[641];
    const std::size_t tail = image::kSize - 64 - 641 * kPayloadSize;
    ASSERT_EQ(tail, 899u);
    EXPECT_TRUE(std::equal(last.begin() + 1, last.begin() + 1 + tail, image.end() - tail));
    EXPECT_TRUE(std::all_of(last.begin() + 1 + tail, last.begin() + 1 + kPayloadSize,
                            [](std::uint8_t b) { return b == 0; }));
    const unsigned sum = std::accumulate(image.end() - tail, image.end(), 0u) & 0xFFFF;
    EXPECT_EQ(last[1022], sum >> 8);
    EXPECT_EQ(last[1023], sum & 0xFF);

    for (int k = 642; k < 645; ++k) {
        EXPECT_EQ(log.packets[k][0], 'G');
        EXPECT_TRUE(std::all_of(log.packets[k].begin() + 1, log.packets[k].end(),
                                [](std::uint8_t b) { return b == 0; }));
    }
    EXPECT_EQ(log.badPacketsReceived, 0);
    const std::vector<int> tailProgress(session.progress.end() - 4, session.progress.end());
    EXPECT_EQ(tailProgress, (std::vector<int>{99, 100, 100, 100}));
}

TEST_F(DownloadTest, ReceiverMayEndAfterAnyPacket) {
    script.endAfterPacket = 5;
    ASSERT_TRUE(run());
    EXPECT_EQ(receiver->log().packetsReceived, 5);
    EXPECT_TRUE(receiver->log().completed);
    EXPECT_EQ(receiver->log().codesFromPc.back(), kEndConfirmed);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{text(strings::DownloadDone)});
}

TEST_F(DownloadTest, NoiseAndALateAnswerAreWaitedOut) {
    script.noiseBeforeCodes = {0x00, 0x55, 0xAA, 0xFF, 0x47, 0xE1};
    script.startDelayMs = 2500;
    ASSERT_TRUE(run());
    EXPECT_EQ(receiver->receivedImage(), image);
    EXPECT_EQ(session.countdowns.front(), 0);
    EXPECT_EQ(session.countdowns.back(), 2);
    // The call is repeated with every silent read until the receiver answers.
    EXPECT_GE(count(kSenderReady), 2500 / int(MemoryPort::kSilentReadMs));
}

TEST_F(DownloadTest, SilentReceiverFailsAfter20SecondsWithNoClosingCode) {
    script.silent = true;
    EXPECT_FALSE(run());
    expectFailure();
    EXPECT_EQ(session.countdowns.back(), 20);
    EXPECT_TRUE(std::is_sorted(session.countdowns.begin(), session.countdowns.end()));
    EXPECT_TRUE(std::all_of(port->written.begin(), port->written.end(),
                            [](std::uint8_t b) { return b == kSenderReady; }));
}

TEST_F(DownloadTest, IncompleteWriteFails) {
    // Writes with the receiver ending after packet 2: E1, EF, header, E6, packet, EA,
    // packet, EA, ED.
    script.endAfterPacket = 2;
    for (int call : {1, 2, 3, 4, 5, 6, 9}) {
        SCOPED_TRACE(call);
        messages.entries.clear();
        MemoryPort& p = wire();
        p.failWriteCall = call;
        EXPECT_FALSE(download(p, session, db, messages, clock));
        expectFailure();
    }
}

TEST_F(DownloadTest, DatabaseBeyondTheImageIsNotSent) {
    DatabaseBuilder big;
    for (int s = 0; s < 361; ++s) big.satellite("S" + std::to_string(s));
    db = big.build();
    EXPECT_FALSE(run());
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{formatText(stringText(strings::TooManySatellites), 360),
                                        text(strings::CannotReadFromList)}));
    EXPECT_TRUE(port->written.empty());
    EXPECT_FALSE(port->isOpen());
}

TEST_F(DownloadTest, PortThatCannotBeOpenedEndsAtOnce) {
    MemoryPort& p = wire();
    p.failOpen = true;
    EXPECT_FALSE(download(p, session, db, messages, clock));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Cannot open the port 'COM3'."});
    EXPECT_TRUE(p.written.empty());
}

TEST_F(DownloadTest, CancelEndsEveryKindOfWait) {
    struct Case {
        const char* wait;
        void (*setup)(ReceiverScript&);
    };
    const Case cases[] = {
        {"receiver answer", [](ReceiverScript& s) { s.silent = true; }},
        {"header request", [](ReceiverScript& s) { s.hangOnCode = kStart; }},
        {"header accepted", [](ReceiverScript& s) { s.hangAfterHeader = true; }},
        {"first packet request", [](ReceiverScript& s) { s.hangOnCode = kDataReady; }},
        {"packet accepted", [](ReceiverScript& s) { s.hangAfterPacket = 2; }},
        {"next request or end", [](ReceiverScript& s) { s.hangOnCode = kPacketFinished; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wait);
        script = ReceiverScript{};
        script.role = ReceiverScript::Role::Receiver;
        c.setup(script);
        messages.entries.clear();
        MemoryPort& p = wire();
        int readsAtCancel = -1;
        const std::uint64_t start = clock.now;
        session.cancelWhen = [&] {
            const bool waiting = receiver->log().hung || script.silent;
            if (!waiting || clock.now - start < 5000) return false;
            readsAtCancel = p.reads;
            return true;
        };
        EXPECT_FALSE(download(p, session, db, messages, clock));
        expectFailure();
        EXPECT_EQ(p.reads, readsAtCancel);
    }
}

TEST_F(DownloadTest, CancelBeforeAPacketSendsNoMorePackets) {
    MemoryPort& p = wire();
    session.cancelWhen = [&] { return receiver->log().packetsReceived == 3; };
    EXPECT_FALSE(download(p, session, db, messages, clock));
    expectFailure();
    EXPECT_EQ(receiver->log().packetsReceived, 3);
}

}  // namespace
}  // namespace kavro::test
