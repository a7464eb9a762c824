#include "product/client/view/createkeybuilder.h"

#include "product/client/view/keyrulestorage.h"

#include "library/core/proxy/documentkeyreader.h"
#include "library/core/proxy/documentkeywriter.h"
#include "library/core/proxy/folderkeyreader.h"
#include "library/core/proxy/folderkeywriter.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/recorditems.h"

#include "user3.pb.h"

#include <QListWidgetItem>
#include <QTime>
#include <QVariant>
#include <QWizard>

#include <utility>
#include <vector>

namespace {

template <typename Permission>
using PermissionFields = std::vector<std::pair<const char*, Permission>>;

// What sets a document key apart from a folder key while it is built.
struct DocumentSide
{
    using Record = zarv::data::DocumentKey;
    using Reader = DocumentKeyReader;
    using Writer = DocumentKeyWriter;

    // A document key gets its description and properties per copy.
    static constexpr bool m_RulesCarryDescription = false;

    static Writer WriterOn(Record& key) { return Writer(key, DocumentKeyProxy::Restrictive); }

    static const PermissionFields<DocumentKeyProxy::Permission>& Permissions()
    {
        static const PermissionFields<DocumentKeyProxy::Permission> fields = {
            {"permissionViewDocumentContents", DocumentKeyProxy::View},
            {"permissionUpdateDocument", DocumentKeyProxy::Update},
            {"permissionCopyDocumentContentsFromClipboard", DocumentKeyProxy::CopyFromClipboard},
            {"permissionCopyDocumentContentsToClipboard", DocumentKeyProxy::CopyToClipboard},
            {"permissionExportDocumentContentsToTextFile", DocumentKeyProxy::ExportToTextFile},
            {"permissionExportDocumentContentsToPdfFile", DocumentKeyProxy::ExportToPdfFile},
            {"permissionPrintDocumentContents", DocumentKeyProxy::Print},
            {"permissionSearchDocumentContents", DocumentKeyProxy::Search},
        };
        return fields;
    }

    // The current revision, or the earlier one's start exactly as the server
    // sent it; a start that is not a time stamp binds the key to none.
    static void WriteRevision(Writer& writer, const QWizard& wizard)
    {
        const std::string start = wizard.field(QStringLiteral("revisionSysStart")).toString().toStdString();
        if (wizard.field(QStringLiteral("currentRevision")).toBool() || start.empty()) {
            writer.setDocumentRevision(DbTimestamp(std::string(DbTimestamp::m_MaxTimestamp)).toDbString());
            return;
        }
        writer.setDocumentRevision(DbTimestamp(start).isValid() ? start : std::string());
    }

    static void WriteActiveStatus(Writer& writer, bool on) { writer.setActive(DocumentKeyProxy::ActiveStatus, on); }
    static void WriteNoExpirationAction(Writer& writer) { writer.setExpirationAction(DocumentKeyProxy::NoAction); }

    static void WriteObject(Writer& writer, int id, const QString& name)
    {
        writer.setDocumentId(id);
        writer.setDocumentName(name.toStdString());
    }
};

struct FolderSide
{
    using Record = zarv::data::FolderKey;
    using Reader = FolderKeyReader;
    using Writer = FolderKeyWriter;

    static constexpr bool m_RulesCarryDescription = true;

    static Writer WriterOn(Record& key) { return Writer(key); }

    static const PermissionFields<FolderKeyProxy::Permission>& Permissions()
    {
        static const PermissionFields<FolderKeyProxy::Permission> fields = {
            {"permissionViewFolderContents", FolderKeyProxy::View},
            {"permissionSearchFolderContents", FolderKeyProxy::Search},
        };
        return fields;
    }

    static void WriteRevision(Writer&, const QWizard&) {}
    static void WriteActiveStatus(Writer& writer, bool on) { writer.setActive(on); }
    static void WriteNoExpirationAction(Writer& writer)
    {
        writer.setExpirationAction(FolderKeyProxy::NoExpirationAction);
    }

