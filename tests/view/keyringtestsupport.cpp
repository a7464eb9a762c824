#include "tests/view/keyringtestsupport.h"

#include "library/core/lib/registry.h"
#include "library/core/lib/timezonedatabase.h"
#include "library/gui/resourcecopy.h"
#include "tests/support/temporarysettingsstore.h"

#include <QIcon>
#include <QImage>
#include <QTemporaryFile>
#include <QTreeWidgetItem>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

// The bundle lives in a static library; its registration may be dropped by
// the linker, so it is repeated here, as start-up does.
static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace keyringtest {

void PrepareKeyringServices()
{
    static bool prepared = false;
    if (!prepared) {
        prepared = true;
        InitializeClientResources();
        static testsupport::TemporarySettingsStore store(QStringLiteral("keyrings_tests"));
        ASSERT_TRUE(store.isValid());
        QTemporaryFile timeZones;
        const QString timeZonesName =
            utils::CopyResourceToTempororyFile(QStringLiteral(":resources/resource.tmz"), timeZones);
        ASSERT_FALSE(timeZonesName.isEmpty());
        ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance()->loadFromFile(timeZonesName.toStdString());
    }
    zarv::data::User kit;
    kit.set_user_id(KitId);
    kit.set_user_last_name("Lane");
    kit.set_user_first_name("Kit");
    kit.set_user_folder_id(32100);
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(kit);
}

zarv::data::User Holder(int id, const std::string& first, const std::string& last)
{
    zarv::data::User user;
    user.set_user_id(id);
    user.set_user_first_name(first);
    user.set_user_last_name(last);
    return user;
}

namespace {

zarv::data::SecurityDescriptor Descriptor(int active, int permissions)
{
    zarv::data::SecurityDescriptor descriptor;
    descriptor.set_active(active);
    descriptor.set_permissions(permissions);
    descriptor.set_active_from("00:00:00");
    descriptor.set_active_to("00:00:00");
    descriptor.set_active_region("");
    descriptor.set_password("");
    descriptor.set_session_duration(0);
    descriptor.set_expiration_date("9999-12-31 00:00:00");
    return descriptor;
}

}  // namespace

zarv::data::DocumentKey DocumentKey(int documentId, const zarv::data::User& holder, int active, int permissions)
{
    zarv::data::DocumentKey key;
    key.mutable_document_key_document()->set_document_id(documentId);
    key.mutable_document_key_document()->set_document_name("Plan");
    *key.mutable_document_key_user() = holder;
    *key.mutable_document_key_owner() = Holder(KitId, "Kit", "Lane");
    key.set_document_key_document_revision("9999-12-31 00:00:00");
    *key.mutable_document_key_security_descriptor() = Descriptor(active, permissions);
    return key;
}

zarv::data::FolderKey FolderKey(int folderId, const zarv::data::User& holder, int active, int permissions)
{
    zarv::data::FolderKey key;
    key.mutable_folder_key_folder()->set_folder_id(folderId);
    key.mutable_folder_key_folder()->set_folder_name("Shared");
    *key.mutable_folder_key_user() = holder;
    *key.mutable_folder_key_owner() = Holder(KitId, "Kit", "Lane");
    *key.mutable_folder_key_security_descriptor() = Descriptor(active, permissions);
    return key;
}

bool IconIs(QTreeWidgetItem* row, const char* name)
{
    const QImage shown = row->icon(0).pixmap(32).toImage();
    const QImage expected = QIcon(QStringLiteral(":icons/32x32/%1.png").arg(QLatin1String(name))).pixmap(32).toImage();
    return !expected.isNull() && shown == expected;
}

StandInWizards::StandInWizards()
{
    KeyWizards::install(this);
}

StandInWizards::~StandInWizards()
{
    KeyWizards::install(nullptr);
}

std::optional<QList<zarv::data::DocumentKey>>
StandInWizards::createDocumentKeys(int, const QString& documentName, QWidget*, const std::vector<zarv::data::User>&)
{
    objectName = documentName;
    return documentKeys;
}

std::optional<QList<zarv::data::FolderKey>> StandInWizards::createFolderKeys(int, const QString& folderName, QWidget*)
{
    objectName = folderName;
    return folderKeys;
}

std::optional<ActiveHoursChoice> StandInWizards::setActiveHours(const QString& object, const QString& holder, QWidget*)
{
    objectName = object;
    holderName = holder;
    return activeHours;
}

std::optional<SessionDurationChoice>
StandInWizards::setSessionDuration(const QString& object, const QString& holder, QWidget*)
{
    objectName = object;
    holderName = holder;
    return sessionDuration;
}

std::optional<ExpirationDateChoice>
StandInWizards::setExpirationDate(const QString& object, const QString& holder, QWidget*)
{
    objectName = object;
    holderName = holder;
    return expirationDate;
}

std::optional<PasscodeChoice> StandInWizards::setPasscode(const QString& object, const QString& holder, QWidget*)
{
    objectName = object;
    holderName = holder;
    return passcode;
}

std::optional<RevisionChoice>
StandInWizards::setRevision(const QString& documentName, const QString& holder, int, QWidget*)
{
    objectName = documentName;
    holderName = holder;
    return revision;
}

}  // namespace keyringtest
