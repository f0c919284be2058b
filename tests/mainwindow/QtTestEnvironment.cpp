#include <QApplication>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

// Widgets need one application object for the whole test binary; run by
// hand, a test binary needs no display either.
class QtTestEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QApplication>(argc, argv.data());
    }
    void TearDown() override { app.reset(); }

private:
    int argc = 1;
    char programName[16] = "test_mainwindow";
    std::array<char*, 2> argv{programName, nullptr};
    std::unique_ptr<QApplication> app;
};

const testing::Environment* const registered =
    testing::AddGlobalTestEnvironment(new QtTestEnvironment);

} // namespace
