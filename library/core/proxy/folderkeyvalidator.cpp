#include "library/core/proxy/folderkeyvalidator.h"

FolderKeyValidator::FolderKeyValidator(const zarv::data::FolderKey& key,
                                       const boost::local_time::tz_database& timeZoneDatabase)
    : KeyValidator(FolderKeyReader(key), timeZoneDatabase)
{
    if (!FolderKeyReader(key).permission(FolderKeyProxy::View)) {
        addFlag(KeyViewPermissionDenied);
    }
}
