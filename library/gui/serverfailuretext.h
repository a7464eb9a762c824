#pragma once

#include <QString>

class ServerCall;

// What a window or picker says of a synchronous request that failed: "No
// reply from the server." when nothing came back, otherwise "The server
// refused the request (code %1)." with the code that says why (a reply that
// does not parse counts as refused, with its parse error code).
QString ServerFailureText(const ServerCall& call);
