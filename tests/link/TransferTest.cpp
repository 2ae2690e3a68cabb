#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "DatabaseBuilder.h"
#include "MemoryPort.h"
#include "RecordingMessageSink.h"
#include "RecordingTransferSession.h"
#include "database/ImageReader.h"
#include "link/Download.h"
#include "link/LinkFormat.h"
#include "link/TransferOptions.h"
#include "link/Upload.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro::test {
namespace {

using namespace link;

// One protocol run against the receiver model over the in-memory port, with virtual time.
struct LinkTest : ::testing::Test {
    ReceiverScript script;
    VirtualClock clock;
    std::unique_ptr<ReceiverModel> receiver;
    std::unique_ptr<MemoryPort> port;
    RecordingTransferSession session;
    RecordingMessageSink messages;
    ChannelDatabase db = makeRandomDatabase(5);
    const ChannelDatabase before = db;

    TransferOptions options = [this] {
        TransferOptions o;
        o.clock = &clock;
        return o;
    }();
    int readsAtCancel = -1;

    // A receiver from `script` and its port; with `cancelWhenStuck` Cancel is pressed once the
    // receiver has been silent or hung for 5 s, and the reads so far are noted.
    MemoryPort& wire(int failWriteCall = 0, bool cancelWhenStuck = false) {
        receiver = std::make_unique<ReceiverModel>(script);
        port = std::make_unique<MemoryPort>(*receiver, clock);
        port->failWriteCall = failWriteCall;
        session = {};
        messages.entries.clear();
        readsAtCancel = -1;
        session.cancelWhen = [this, cancelWhenStuck, start = clock.now] {
            // A transfer that would wait for ever ends here, as cancelled, and fails its test.
            if (clock.now - start > 3'600'000) return true;
            const bool stuck = receiver->log().hung || script.silent;
            if (!cancelWhenStuck || !stuck || clock.now - start < 5000) return false;
            readsAtCancel = port->reads;
            return true;
        };
        return *port;
    }

    // The transfer gave up `limitMs` after the receiver's last byte, within one silent read.
    void expectSilenceOf(std::uint64_t limitMs) {
        ASSERT_GT(port->lastByteAtMs, 0u);
        EXPECT_GE(port->endedAtMs - port->lastByteAtMs, limitMs);
        EXPECT_LE(port->endedAtMs - port->lastByteAtMs, limitMs + MemoryPort::kSilentReadMs);
    }

    int count(std::uint8_t code) const {
        const auto& codes = receiver->log().codesFromPc;
        return static_cast<int>(std::count(codes.begin(), codes.end(), code));
    }

    // What every failed transfer leaves: `first`, then the failure text as message and status,
    // the port closed with no I/O after it, and the database as it was.
    void expectFailure(int failedId, std::vector<std::string> first = {}) {
        first.emplace_back(stringText(failedId));
        std::vector<std::string> texts;
        for (const auto& e : messages.entries) texts.push_back(e.text);
        EXPECT_EQ(texts, first);
        ASSERT_FALSE(session.statuses.empty());
        EXPECT_EQ(session.statuses.back(), first.back());
        EXPECT_FALSE(port->isOpen());
        EXPECT_EQ(port->ioWhileClosed, 0);
        EXPECT_EQ(firstDifference(before, db), "");
    }
};

class UploadTest : public LinkTest {
protected:
    UploadTest() { script.image = image; }

    bool run() { return upload(wire(), session, db, messages, clock, &received); }

