// kavro-receiver-sim: a receiver on a pseudo-terminal, so a transfer can be tried end to end
// without the hardware.
#include <atomic>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "DatabaseBuilder.h"
#include "ReceiverSimulator.h"
#include "SimulatorOptions.h"
#include "editing/DemoDatabase.h"
#include "link/LinkFormat.h"

namespace {

std::atomic<bool> interrupted{false};

void onSignal(int) {
    interrupted = true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kavro;
    using namespace kavro::test;

    SimulatorOptions options;
    std::string error;
    if (!parseSimulatorOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "kavro-receiver-sim: " << error << "\n"
                  << "Run 'kavro-receiver-sim --help' for the switches.\n";
        return 2;
    }
    if (options.help) {
        std::cout << kSimulatorUsage;
        return 0;
    }

    ReceiverScript& script = options.script;
    const bool sender = script.role == ReceiverScript::Role::Sender;
    if (sender) {
        if (options.imagePath.empty()) {
            ChannelDatabase db;
            buildDemoDatabase(db);
            script.image = makeImage(db);
        } else {
            script.image = readBytes(options.imagePath);
            if (script.image.size() < link::kHeaderSize) {
                std::cerr << "kavro-receiver-sim: '" << options.imagePath
                          << "' cannot be read as an image\n";
                return 1;
            }
        }
    }

    ReceiverSimulator simulator(script, options.lineBaud);
    if (!simulator.start()) {
        std::cerr << "kavro-receiver-sim: " << simulator.error() << "\n";
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);

    const std::string& device = simulator.devicePath();
    std::cout << "Receiver simulator on " << device << "\n"
              << (sender ? "Now run: kavro-cli upload --port " + device + " OUT.ird"
                         : "Now run: kavro-cli download --port " + device + " IN.ird")
              << "\n(Ctrl+C ends the simulator.)" << std::endl;

    while (!interrupted && !simulator.waitForEnd(std::chrono::milliseconds(200))) {
    }
    simulator.stop();

    const ReceiverLog log = simulator.log();
    if (sender) {
        std::cout << "Sent " << log.packetsSent << " packets; "
                  << (log.completed   ? "the PC took the whole image."
                      : log.abandoned ? "the PC abandoned the transfer."
                      : log.hung      ? "the receiver fell silent as asked."
                                      : "the transfer did not finish.")
                  << std::endl;
    } else {
        std::cout << "Received " << log.packetsReceived << " packets (" << log.badPacketsReceived
                  << " with a wrong marker or checksum); "
                  << (log.completed ? "the PC confirmed the end."
                      : log.hung    ? "the receiver fell silent as asked."
                                    : "the transfer did not finish.")
                  << std::endl;
        if (!options.savePath.empty() && log.header.size() == link::kHeaderSize) {
            const IrdImage image = simulator.receivedImage();
            if (!writeBytes(options.savePath, image)) {
                std::cerr << "kavro-receiver-sim: cannot write '" << options.savePath << "'\n";
                return 1;
            }
            std::cout << "Saved " << image.size() << " bytes to " << options.savePath << std::endl;
        }
    }
    return log.completed ? 0 : 1;
}
