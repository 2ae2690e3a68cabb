#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

namespace {

// QSerialPort creates socket notifiers when it opens; they want an application object.
struct QtApplicationEnvironment : ::testing::Environment {
    void SetUp() override { app = std::make_unique<QCoreApplication>(argc, argv); }
    void TearDown() override { app.reset(); }

    int argc = 1;
    char name[32] = "kavro_serial_tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
