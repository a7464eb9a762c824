#include "library/core/proxy/documentkeyvalidator.h"

DocumentKeyValidator::DocumentKeyValidator(const zarv::data::DocumentKey& key,
                                           const boost::local_time::tz_database& timeZoneDatabase)
    : KeyValidator(DocumentKeyReader(key), timeZoneDatabase)
{
    if (!DocumentKeyReader(key).permission(DocumentKeyProxy::View)) {
        addFlag(KeyViewPermissionDenied);
    }
}
