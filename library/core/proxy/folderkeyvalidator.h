#pragma once

#include "library/core/proxy/folderkeyreader.h"
#include "library/core/proxy/keyvalidator.h"

// The rules of a folder key, plus its view permission.
class FolderKeyValidator : public KeyValidator<FolderKeyReader>
{
public:
    FolderKeyValidator(const zarv::data::FolderKey& key, const boost::local_time::tz_database& timeZoneDatabase);
    ~FolderKeyValidator() override = default;
};
