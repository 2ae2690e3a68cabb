#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "LinkTestRig.h"
#include "database/ByteOrder.h"
#include "database/ImageReader.h"
#include "link/LinkFormat.h"
#include "link/Upload.h"
#include "messages/StringIds.h"

namespace kavro::test {
namespace {

using namespace link;

class UploadTest : public ::testing::Test, public LinkTestRig {
protected:
    void SetUp() override {
        script.role = ReceiverScript::Role::Sender;
        script.image = makeImage(makeRandomDatabase(11));
        db = makeRandomDatabase(5);
        before = db;
    }

    bool run() {
        MemoryPort& p = wire();
        return upload(p, session, db, messages, clock, &received);
    }

    // The failure ending: the given messages, then the failure text, 0xEB as the last byte on
    // the line, the port closed and the database as it was.
    void expectFailure(std::vector<std::string> firstMessages = {}) {
        firstMessages.push_back(text(strings::UploadFailed));
        EXPECT_EQ(messageTexts(), firstMessages);
        ASSERT_FALSE(port->written.empty());
        EXPECT_EQ(port->written.back(), kEndOfTransfer);
        EXPECT_FALSE(port->isOpen());
        EXPECT_EQ(port->ioWhileClosed, 0);
        ASSERT_FALSE(session.statuses.empty());
        EXPECT_EQ(session.statuses.back(), text(strings::UploadFailed));
        EXPECT_EQ(firstDifference(before, db), "");
        EXPECT_TRUE(received.empty());
    }

    // First 1-based packet number whose payload's checksum has two different bytes.
    int packetWithUnevenChecksum() const {
        for (int k = 1;; ++k) {
            const auto start = kHeaderSize + std::size_t(k - 1) * kPayloadSize;
            const unsigned sum = std::accumulate(script.image.begin() + start,
                                                 script.image.begin() + start + kPayloadSize, 0u);
            if (((sum >> 8) & 0xFF) != (sum & 0xFF)) return k;
        }
    }

