// The test program's one application object: the client's own, so that its
// event dispatch is the one under test.

#include "tests/client/clienttestenvironment.h"

#include "product/client/abstractapplication.h"

#include <QFile>
#include <gtest/gtest.h>

#include <memory>

namespace {

class ClientTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "client_tests";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<AbstractApplication>(argc, argv);
    }

    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<AbstractApplication> m_application;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ClientTestEnvironment);

}  // namespace

QByteArray ReadAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
