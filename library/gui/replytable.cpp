#include "library/gui/replytable.h"

#include <ace/Log_Msg.h>

#include <algorithm>

std::optional<ReplyFailure> ReplyTable::take(const BusReply& bus) const
{
    const auto row = std::find_if(m_rows.begin(), m_rows.end(), [&bus](const Row& each) {
        return each.majorOpcode == bus.majorOpcode
               && (each.minorOpcode == AnyMinor || each.minorOpcode == bus.minorOpcode);
    });
    if (row == m_rows.end()) {
        return std::nullopt;
    }
    const bool succeeded = bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr;
    if (!succeeded && row->takes == Takes::Successes) {
        return ReplyFailure{bus.majorErcode, bus.minorErcode};
    }
    if (!row->read(bus)) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("(%P|%t) the reply to operation %d (minor %d) does not parse (%B bytes)\n"),
                   bus.majorOpcode, bus.minorOpcode, static_cast<ACE_UINT64>(bus.reply.size())));
        return ReplyFailure{common::ProtoParseFromStringEr, common::UnsetEr};
    }
    return std::nullopt;
}