    const IrdImage image = makeImage(makeRandomDatabase(11));
    IrdImage received;
};

TEST_F(UploadTest, ImageArrivesByteExactAfterNoiseAndADoubleCall) {
    script.startDelayMs = 3500;
    script.noiseBeforeCall = {0x00, 0x55, 0xE2, 0xFF};
    script.callTwice = true;
    ASSERT_TRUE(run());
    EXPECT_EQ(messages.ids(), std::vector<int>{strings::UploadDone});
    EXPECT_EQ(received, script.image);
    ChannelDatabase expected;
    ASSERT_EQ(readImage(expected, &script.image, messages), 1);
    EXPECT_EQ(firstDifference(expected, db), "");

    EXPECT_TRUE(receiver->log().completed);
    // E2, E3, E4, E7, then E8 E7 per packet, and E8 EB after the last.
    std::vector<std::uint8_t> codes = {kReceiverReady, kSendHeader, kHeaderAccepted, kSendPacket};
    for (int k = 1; k < 642; ++k) codes.insert(codes.end(), {kPacketAccepted, kSendPacket});
    codes.insert(codes.end(), {kPacketAccepted, kEndOfTransfer});
    EXPECT_EQ(receiver->log().codesFromPc, codes);

    ASSERT_EQ(session.progress.size(), 643u);  // the sequence itself: SerialTransferTest
    EXPECT_EQ(session.progress[641], 99);
    EXPECT_EQ(session.progress[642], 100);
    EXPECT_EQ(session.statuses, (std::vector<std::string>{"", "Successful to Upload Header.",
                                                          "Successful to Upload data."}));
}

// The header's length decides the packets and how much of the last one is stored; a body
// filling its packets exactly takes one more that is neither checked nor stored. Exactly the
// bytes that arrived come back, however short of a whole image.
TEST_F(UploadTest, AnnouncedLengthDecidesThePacketsAndTheStoredBytes) {
    for (auto [dataLength, packets, badPacket] : {std::tuple{578u * 1021 - 300, 578, 0},
                                                  {578u * 1021, 579, 579},
                                                  {image::kSize + 3000 - 64, 645, 0}}) {
        SCOPED_TRACE(dataLength);
        script.headerDataLength = dataLength;
        script.badChecksumPacket = badPacket;
        script.paddingByte = 0x5A;
        const std::size_t end = kHeaderSize + dataLength;
        while (script.image.size() < end) script.image.push_back(script.image.size() * 7 + 1);
        TransferReport report;
        ASSERT_TRUE(upload(wire(), session, db, messages, options, &report, &received));
        EXPECT_EQ(receiver->log().packetsSent, packets);
        ASSERT_EQ(received.size(), end);
        EXPECT_EQ(report.imageBytes, end);
        EXPECT_EQ(report.imageSize, end);
        EXPECT_TRUE(std::equal(received.begin() + kHeaderSize, received.end(),
                               script.image.begin() + kHeaderSize));
    }
}

// However an upload fails, the receiver gets 0xEB, the port is closed and the database kept.
// Anything but the awaited code fails (a repeated call aside); Cancel stops all reading, and
// so does a receiver silent for 30 s once it answered.
TEST_F(UploadTest, EveryFailureTellsTheReceiverAndKeepsTheDatabase) {
    using S = ReceiverScript&;
    // BadBlock: never acknowledged; Cancel after 5 s; Silence: nothing pressed
    enum Kind { Fault, BadBlock, Cancel, Silence };
    const std::string version = "DATA version must be: 00008209 !!!";
    const std::string tooLong = formatText(stringText(strings::ImageTooLong), 0x100000000LL);
    auto tooShort = [](long long length) {
        return std::vector{formatText(stringText(strings::ImageTooShort), length)};
    };
    const std::vector<std::string> silent = {formatText(stringText(strings::ReceiverSilent), 30)};
    const struct Case {
        const char* name;
        Kind kind;
        void (*setup)(ReceiverScript&);
        int failWrite = 0;
        std::vector<std::string> messages = {};
    } cases[] = {
        {"silence", Fault, [](S s) { s.silent = true; }},
        {"noise before a code", Fault, [](S s) { s.noiseBeforeCodes = {0x55}; }},
        {"0xE9 for the start", Fault, [](S s) { s.replaceCode.emplace(kStart, 0xE9); }},
        {"a call for data ready", Fault, [](S s) { s.replaceCode.emplace(kDataReady, 0xE1); }},
        {"0 for packet finished", Fault, [](S s) { s.replaceCode.emplace(kPacketFinished, 0); }},
        {"wrong version", BadBlock, [](S s) { s.headerVersion = 0x8208; }, 0, {version}},
        {"wrong magic", BadBlock, [](S s) { s.headerMagic = 0x04212501; }},
        {"short header", BadBlock, [](S s) { s.headerBytes = 40; }},
        {"length wrapping", BadBlock, [](S s) { s.headerDataLength = 0xFFFFFFC0; }, 0, {tooLong}},
        {"200,000 bytes", BadBlock, [](S s) { s.headerDataLength = 200000 - 64; }, 0,
         tooShort(200000)},
        {"one byte short", BadBlock, [](S s) { s.headerDataLength = 0x90000 - 1; }, 0,
         tooShort(0x90040 - 1)},
        {"no data", BadBlock, [](S s) { s.headerDataLength = 0; }, 0, tooShort(64)},
        {"bad checksum", BadBlock, [](S s) { s.badChecksumPacket = 5; }},
        {"swapped checksum", BadBlock, [](S s) { s.swappedChecksumPacket = 3; }},
        {"short packet", BadBlock, [](S s) { s.shortPacket = 5; }},
        {"write of 0xE2", Fault, [](S) {}, 1},
        {"write of 0xE4", Fault, [](S) {}, 3},
        {"write of 0xE8", Fault, [](S) {}, 5},
        {"cancel in the call", Cancel, [](S s) { s.silent = true; }},
        {"cancel before 0xEF", Cancel, [](S s) { s.hangOnCode = kReceiverReady; }},
        {"cancel in the header", Cancel, [](S s) { s.hangOnCode = kSendHeader; }},
        {"cancel before 0xE6", Cancel, [](S s) { s.hangOnCode = kHeaderAccepted; }},
        {"cancel in a packet", Cancel, [](S s) { s.hangOnCode = kSendPacket; }},
        {"cancel before 0xEA", Cancel, [](S s) { s.hangAfterPacket = 3; }},
        {"silence before 0xEF", Silence, [](S s) { s.hangOnCode = kReceiverReady; }, 0, silent},
        {"silence in the header", Silence, [](S s) { s.hangOnCode = kSendHeader; }, 0, silent},
        {"silence before 0xE6", Silence, [](S s) { s.hangOnCode = kHeaderAccepted; }, 0, silent},
        {"silence in a packet", Silence, [](S s) { s.hangOnCode = kSendPacket; }, 0, silent},
        {"silence after packet 100", Silence, [](S s) { s.hangAfterPacket = 100; }, 0, silent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        script = ReceiverScript{};
        // Packet 3 sums to 1 (a swap shows); packets 4, 5 are zero (a cut 5 must not pass).
        script.image = image;
        std::fill_n(script.image.begin() + 64 + 2 * 1021, 3 * 1021, 0);
        script.image[64 + 2 * 1021] = 1;
        c.setup(script);
        const std::uint64_t start = clock.now;
        MemoryPort& p = wire(c.failWrite, c.kind == Cancel);
        TransferReport report;
        EXPECT_FALSE(upload(p, session, db, messages, options, &report, &received));
        expectFailure(strings::UploadFailed, c.messages);
        EXPECT_TRUE(!p.written.empty() && p.written.back() == kEndOfTransfer);
        EXPECT_TRUE(received.empty());
        const int acks = count(kHeaderAccepted) + count(kPacketAccepted);
        EXPECT_TRUE(c.kind != BadBlock || acks == receiver->log().packetsSent) << acks;
        EXPECT_TRUE(c.kind != Cancel || p.reads == readsAtCancel) << p.reads;
        EXPECT_EQ(report.cancelled, c.kind == Cancel);
        EXPECT_EQ(report.receiverSilent, c.kind == Silence);
        if (c.kind == Silence) expectSilenceOf(30'000);
        if (c.kind == Fault && script.silent) {
            EXPECT_EQ(session.countdowns.back(), 20);
            EXPECT_GE(clock.now - start, 20000u);
            EXPECT_LT(clock.now - start, 20000u + 2 * MemoryPort::kSilentReadMs);
        }
    }
}

class DownloadTest : public LinkTest {
protected:
    DownloadTest() { script.role = ReceiverScript::Role::Receiver; }

    bool run() { return download(wire(), session, db, messages, options); }

    const IrdImage image = makeImage(db);
};

// The PC calls with every silent read until the receiver answers, and passes over noise.
TEST_F(DownloadTest, ImageArrivesByteExactThroughNoiseAndALateAnswer) {
    script.noiseBeforeCodes = {0x00, 0x55, 0xAA, 0xFF, 0x47, 0xE1};
    script.startDelayMs = 2500;
    ASSERT_TRUE(run());
    EXPECT_EQ(messages.ids(), std::vector<int>{strings::DownloadDone});
    const ReceiverLog& log = receiver->log();
    EXPECT_TRUE(log.completed);
    EXPECT_EQ(receiver->receivedImage(), image);

    std::vector<std::uint8_t> codes(count(kSenderReady), kSenderReady);
    EXPECT_GE(codes.size(), 2500 / MemoryPort::kSilentReadMs);
    codes.insert(codes.end(), {kStart, kDataReady});
    codes.insert(codes.end(), 642, kPacketFinished);
    codes.push_back(kEndConfirmed);
    EXPECT_EQ(log.codesFromPc, codes);

    EXPECT_EQ(session.countdowns.back(), 2);
    ASSERT_EQ(session.progress.size(), 643u);  // the sequence itself: SerialTransferTest
    EXPECT_EQ(session.progress.back(), 99);    // 100 needs a 643rd packet
    EXPECT_EQ(session.statuses, (std::vector<std::string>{"", "Successful to Download Header.",
                                                          "Successful to Download data."}));
}

TEST_F(DownloadTest, LastDataPacketIsPaddedAndFillerPacketsFollow) {
    script.extraPackets = 3;
    ASSERT_TRUE(run());
    const ReceiverLog& log = receiver->log();
    ASSERT_EQ(log.packetsReceived, 645);
    EXPECT_EQ(log.badPacketsReceived, 0);

    const Packet& last = log.packets[641];  // the image's last 899 bytes, then zeros
    EXPECT_TRUE(std::equal(image.end() - 899, image.end(), last.begin() + 1));
    EXPECT_EQ(std::count(last.begin() + 900, last.begin() + 1022, 0), 122);
    const unsigned sum = std::accumulate(image.end() - 899, image.end(), 0u) & 0xFFFF;
    EXPECT_EQ(unsigned(last[1022] << 8 | last[1023]), sum);
    Packet filler{};
    filler[0] = 'G';
    for (int k = 642; k < 645; ++k) EXPECT_EQ(log.packets[k], filler);
    const std::vector<int> tailProgress(session.progress.end() - 4, session.progress.end());
    EXPECT_EQ(tailProgress, (std::vector<int>{99, 100, 100, 100}));
}

// The receiver may end after any packet; the report says how much of the image it took, and
// the note about it appears only when that is less than the whole.
TEST_F(DownloadTest, ReceiverMayEndAfterAnyPacketAndTheReportSaysHowMuchItTook) {
    for (auto [endAfter, bytes] : {std::pair{2, 2106ull}, {642, 655424ull}, {644, 655424ull}}) {
        SCOPED_TRACE(endAfter);
        script.endAfterPacket = endAfter;
        script.extraPackets = 2;
        TransferReport report;
        ASSERT_TRUE(download(wire(), session, db, messages, options, &report));
        EXPECT_EQ(receiver->log().packetsReceived, endAfter);
        EXPECT_TRUE(receiver->log().completed);
        EXPECT_EQ(report.imageBytes, bytes);
        EXPECT_EQ(report.imageSize, image::kSize);
        reportShortTransfer(report, messages);
        std::vector<std::string> texts;
        for (const auto& e : messages.entries) texts.push_back(e.text);
        std::vector<std::string> expected = {"Successful to Download data."};
        if (bytes < image::kSize)
            expected.push_back("The receiver ended the transfer after 2,106 of 655,424 bytes.");
        EXPECT_EQ(texts, expected);
    }
}

// The silence limit is the caller's.
TEST_F(DownloadTest, SilenceLimitComesFromTheOptions) {
    options.silenceSeconds = 5;
    script.hangAfterPacket = 100;
    EXPECT_FALSE(download(wire(), session, db, messages, options));
    expectFailure(strings::DownloadFailed,
                  {"The receiver stopped answering: nothing arrived for 5 s."});
    expectSilenceOf(5000);
}

TEST_F(DownloadTest, DatabaseBeyondTheImageIsNotSent) {
    DatabaseBuilder big;
    for (int s = 0; s < 361; ++s) big.satellite("S" + std::to_string(s));
    db = big.build();
    EXPECT_FALSE(run());
    EXPECT_EQ(messages.ids(),
              (std::vector<int>{strings::TooManySatellites, strings::CannotReadFromList}));
    EXPECT_TRUE(port->written.empty());
    EXPECT_FALSE(port->isOpen());
}

// A failed download sends no closing code and closes the port; Cancel stops all reading, and
// so does a receiver silent for 30 s once it answered (noise keeps it alive).
TEST_F(DownloadTest, EveryFailureClosesThePortWithoutAClosingCode) {
    using S = ReceiverScript&;
    const std::vector<std::string> silent = {formatText(stringText(strings::ReceiverSilent), 30)};
    const struct Case {
        const char* name;
        void (*setup)(ReceiverScript&);
        int failWrite = 0;  // E1, EF, header, E6, packet, EA, packet, EA (the end), ED
        bool cancel = false;
        std::vector<std::string> messages = {};
    } cases[] = {
        {"silence", [](S s) { s.silent = true; }},
        {"write of 0xE1", [](S) {}, 1},
        {"write of 0xEF", [](S) {}, 2},
        {"write of the header", [](S) {}, 3},
        {"write of 0xE6", [](S) {}, 4},
        {"write of a packet", [](S) {}, 5},
        {"write of 0xEA", [](S) {}, 6},
        {"write of 0xED", [](S) {}, 9},
        {"cancel in the call", [](S s) { s.silent = true; }, 0, true},
        {"cancel before 0xE3", [](S s) { s.hangOnCode = kStart; }, 0, true},
        {"cancel before 0xE4", [](S s) { s.hangAfterHeader = true; }, 0, true},
        {"cancel before 0xE7", [](S s) { s.hangOnCode = kDataReady; }, 0, true},
        {"cancel before 0xE8", [](S s) { s.hangAfterPacket = 2; }, 0, true},
        {"cancel before 0xE7 or 0xEB", [](S s) { s.hangOnCode = kPacketFinished; }, 0, true},
        {"silence before 0xE3", [](S s) { s.hangOnCode = kStart; }, 0, false, silent},
        {"silence before 0xE4", [](S s) { s.hangAfterHeader = true; }, 0, false, silent},
        {"silence before 0xE7", [](S s) { s.hangOnCode = kDataReady; }, 0, false, silent},
        {"silence after packet 100",
         [](S s) {
             s.endAfterPacket = 0;
             s.hangAfterPacket = 100;
         },
         0, false, silent},
        {"silence before 0xE7 or 0xEB", [](S s) { s.hangOnCode = kPacketFinished; }, 0, false,
         silent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        script = ReceiverScript{};
        script.role = ReceiverScript::Role::Receiver;
        script.endAfterPacket = 2;
        c.setup(script);
        MemoryPort& p = wire(c.failWrite, c.cancel);
        TransferReport report;
        EXPECT_FALSE(download(p, session, db, messages, options, &report));
        expectFailure(strings::DownloadFailed, c.messages);
        EXPECT_EQ(count(kEndConfirmed), 0);
        EXPECT_TRUE(!c.cancel || p.reads == readsAtCancel) << p.reads;
        EXPECT_EQ(report.cancelled, c.cancel);
        EXPECT_EQ(report.receiverSilent, !c.messages.empty());
        if (!c.messages.empty()) expectSilenceOf(30'000);
        if (script.silent && !c.cancel) {
            EXPECT_EQ(session.countdowns.back(), 20);
            EXPECT_EQ(p.written, std::vector<std::uint8_t>(p.written.size(), kSenderReady));
        }
    }
}

}  // namespace
}  // namespace kavro::test
