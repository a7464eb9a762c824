#pragma once

// Key wizards for the message editor's tests: the create-document-key wizard
// records the holders it was started with and, unless told to cancel,
// finishes with one key per holder that opens the document for viewing. The
// other wizards count as cancelled.

#include "product/client/view/keywizards.h"

#include "documentkey3.pb.h"
#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace messageeditortest {

class HolderKeyWizards : public KeyWizards
{
public:
    struct Run
    {
        int documentId;
        QString documentName;
        std::vector<int> holders;
    };

    explicit HolderKeyWizards(int ownerId)
        : m_ownerId(ownerId)
    {}

    std::optional<QList<zarv::data::DocumentKey>>
    createDocumentKeys(int documentId,
                       const QString& documentName,
                       QWidget*,
                       const std::vector<zarv::data::User>& holders) override
    {
        Run run{documentId, documentName, {}};
        QList<zarv::data::DocumentKey> keys;
        for (const zarv::data::User& holder : holders) {
            run.holders.push_back(holder.user_id());
            keys.append(viewingKey(documentId, holder.user_id()));
        }
        runs.push_back(run);
        if (!finish) {
            return std::nullopt;
        }
        return keys;
    }
    std::optional<QList<zarv::data::FolderKey>> createFolderKeys(int, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<ActiveHoursChoice> setActiveHours(const QString&, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<SessionDurationChoice> setSessionDuration(const QString&, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<ExpirationDateChoice> setExpirationDate(const QString&, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<PasscodeChoice> setPasscode(const QString&, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<RevisionChoice> setRevision(const QString&, const QString&, int, QWidget*) override
    {
        return std::nullopt;
    }

    std::vector<Run> runs;
    // False: the user cancels the wizard.
    bool finish = true;

private:
    // Active at every hour of every day, view permission and the copy and
    // print bits, no passcode, no session limit, never expiring.
    zarv::data::DocumentKey viewingKey(int documentId, int holderId) const
    {
        zarv::data::DocumentKey key;
        key.mutable_document_key_document()->set_document_id(documentId);
        key.mutable_document_key_user()->set_user_id(holderId);
        key.mutable_document_key_owner()->set_user_id(m_ownerId);
        key.set_document_key_description("");
        key.set_document_key_properties(0);
        key.set_document_key_creation_date("2024-06-01 10:00:00");
        zarv::data::SecurityDescriptor& rules = *key.mutable_document_key_security_descriptor();
        rules.set_active(1048575);
        rules.set_active_region("");
        rules.set_active_from("00:00:00");
        rules.set_active_to("00:00:00");
        rules.set_audits(0);
        rules.set_password("");
        rules.set_permissions(2305);
        rules.set_session_duration(0);
        rules.set_expiration_date("9999-12-31 00:00:00");
        rules.set_expiration_action(0);
        return key;
    }

    const int m_ownerId;
};

}  // namespace messageeditortest
