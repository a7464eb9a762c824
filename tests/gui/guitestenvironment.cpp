// The test program's one QApplication, with the shared words installed, as
// start-up does for the client.

#include <QApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<QApplication>(argc, argv);
        m_translator = std::make_unique<QTranslator>();
        ASSERT_TRUE(m_translator->load(QStringLiteral(QUENLARK_LINGUIST_QM))) << QUENLARK_LINGUIST_QM;
        QCoreApplication::installTranslator(m_translator.get());
    }

    void TearDown() override
    {
        m_translator.reset();
        m_application.reset();
    }

private:
    std::unique_ptr<QApplication> m_application;
    std::unique_ptr<QTranslator> m_translator;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new GuiTestEnvironment);

}  // namespace
