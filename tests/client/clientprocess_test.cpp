// The client as a process: started headless with a settings folder and a
// temporary folder of its own, then ended by a signal.

#include "tests/support/testserverprocess.h"

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
    explicit RunningClient(const QString& program = QStringLiteral(QUENLARK_CLIENT_PATH),
                           const QStringList& arguments = {})
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
        m_process.start(program, arguments);
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

    // True once the process has written `text` to its standard output.
    bool waitForOutput(const QByteArray& text)
    {
        const QDeadlineTimer deadline(60000);
        while (!m_output.contains(text) && !deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            m_process.waitForReadyRead(100);
            m_output += m_process.readAllStandardOutput();
        }
        return m_output.contains(text);
    }

    bool signal(int signalNumber) { return ::kill(static_cast<pid_t>(m_process.processId()), signalNumber) == 0; }

    QProcess& process() { return m_process; }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    QByteArray m_output;
};

void ExpectEndedBySignal(QProcess& process, const char* message)
{
    ASSERT_TRUE(process.waitForFinished(60000));
    const QByteArray errors = process.readAllStandardError();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains(message)) << errors.toStdString();
}

TEST(ClientProcess, SigintAndSigtermEndTheClientWithStatusOneAndAMessage)
{
    const struct
    {
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
        ASSERT_TRUE(client.signal(entry.signal));
        ExpectEndedBySignal(client.process(), entry.message);
    }
}

TEST(ClientProcess, SigtermWhileARequestWaitsForTheServerEndsTheClient)
{
    // The server holds its reply far longer than the client's wait.
    testsupport::TestServerProcess server({"delay-ms=600000"});
    ASSERT_NE(server.port(), 0);
    RunningClient client(QStringLiteral(QUENLARK_SIGNAL_TARGET_PATH), {QString::number(server.port())});
    ASSERT_TRUE(client.waitForOutput("waiting for the server"));
    // Let the request reach its wait for the reply.
    QThread::msleep(500);
    ASSERT_TRUE(client.signal(SIGTERM));
    ExpectEndedBySignal(client.process(), "Quenlark Client received SIGTERM signal!");
}

TEST(ClientProcess, SigpipeDoesNotEndTheClient)
{
    RunningClient client;
    ASSERT_TRUE(client.process().waitForStarted());
    ASSERT_TRUE(client.waitForStartUp());
    ASSERT_TRUE(client.signal(SIGPIPE));
    EXPECT_FALSE(client.process().waitForFinished(1000));
    EXPECT_EQ(client.process().state(), QProcess::Running);
}

}  // namespace
