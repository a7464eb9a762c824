#pragma once

// What the keyring and key-list tests share: prepared services, keys built in
// one line, the icon a row shows, the fixture's people and records
// (product/testserver/fixtures/keyrings.textproto) and a stand-in for the
// key wizards.

#include "product/client/view/keywizards.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"
#include "user3.pb.h"

#include <QString>

#include <optional>
#include <string>

class QTreeWidgetItem;

namespace keyringtest {

// Every month and weekday, and the key switched on.
constexpr int AllActive = 1048575;

// The fixture: Kit (logged on) owns Plan and the Shared folder, to which Ann,
// Zoe and Al hold keys; Ann gave Kit keys to Notes and Budget and to Reports.
constexpr int KitId = 32001;
constexpr int AnnId = 32002;
constexpr int ZoeId = 32003;
constexpr int AlId = 32004;
constexpr int PlanId = 32200;
constexpr int SharedId = 32101;
constexpr int BudgetId = 32202;
constexpr int ReportsId = 32111;

// Once per program: a settings store of its own, the built-in icons and the
// time-zone table; then Kit logged on.
void PrepareKeyringServices();

zarv::data::User Holder(int id, const std::string& first, const std::string& last);
zarv::data::DocumentKey DocumentKey(int documentId, const zarv::data::User& holder, int active, int permissions);
zarv::data::FolderKey FolderKey(int folderId, const zarv::data::User& holder, int active, int permissions);

// Whether column 0 shows ":icons/32x32/<name>.png".
bool IconIs(QTreeWidgetItem* row, const char* name);

// Key wizards that give prepared results and record the names they were
// shown; a result left empty counts as cancelled.
class StandInWizards : public KeyWizards
{
public:
    StandInWizards();
    ~StandInWizards() override;

    std::optional<QList<zarv::data::DocumentKey>> createDocumentKeys(int documentId,
                                                                     const QString& documentName,
                                                                     QWidget* parent,
                                                                     const std::vector<zarv::data::User>&) override;
    std::optional<QList<zarv::data::FolderKey>>
    createFolderKeys(int folderId, const QString& folderName, QWidget* parent) override;
    std::optional<ActiveHoursChoice>
    setActiveHours(const QString& objectName, const QString& holderName, QWidget* parent) override;
    std::optional<SessionDurationChoice>
    setSessionDuration(const QString& objectName, const QString& holderName, QWidget* parent) override;
    std::optional<ExpirationDateChoice>
    setExpirationDate(const QString& objectName, const QString& holderName, QWidget* parent) override;
    std::optional<PasscodeChoice>
    setPasscode(const QString& objectName, const QString& holderName, QWidget* parent) override;
    std::optional<RevisionChoice>
    setRevision(const QString& documentName, const QString& holderName, int documentId, QWidget* parent) override;

    std::optional<QList<zarv::data::DocumentKey>> documentKeys;
    std::optional<QList<zarv::data::FolderKey>> folderKeys;
    std::optional<ActiveHoursChoice> activeHours;
    std::optional<SessionDurationChoice> sessionDuration;
    std::optional<ExpirationDateChoice> expirationDate;
    std::optional<PasscodeChoice> passcode;
    std::optional<RevisionChoice> revision;
    // The object's and the holder's names of the last wizard run.
    QString objectName;
    QString holderName;
};

}  // namespace keyringtest
