// Every GUI test runs with one QApplication on Qt's offscreen platform.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtApplicationEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        if (!QApplication::instance())
            app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override
    {
        delete app_;
        app_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[16] = "qx-gui-tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

const auto* const environment = testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
