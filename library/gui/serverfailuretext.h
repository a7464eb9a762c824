#pragma once

#include "library/common/codes.h"

#include <QString>

class ServerCall;

// The reason to show for a request that the server refused or never
// answered: "No reply from the server." or "The server refused the request
// (code %1)." with the major error code, or the minor one when the major is 0.
QString ServerFailureText(common::Ercode majorErcode, common::Ercode minorErcode);
// The same for a call outside the bus, whose codes stay unset when nothing
// came back.
QString ServerFailureText(const ServerCall& call);
