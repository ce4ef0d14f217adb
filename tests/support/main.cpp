#include "shell/LinguaPortuguesa.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// A failure while a suite is set up or torn down belongs to no test: gtest
// reports its tests as skipped and still exits with 0. It fails the run here.
bool suiteSetUpFailed()
{
    const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    for (int i = 0; i < unit.total_test_suite_count(); ++i)
        if (unit.GetTestSuite(i)->ad_hoc_test_result().Failed())
            return true;
    return unit.ad_hoc_test_result().Failed();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Every test runs in the program's language, so no figure depends on the machine's.
    LinguaPortuguesa::Aplica(app);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    return suiteSetUpFailed() ? 1 : result;
}
