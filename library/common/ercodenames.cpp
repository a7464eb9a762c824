#include "library/common/ercodenames.h"

namespace common {

namespace {

struct NamedErcode
{
    Ercode code;
    const char* name;
};

// Each row spells its constant once: the value and the name cannot drift apart.
#define QUENLARK_NAMED_ERCODE(code) \
    {                               \
        code, #code                 \
    }

constexpr NamedErcode NamedErcodes[] = {
    QUENLARK_NAMED_ERCODE(ServiceNoReplyEr),
    QUENLARK_NAMED_ERCODE(NoEr),
    QUENLARK_NAMED_ERCODE(UnsetEr),
    QUENLARK_NAMED_ERCODE(DatabaseConnectionEr),
    QUENLARK_NAMED_ERCODE(DatabaseExecuteStatementEr),
    QUENLARK_NAMED_ERCODE(DatabaseInvalidArgumentEr),
    QUENLARK_NAMED_ERCODE(DatabaseNullPointerEr),
    QUENLARK_NAMED_ERCODE(DatabasePrepareStatementEr),
    QUENLARK_NAMED_ERCODE(DatabaseRuntimeEr),
    QUENLARK_NAMED_ERCODE(ProtoParseFromStringEr),
    QUENLARK_NAMED_ERCODE(ProtoSerializeToStringEr),
    QUENLARK_NAMED_ERCODE(ServiceBadDocumentIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadDocumentKeyIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadDocumentSysEndEr),
    QUENLARK_NAMED_ERCODE(ServiceBadFolderIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadFolderKeyIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadGroupIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadGroupKeyIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageDocumentDocumentIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageDocumentMessageIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageFolderIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageFolderNameEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageFolderParentIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageFolderUserIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageSubjectEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageTimeDifferentialEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageUserIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageUserMessageIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadMessageUserUserIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadNameEr),
    QUENLARK_NAMED_ERCODE(ServiceBadPasswordEr),
    QUENLARK_NAMED_ERCODE(ServiceBadSequenceValueEr),
    QUENLARK_NAMED_ERCODE(ServiceBadServerTimezoneEr),
    QUENLARK_NAMED_ERCODE(ServiceBadSessionIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadUserGroupGroupIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadUserGroupIdEr),
    QUENLARK_NAMED_ERCODE(ServiceBadUserIdEr),
    QUENLARK_NAMED_ERCODE(ServiceCannotAllocateMessageBlockEr),
    QUENLARK_NAMED_ERCODE(ServiceDecryptionAuthenticationEr),
    QUENLARK_NAMED_ERCODE(ServiceEncryptionAuthenticationEr),
    QUENLARK_NAMED_ERCODE(ServiceInsertSessionRecordEr),
    QUENLARK_NAMED_ERCODE(ServiceInvalidMajorProtocolEr),
    QUENLARK_NAMED_ERCODE(ServiceInvalidMinorProtocolEr),
    QUENLARK_NAMED_ERCODE(ServiceNoDataFoundEr),
    QUENLARK_NAMED_ERCODE(ServiceNoUserFoundEr),
    QUENLARK_NAMED_ERCODE(ServiceVerifyMessageDatabaseEr),
};

#undef QUENLARK_NAMED_ERCODE

}  // namespace

const char* ErcodeName(Ercode code)
{
    for (const NamedErcode& named : NamedErcodes) {
        if (named.code == code) {
            return named.name;
        }
    }
    return nullptr;
}

}  // namespace common
