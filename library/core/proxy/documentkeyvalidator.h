#pragma once

#include "library/core/proxy/documentkeyreader.h"
#include "library/core/proxy/keyvalidator.h"

// The rules of a document key, plus its view permission.
class DocumentKeyValidator : public KeyValidator<DocumentKeyReader>
{
public:
    DocumentKeyValidator(const zarv::data::DocumentKey& key, const boost::local_time::tz_database& timeZoneDatabase);
    ~DocumentKeyValidator() override = default;
};
