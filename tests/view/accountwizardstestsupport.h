#pragma once

// What the account wizards' tests share: the test server over their own
// fixture (product/testserver/fixtures/accountwizards.textproto), its user
// "dana" in the Registry as a log-on leaves her, and message boxes answered
// as a user would.

#include "tests/support/testserverprocess.h"
#include "tests/view/consoletestsupport.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace accountwizardstest {

constexpr const char* UserName = "dana";
constexpr const char* Password = "Dana-Secret1";
constexpr int UserId = 13001;
constexpr int HomeFolderId = 13100;
constexpr int ArchiveFolderId = 13110;
constexpr int LettersFolderId = 13120;
constexpr int TwinsFolderId = 13130;
constexpr int Folder2024Id = 13112;
constexpr const char* Fixture = "accountwizards.textproto";

// The server, started with the fault modes given, and the transport pointed
// at it under dana's open session; dana is in the Registry. Everything is
// cleared again on destruction.
class WizardServer
{
public:
    explicit WizardServer(const std::vector<std::string>& faults = {});
    ~WizardServer();
    WizardServer(const WizardServer&) = delete;
    WizardServer& operator=(const WizardServer&) = delete;

    unsigned short port() const { return m_server.port(); }
    // Points the transport at this server (when a test runs two).
    void pointHere() const;

private:
    testsupport::TestServerProcess m_server;
};

// Dana's record as the log-on puts it in the Registry: her id, home folder,
// hashed name and stored password.
void PutUserInRegistry(const std::string& password = Password);

// Runs `action`, answering every message box that it shows with OK; the
// boxes shown, in order.
std::vector<consoletest::ShownBox> BoxesDuring(const std::function<void()>& action);

// The names of the current documents of a folder, as the server lists them.
std::vector<std::string> FolderDocumentNames(int folderId);

}  // namespace accountwizardstest
