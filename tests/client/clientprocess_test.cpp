// The client as a process: started headless with a settings folder and a
// temporary folder of its own, then ended by a signal.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

namespace {

class RunningClient
{
public:
    RunningClient()
    {
        QDir(m_folder.path()).mkpath(QStringLiteral("config"));
        QDir(m_folder.path()).mkpath(QStringLiteral("tmp"));
        QDir(m_folder.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(m_folder.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.filePath(QStringLiteral("runtime")));
        environment.insert(QStringLiteral("TMPDIR"), m_folder.filePath(QStringLiteral("tmp")));
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(QUENLARK_CLIENT_PATH), QStringList());
    }

    ~RunningClient()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    // True once start-up has made the spell checker's two copies, just before
    // the event loop starts.
    bool waitForStartUp()
    {
        const QDir temporaryFolder(m_folder.filePath(QStringLiteral("tmp")));
        const QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
            if (temporaryFolder.entryList(QDir::Files).size() == 2) {
                return true;
            }
            QThread::msleep(50);
        }
        return false;
    }

    QProcess& process() { return m_process; }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
};

TEST(ClientProcess, SigintAndSigtermEndTheClientWithStatusOneAndAMessage)
{
    const struct {
        int signal;
        const char* message;
    } cases[] = {
        {SIGTERM, "Quenlark Client received SIGTERM signal!"},
        {SIGINT, "Quenlark Client received SIGINT signal!"},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.message);
        RunningClient client;
        ASSERT_TRUE(client.process().waitForStarted());
        ASSERT_TRUE(client.waitForStartUp()) << client.process().readAllStandardError().toStdString();
        // Let the event loop run.
        QThread::msleep(500);
        ASSERT_EQ(::kill(static_cast<pid_t>(client.process().processId()), entry.signal), 0);

        ASSERT_TRUE(client.process().waitForFinished(60000));
        const QByteArray errors = client.process().readAllStandardError();
        EXPECT_EQ(client.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(client.process().exitCode(), 1) << errors.toStdString();
        EXPECT_TRUE(errors.contains(entry.message)) << errors.toStdString();
    }
}

TEST(ClientProcess, SigpipeDoesNotEndTheClient)
{
    RunningClient client;
    ASSERT_TRUE(client.process().waitForStarted());
    ASSERT_TRUE(client.waitForStartUp());
    ASSERT_EQ(::kill(static_cast<pid_t>(client.process().processId()), SIGPIPE), 0);
    EXPECT_FALSE(client.process().waitForFinished(1000));
    EXPECT_EQ(client.process().state(), QProcess::Running);
}

}  // namespace
