#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One application object for the whole test program, as every widget needs one.
class TQtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        FApplication = std::make_unique<QApplication>(FArgc, FArgv);
    }
    void TearDown() override { FApplication.reset(); }

private:
    int FArgc = 1;
    char FName[16] = "kalvio_ui_tests";
    char* FArgv[2] = {FName, nullptr};
    std::unique_ptr<QApplication> FApplication;
};

const ::testing::Environment* const Registered =
    ::testing::AddGlobalTestEnvironment(new TQtApplicationEnvironment);

} // namespace