    static void WriteObject(Writer& writer, int id, const QString& name)
    {
        writer.setFolderId(id);
        writer.setFolderName(name.toStdString());
    }
};

// The month fields, January to December, then the day fields, Sunday to
// Saturday: active bits 1 to 19.
const char* const PeriodFields[] = {"january", "february", "march", "april", "may", "june",
                                    "july", "august", "september", "october", "november",
                                    "december", "sunday", "monday", "tuesday", "wednesday",
                                    "thursday", "friday", "saturday"};

template <class Side>
typename Side::Record KeyRules(const QWizard& wizard)
{
    const auto field = [&wizard](const char* name) { return wizard.field(QLatin1String(name)); };

    typename Side::Record key;
    typename Side::Writer writer = Side::WriterOn(key);
    Side::WriteRevision(writer, wizard);
    if (Side::m_RulesCarryDescription) {
        writer.setDescription(std::string());
        writer.setProperties(0);
    }
    writer.setCreationDate(keyrules::StoredNow());

    Side::WriteActiveStatus(writer, field("active").toBool());
    int bit = KeyProxy::January;
    for (const char* period : PeriodFields) {
        writer.setActive(static_cast<KeyProxy::Active>(bit++), field(period).toBool());
    }

    const QTime from = field("fromTime").toTime();
    const QTime to = field("toTime").toTime();
    const QString region = field("region").toString();
    const bool window = field("restrictedHours").toBool() && keyrules::IsActiveWindow(from, to, region);
    writer.setActiveFrom(window ? keyrules::StoredTimeOfDay(from) : "00:00:00");
    writer.setActiveTo(window ? keyrules::StoredTimeOfDay(to) : "00:00:00");
    writer.setActiveRegion(window ? region.toStdString() : std::string());

    // Present, every bit clear.
    writer.setAudit(KeyProxy::Severity1, false);

    writer.setPassword(field("passcodeIsValid").toBool() ? keyrules::StoredPasscode(field("passcode").toString())
                                                         : std::string());

    for (const auto& [name, permission] : Side::Permissions()) {
        writer.setPermission(permission, field(name).toBool());
    }

    const int count = static_cast<int>(field("durationSpinBox").toUInt());
    const int unit = field("durationComboBox").toUInt() != 0 ? 3600 : 60;
    writer.setSessionDuration(count != 0 && field("restrictedDuration").toBool() ? count * unit : 0);

    writer.setExpirationDate(keyrules::StoredExpirationDate(field("expirationDateCalendar").toDate()));
    Side::WriteNoExpirationAction(writer);
    return key;
}

template <class Side>
QList<typename Side::Record> KeyCopies(const typename Side::Record& rules,
                                       const QList<QListWidgetItem*>& holders,
                                       int objectId,
                                       const QString& objectName)
{
    QList<typename Side::Record> keys;
    for (const QListWidgetItem* item : holders) {
        const auto holder = item->data(recorditems::UserRole).value<zarv::data::User>();
        typename Side::Record key;
        typename Side::Writer writer = Side::WriterOn(key);
        writer = typename Side::Reader(rules);
        writer.setDescription(std::string());
        writer.setProperties(0);
        Side::WriteObject(writer, objectId, objectName);
        writer.setUserId(holder.user_id());
        writer.setUserLastName(holder.user_last_name());
        writer.setUserFirstName(holder.user_first_name());
        writer.setUserMiddleName(holder.user_middle_name());
        keys.append(key);
    }
    return keys;
}

}  // namespace

namespace createkey {

zarv::data::DocumentKey DocumentKeyRules(const QWizard& wizard)
{
    return KeyRules<DocumentSide>(wizard);
}

zarv::data::FolderKey FolderKeyRules(const QWizard& wizard)
{
    return KeyRules<FolderSide>(wizard);
}

QList<zarv::data::DocumentKey> DocumentKeys(const zarv::data::DocumentKey& rules,
                                            const QList<QListWidgetItem*>& holders,
                                            int documentId,
                                            const QString& documentName)
{
    return KeyCopies<DocumentSide>(rules, holders, documentId, documentName);
}

QList<zarv::data::FolderKey> FolderKeys(const zarv::data::FolderKey& rules,
                                        const QList<QListWidgetItem*>& holders,
                                        int folderId,
                                        const QString& folderName)
{
    return KeyCopies<FolderSide>(rules, holders, folderId, folderName);
}

}  // namespace createkey