    ChannelDatabase db;
    ChannelDatabase before;
    IrdImage received;
};

TEST_F(UploadTest, StandardImageArrivesByteExactIn642Packets) {
    ASSERT_TRUE(run());

    EXPECT_EQ(received, script.image);
    ChannelDatabase expected;
    ASSERT_EQ(readImage(expected, &script.image, messages), 1);
    EXPECT_EQ(firstDifference(expected, db), "");

    const ReceiverLog& log = receiver->log();
    EXPECT_EQ(log.packetsSent, 642);
    EXPECT_TRUE(log.completed);
    // E2, E3, E4, E7, then E8 E7 per packet, and E8 EB after the last.
    std::vector<std::uint8_t> codes = {kReceiverReady, kSendHeader, kHeaderAccepted, kSendPacket};
    for (int k = 1; k < 642; ++k) codes.insert(codes.end(), {kPacketAccepted, kSendPacket});
    codes.insert(codes.end(), {kPacketAccepted, kEndOfTransfer});
    EXPECT_EQ(log.codesFromPc, codes);

    ASSERT_EQ(session.progress.size(), 643u);
    EXPECT_EQ(session.progress.front(), 0);
    EXPECT_TRUE(std::is_sorted(session.progress.begin(), session.progress.end()));
    EXPECT_EQ(session.progress[641], 99);  // after packet 641
    EXPECT_EQ(session.progress[642], 100);
    EXPECT_EQ(session.statuses, (std::vector<std::string>{"", text(strings::UploadHeaderDone),
                                                          text(strings::UploadDone)}));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{text(strings::UploadDone)});
    EXPECT_FALSE(port->isOpen());
    EXPECT_EQ(port->ioWhileClosed, 0);
}

TEST_F(UploadTest, LateReceiverAfterNoiseCallingTwiceIsAccepted) {
    script.startDelayMs = 3500;
    script.noiseBeforeCall = {0x00, 0x55, 0xE2, 0xFF};
    script.callTwice = true;
    ASSERT_TRUE(run());
    EXPECT_EQ(received, script.image);
    ASSERT_FALSE(session.countdowns.empty());
    EXPECT_EQ(session.countdowns.front(), 0);
    EXPECT_EQ(session.countdowns.back(), 3);
    EXPECT_TRUE(std::is_sorted(session.countdowns.begin(), session.countdowns.end()));
}

TEST_F(UploadTest, SilentReceiverFailsWhenTheCountdownReaches20) {
    script.silent = true;
    const std::uint64_t start = clock.now;
    EXPECT_FALSE(run());
    expectFailure();
    EXPECT_EQ(session.countdowns.front(), 0);
    EXPECT_EQ(session.countdowns.back(), 20);
    EXPECT_TRUE(std::is_sorted(session.countdowns.begin(), session.countdowns.end()));
    EXPECT_GE(clock.now - start, 20000u);
    EXPECT_LT(clock.now - start, 20000u + 2 * MemoryPort::kSilentReadMs);
    EXPECT_EQ(port->written, std::vector<std::uint8_t>{kEndOfTransfer});
}

// Upload waits take the first byte that arrives: anything but the awaited code fails, except
// a repeated call where the start code is due.
TEST_F(UploadTest, UnexpectedCodeOrNoiseInAWaitFails) {
    const std::pair<std::uint8_t, std::uint8_t> swaps[] = {
        {kStart, 0xE9}, {kDataReady, 0xE9}, {kDataReady, kSenderReady}, {kPacketFinished, 0x00}};
    for (auto swap : swaps) {
        SCOPED_TRACE(testing::Message() << std::hex << int(swap.first));
        messages.entries.clear();
        script.replaceCode = swap;
        EXPECT_FALSE(run());
        expectFailure();
        EXPECT_TRUE(receiver->log().abandoned);
    }
    script.replaceCode.reset();
    script.noiseBeforeCodes = {0x55};
    messages.entries.clear();
    EXPECT_FALSE(run());
    expectFailure();
}

TEST_F(UploadTest, HeaderWithWrongVersionMagicOrLengthFails) {
    script.headerVersion = 0x8208;
    EXPECT_FALSE(run());
    expectFailure({"DATA version must be: 00008209 !!!"});
    EXPECT_EQ(count(kHeaderAccepted), 0);

    script.headerVersion.reset();
    script.headerMagic = 0x04212501;
    messages.entries.clear();
    EXPECT_FALSE(run());
    expectFailure();
    EXPECT_EQ(count(kHeaderAccepted), 0);

    // 32-bit lengths near the top: no giant buffer, and no wrap to a tiny image either.
    script.headerMagic.reset();
    for (std::uint32_t length : {0xFFFFFFF0u, 0xFFFFFFC0u, 0x7FFFFFFFu}) {
        script.headerDataLength = length;
        messages.entries.clear();
        EXPECT_FALSE(run());
        expectFailure(
            {formatText(stringText(strings::ImageTooLong), static_cast<long long>(length) + 64)});
        EXPECT_EQ(count(kHeaderAccepted), 0);
    }
}

TEST_F(UploadTest, ShortHeaderFailsWithoutJudgingMissingBytes) {
    script.headerBytes = 40;
    EXPECT_FALSE(run());
    expectFailure();
    EXPECT_EQ(count(kHeaderAccepted), 0);
}

TEST_F(UploadTest, BadSwappedOrShortPacketFails) {
    script.badChecksumPacket = 5;
    EXPECT_FALSE(run());
    expectFailure();
    EXPECT_EQ(receiver->log().packetsSent, 5);
    EXPECT_EQ(count(kPacketAccepted), 4);

    script.badChecksumPacket = 0;
    script.swappedChecksumPacket = packetWithUnevenChecksum();
    messages.entries.clear();
    EXPECT_FALSE(run());
    expectFailure();
    EXPECT_EQ(count(kPacketAccepted), script.swappedChecksumPacket - 1);

    // A zero packet cut short after a zero packet: the missing tail in the reused buffer would
    // complete it with a valid checksum, so only counting the bytes catches it.
    script.swappedChecksumPacket = 0;
    for (int k = 2;; ++k) {
        const auto start = kHeaderSize + std::size_t(k - 2) * kPayloadSize;
        const auto end = start + 2 * kPayloadSize;
        ASSERT_LE(end, script.image.size()) << "the test image has no two zero packets";
        if (std::all_of(script.image.begin() + start, script.image.begin() + end,
                        [](std::uint8_t b) { return b == 0; })) {
            script.shortPacket = k;
            break;
        }
    }
    script.shortPacketBytes = 1000;
    messages.entries.clear();
    EXPECT_FALSE(run());
    expectFailure();
    EXPECT_EQ(count(kPacketAccepted), script.shortPacket - 1);
}

TEST_F(UploadTest, LastPartialPacketStoresOnlyImageBytesButChecksPadding) {
    // 10 full packets and 100 bytes; the receiver pads the last packet with 0x5A.
    script.headerDataLength = 10 * 1021 + 100;
    script.paddingByte = 0x5A;
    ASSERT_TRUE(run());
    EXPECT_EQ(receiver->log().packetsSent, 11);
    ASSERT_EQ(received.size(), image::kSize);
    const std::size_t end = 64 + 10 * 1021 + 100;
    EXPECT_TRUE(
        std::equal(received.begin() + 64, received.begin() + end, script.image.begin() + 64));
    EXPECT_TRUE(
        std::all_of(received.begin() + end, received.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(readU32(received.data() + kDataLengthOffset), 10u * 1021 + 100);
    EXPECT_EQ(session.progress.back(), 11 * 102100 / (10 * 1021 + 164));  // shown as 100

    // A body that fills its packets exactly still takes one packet more, which is neither
    // checked nor stored.
    script.headerDataLength = 10 * 1021;
    script.badChecksumPacket = 11;
    messages.entries.clear();
    ASSERT_TRUE(run());
    EXPECT_EQ(receiver->log().packetsSent, 11);
    EXPECT_TRUE(std::all_of(received.begin() + 64 + 10 * 1021, received.end(),
                            [](std::uint8_t b) { return b == 0; }));
}

TEST_F(UploadTest, SlightlyLongerImageArrivesWhole) {
    const std::size_t extra = 3000;
    for (std::size_t i = 0; i < extra; ++i)
        script.image.push_back(static_cast<std::uint8_t>(i * 7 + 1));
    script.headerDataLength = static_cast<std::uint32_t>(image::kSize + extra - 64);
    ASSERT_TRUE(run());
    EXPECT_EQ(receiver->log().packetsSent, 645);
    ASSERT_EQ(received.size(), image::kSize + extra);
    EXPECT_TRUE(std::equal(received.begin() + 64, received.end(), script.image.begin() + 64));
}

TEST_F(UploadTest, WriteFailureOfAControlCodeFails) {
    // Writes: E2, E3, E4, E7, E8 ...
    for (int call : {1, 3, 5}) {
        SCOPED_TRACE(call);
        messages.entries.clear();
        MemoryPort& p = wire();
        p.failWriteCall = call;
        EXPECT_FALSE(upload(p, session, db, messages, clock, &received));
        expectFailure();
        EXPECT_EQ(p.written.size(), std::size_t(call));  // the rest, then 0xEB
    }
}

TEST_F(UploadTest, PortThatCannotBeOpenedEndsAtOnce) {
    MemoryPort& p = wire();
    p.failOpen = true;
    EXPECT_FALSE(upload(p, session, db, messages, clock, &received));
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Cannot open the port 'COM3'."});
    EXPECT_TRUE(p.written.empty());
    EXPECT_EQ(firstDifference(before, db), "");
}

// Cancel is noticed at the next poll, whichever wait the protocol is in, and no byte is read
// after it.
TEST_F(UploadTest, CancelEndsEveryKindOfWait) {
    struct Case {
        const char* wait;
        void (*setup)(ReceiverScript&);
    };
    const Case cases[] = {
        {"receiver call", [](ReceiverScript& s) { s.silent = true; }},
        {"start code", [](ReceiverScript& s) { s.hangOnCode = kReceiverReady; }},
        {"header", [](ReceiverScript& s) { s.hangOnCode = kSendHeader; }},
        {"data ready", [](ReceiverScript& s) { s.hangOnCode = kHeaderAccepted; }},
        {"packet", [](ReceiverScript& s) { s.hangOnCode = kSendPacket; }},
        {"packet finished", [](ReceiverScript& s) { s.hangAfterPacket = 3; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wait);
        script = ReceiverScript{};
        script.image = makeImage(makeRandomDatabase(11));
        c.setup(script);
        messages.entries.clear();
        MemoryPort& p = wire();
        int readsAtCancel = -1;
        const std::uint64_t start = clock.now;
        session.cancelWhen = [&] {
            // Some silent reads into the wait, then the user presses Cancel.
            const bool waiting = receiver->log().hung || script.silent;
            if (!waiting || clock.now - start < 5000) return false;
            readsAtCancel = p.reads;
            return true;
        };
        EXPECT_FALSE(upload(p, session, db, messages, clock, &received));
        expectFailure();
        EXPECT_EQ(p.reads, readsAtCancel);
    }
}

}  // namespace
}  // namespace kavro::test
