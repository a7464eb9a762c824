#include "library/gui/serverfailuretext.h"

#include "library/gui/linguist.h"
#include "library/gui/servercall.h"

QString ServerFailureText(const ServerCall& call)
{
    if (call.noReply()) {
        return Linguist::tr("NoReplyFromServer");
    }
    const int code = call.majorErcode() != common::NoEr ? call.majorErcode() : call.minorErcode();
    return Linguist::tr("ServerRefusedRequest").arg(code);
}
