// kavro_fuzz_seeds OUT: writes a seed corpus for every harness into OUT/<harness>/, built by
// code: sound and damaged images, names in each coding, name-list files, settings blocks, and
// the receiver's side of complete and broken transfers as the simulated receiver plays them.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DatabaseBuilder.h"
#include "FuzzedReceiver.h"
#include "MemoryPort.h"
#include "RecordingTransferSession.h"
#include "database/ByteOrder.h"
#include "editing/DemoDatabase.h"
#include "link/Download.h"
#include "link/LinkFormat.h"
#include "link/Upload.h"

namespace kavro::fuzz {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class Corpus {
public:
    Corpus(fs::path root, const std::string& harness) : dir_(std::move(root) / harness) {
        fs::create_directories(dir_);
    }
    void add(const std::string& name, const Bytes& bytes) {
        std::ofstream out(dir_ / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        require(out.good(), "a seed written");
    }
    void add(const std::string& name, std::string_view text) {
        add(name, Bytes(text.begin(), text.end()));
    }

private:
    fs::path dir_;
};

// The receiver's bytes as the PC read them, in the harness's coding (silent reads as escapes).
class RecordingPort : public test::MemoryPort {
public:
    using MemoryPort::MemoryPort;
    int readByte(std::uint8_t& byte) override {
        const int n = MemoryPort::readByte(byte);
        if (n == 0) {
            if (silentRun_ == 0) {
                stream.push_back(FuzzedReceiver::kSilenceEscape);
                stream.push_back(0);
            }
            stream.back() = static_cast<std::uint8_t>(++silentRun_);
            if (silentRun_ == 255) silentRun_ = 0;
        } else {
            silentRun_ = 0;
            stream.push_back(byte);
            if (byte == FuzzedReceiver::kSilenceEscape) stream.push_back(0);
        }
        return n;
    }
    Bytes stream{0};  // flags: no Cancel, no failing write

private:
    unsigned silentRun_ = 0;
};

Bytes recordTransfer(const test::ReceiverScript& script) {
    test::ReceiverModel receiver(script);
    test::VirtualClock clock;
    RecordingPort port(receiver, clock);
    test::RecordingTransferSession session;
    SilentMessageSink messages;
    TransferOptions options;
    options.clock = &clock;
    if (script.role == test::ReceiverScript::Role::Sender) {
        ChannelDatabase db;
        upload(port, session, db, messages, options);
    } else {
        download(port, session, test::makeRandomDatabase(10), messages, options);
    }
    // What the PC read while the receiver was silent at the end adds nothing.
    while (port.stream.size() > 1 &&
           port.stream[port.stream.size() - 2] == FuzzedReceiver::kSilenceEscape &&
           port.stream.back() != 0)
        port.stream.resize(port.stream.size() - 2);
    return port.stream;
}

void transferSeeds(const fs::path& root) {
    using Script = test::ReceiverScript;
    ChannelDatabase demo;
    buildDemoDatabase(demo);
    Corpus up(root, "upload");
    Script s;
    s.image = test::makeImage(demo);
    s.headerDataLength = static_cast<std::uint32_t>(image::kMinFileSize - link::kHeaderSize);
    up.add("shortest-image", recordTransfer(s));
    Script noisy = s;
    noisy.noiseBeforeCall = {0x00, 0x55, 0xF0, 0xFF};
    noisy.callTwice = true;
    noisy.startDelayMs = 1500;
    up.add("noise-and-a-double-call", recordTransfer(noisy));
    Script version = s;
    version.headerVersion = 0x8208;
    up.add("wrong-version", recordTransfer(version));
    Script shortHeader = s;
    shortHeader.headerBytes = 40;
    up.add("short-header", recordTransfer(shortHeader));
    Script tooShort = s;
    tooShort.headerDataLength = 200000 - 64;
    up.add("image-too-short", recordTransfer(tooShort));
    Script hang = s;
    hang.hangAfterPacket = 3;
    Bytes hung = recordTransfer(hang);
    up.add("silent-after-packet-3", hung);
    hung[0] = 3;  // Cancel after a few polls, and the fifth write fails
    hung.insert(hung.begin() + 1, {0x01, 0x00, 5});
    up.add("cancel-and-a-failed-write", hung);

    Corpus down(root, "download");
    Script r;
    r.role = Script::Role::Receiver;
    down.add("whole-image", recordTransfer(r));
    Script early = r;
    early.endAfterPacket = 2;
    early.noiseBeforeCodes = {0x55, 0xF0};
    down.add("ends-after-2-noisy", recordTransfer(early));
    Script extra = r;
    extra.extraPackets = 2;
    extra.startDelayMs = 2000;
    down.add("asks-for-2-more", recordTransfer(extra));
    Script silent = r;
    silent.hangAfterPacket = 5;
    down.add("silent-after-packet-5", recordTransfer(silent));
}

void imageSeeds(const fs::path& root) {
    Corpus c(root, "image");
    // Patch inputs: a base image and changes to it (see ImageFuzzer.cpp).
    c.add("base-0", Bytes{0, 0, 0, 0});
    c.add("base-1", Bytes{1, 0, 0, 0});
    c.add("base-2-cut", Bytes{2, 0x09, 0x00, 0x40});
    const std::uint32_t counts = image::kSettingsOffset + image::kGroupCountAt;
    c.add("base-1-counts", Bytes{1,
                                 0,
                                 0,
                                 0,
                                 std::uint8_t(counts >> 16),
                                 std::uint8_t(counts >> 8),
                                 std::uint8_t(counts),
                                 14,
                                 0xFF,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0xFF,
                                 0xFF,
                                 0xFF,
                                 0xFF,
                                 0xFF,
                                 0xFF});
    // Whole files.
    ChannelDatabase demo;
    buildDemoDatabase(demo);
    Bytes file = test::makeImage(demo);
    c.add("demo-file", file);
    Bytes shortest(file.begin(), file.begin() + image::kMinFileSize);
    c.add("shortest-file", shortest);
    writeU32(&file[image::kVersionOffset], 0x8208);
    c.add("wrong-version-file", file);
}

void nameSeeds(const fs::path& root) {
    Corpus c(root, "names");
    c.add("latin", std::string("\x10") + "CNN International");
    c.add("arabic", std::string("\x0F") + "\xC7\xE1\xCC\xD2\xED\xD1\xC9 12");  // Al Jazeera 12
    c.add("lam-alef", std::string("\x13") + "\xE1\xC7 \xE1\xC3 \xE1\xC5 \xE1\xC2");
    c.add("latin1-marker", std::string("\x0F") + "\x05TRT \xC7ocuk  K\xF6y");
    c.add("glyph-field", std::string("\x0F") + "\x02\x31\x32\x20\xF5\x44\xDA\xBE");
    c.add("degree", std::string("\x13") +
                        "Astra 19.2\xB0"
                        "E");
}

void nameListSeeds(const fs::path& root) {
    Corpus c(root, "name_list");
    c.add("crlf", std::string_view(
                      "[Channel]\r\nCOUNT=3\r\nCH0=AL JAZEERA|\xC7\xE1\xCC\xD2\xED\xD1\xC9|\r\n"
                      "CH1=MBC|\xC5\xE3 \xC8\xED \xD3\xED|\r\nCH2=NILE TV|\r\n"));
    c.add("hand-edited",
          std::string_view(
              "\xEF\xBB\xBF; kept\n[Other]\nx = 1\n[channel]\n count = 2 \nch1=\"B|b|\"\n"
              "CH0 = A|a|\nCH0=twice\nCH01=leading zero\n[Channel]\nCOUNT=9\n"));
    c.add("huge-count", std::string_view("[Channel]\nCOUNT=99999999999\nCH5=five|\n"));
}

void settingsSeeds(const fs::path& root) {
    Corpus c(root, "settings");
    ChannelDatabase demo;
    buildDemoDatabase(demo);
    for (std::uint32_t seed : {0u, 1u, 2u}) {
        Bytes in = {6, 4, 3, 0, 1, 2, 2, 5, 16, 1, 3};
        const SettingsBlock block =
            seed == 0 ? demo.settings : test::makeRandomDatabase(seed).settings;
        in.insert(in.end(), block.begin(), block.end());
        for (int g = 0; g < 25; ++g) in.insert(in.end(), {0, std::uint8_t(g % 4)});
        c.add("block-" + std::to_string(seed), in);
    }
}

}  // namespace
}  // namespace kavro::fuzz

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kavro_fuzz_seeds OUT\n");
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    kavro::fuzz::imageSeeds(root);
    kavro::fuzz::nameSeeds(root);
    kavro::fuzz::nameListSeeds(root);
    kavro::fuzz::settingsSeeds(root);
    kavro::fuzz::transferSeeds(root);
    return 0;
}
