// The test program's one QApplication with the names that start-up gives the
// client: the wait cursor needs a GUI application and the audit lines carry
// the names.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ComponentTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "component_tests";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<QApplication>(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlark"));
        QCoreApplication::setApplicationName(QStringLiteral("QuenlarkClient"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    }

    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ComponentTestEnvironment);

}  // namespace
