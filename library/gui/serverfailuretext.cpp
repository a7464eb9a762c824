#include "library/gui/serverfailuretext.h"

#include "library/gui/linguist.h"
#include "library/gui/servercall.h"

QString ServerFailureText(common::Ercode majorErcode, common::Ercode minorErcode)
{
    if (majorErcode == common::ServiceNoReplyEr) {
        return Linguist::tr("NoReplyFromServer");
    }
    return Linguist::tr("ServerRefusedRequest").arg(majorErcode != common::NoEr ? majorErcode : minorErcode);
}

QString ServerFailureText(const ServerCall& call)
{
    return call.noReply() ? Linguist::tr("NoReplyFromServer")
                          : ServerFailureText(call.majorErcode(), call.minorErcode());
}
