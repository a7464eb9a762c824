#include "library/gui/keyopeners.h"

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/core/lib/timezonedatabase.h"
#include "library/core/proxy/documentkeyreader.h"
#include "library/core/proxy/documentkeyvalidator.h"
#include "library/core/proxy/folderkeyreader.h"
#include "library/core/proxy/folderkeyvalidator.h"
#include "library/gui/abstractviewwindow.h"
#include "library/gui/linguist.h"
#include "library/gui/passcodedialog.h"
#include "library/security/cryptographer.h"

#include "openfolderkeyrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"

#include <QMessageBox>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <cstdint>
#include <exception>
#include <string>

namespace {

// The reasons in the order in which the first one that applies is shown.
struct Reason
{
    KeyCondition flag;
    const char* text;
};

const Reason Reasons[] = {
    {KeyNotActive, "ConditionKeyNotActive"},           {KeyNotActiveMonth, "ConditionKeyNotActiveMonth"},
    {KeyNotActiveDay, "ConditionKeyNotActiveDay"},     {KeyNotActiveNow, "ConditionKeyNotActiveNow"},
    {KeyHasExpiredDate, "ConditionKeyHasExpiredDate"}, {KeyViewPermissionDenied, "ConditionKeyViewPermissionDenied"},
};

int LoggedOnUserId()
{
    const zarv::data::User& user = ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
    return user.has_user_id() ? user.user_id() : 0;
}

const boost::local_time::tz_database& TimeZones()
{
    return ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance()->getTimeZoneDatabase();
}

void Warn(AbstractViewWindow* window, const char* title, const char* text)
{
    QMessageBox::warning(window, Linguist::tr(title), Linguist::tr(text), QMessageBox::Ok, QMessageBox::NoButton);
}

bool ConditionsHold(std::uint64_t flags, AbstractViewWindow* window)
{
    for (const Reason& reason : Reasons) {
        if (flags & reason.flag) {
            Warn(window, "AccessDenied", reason.text);
            return false;
        }
    }
    return true;
}

// A stored passcode that is not in the stored form matches nothing.
bool PasscodeMatches(const QString& passcode, const std::string& storedPasscode)
{
    try {
        const Cryptographer* cryptographer = ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
        return cryptographer->decodePassword(cryptographer->hashPassword(passcode.toUtf8().toStdString()),
                                             storedPasscode);
    } catch (const std::exception&) {
        return false;
    }
}

// One attempt; a cancelled prompt counts as a wrong passcode.
bool PasscodeGiven(const std::string& storedPasscode, AbstractViewWindow* window)
{
    if (storedPasscode.empty()) {
        return true;
    }
    PasscodeDialog dialog(window);
    if (dialog.exec() == QDialog::Accepted && PasscodeMatches(dialog.getPasscode(), storedPasscode)) {
        return true;
    }
    Warn(window, "PasscodeDialog", "IncorrectPassword");
    return false;
}

bool Send(AbstractViewWindow* window,
          common::Opcode majorOpcode,
          common::Opcode minorOpcode,
          const google::protobuf::Message& request)
{
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return false;
    }
    emit window->deliverRequest(majorOpcode, minorOpcode, payload);
    return true;
}

}  // namespace

DocumentKeyOpener::DocumentKeyOpener(const zarv::data::DocumentKey& key)
    : m_key(key)
{}

bool DocumentKeyOpener::open(AbstractViewWindow* window) const
{
    const DocumentKeyReader reader(m_key);
    if (!ConditionsHold(DocumentKeyValidator(m_key, TimeZones()).flags(), window)
        || !PasscodeGiven(reader.password(), window)) {
        return false;
    }
    zarv::data::SelectDocumentKeyRequest select;
    select.set_document_key_user_id(LoggedOnUserId());
    select.set_document_key_document_id(reader.documentId());
    if (!Send(window, common::SelectDocumentKey, common::OpenDocumentEditorView, select)) {
        return false;
    }
    if (reader.property(DocumentKeyReader::EmphasizeName)) {
        zarv::data::UpdateDocumentKeyRequest update;
        zarv::data::DocumentKey& key = *update.mutable_document_key() = m_key;
        key.set_document_key_properties(reader.properties() & ~(1 << DocumentKeyReader::EmphasizeName));
        Send(window, common::UpdateDocumentKey, common::DisableEmphasizeName, update);
    }
    return true;
}

FolderKeyOpener::FolderKeyOpener(const zarv::data::FolderKey& key)
    : m_key(key)
{}

bool FolderKeyOpener::mayOpen(AbstractViewWindow* window) const
{
    return ConditionsHold(FolderKeyValidator(m_key, TimeZones()).flags(), window)
           && PasscodeGiven(FolderKeyReader(m_key).password(), window);
}

bool FolderKeyOpener::open(AbstractViewWindow* window) const
{
    if (!mayOpen(window)) {
        return false;
    }
    zarv::data::SelectFolderKeyRequest request;
    request.set_folder_key_user_id(LoggedOnUserId());
    request.set_folder_parent_id(FolderKeyReader(m_key).folderId());
    return Send(window, common::SelectFolderKey, common::ListFolderKeys, request);
}

bool FolderKeyOpener::openInNewBrowser(AbstractViewWindow* window) const
{
    if (!mayOpen(window)) {
        return false;
    }
    zarv::data::OpenFolderKeyRequest request;
    *request.add_folder_key() = m_key;
    return Send(window, common::OpenDocumentBrowserView, common::OpenFolderKey, request);
}
