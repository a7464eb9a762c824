#pragma once

// The bit positions that document keys and folder keys share. Every
// enumerator is a position in a 32-bit word of the key, bit 0 the lowest.
class KeyProxy
{
public:
    // The key's property word.
    enum Property
    {
        // The key has not been opened yet; its name is shown emphasised.
        EmphasizeName = 0
    };

    // The descriptor's active word.
    enum Active
    {
        ActiveStatus = 0,
        January = 1,
        February = 2,
        March = 3,
        April = 4,
        May = 5,
        June = 6,
        July = 7,
        August = 8,
        September = 9,
        October = 10,
        November = 11,
        December = 12,
        Sunday = 13,
        Monday = 14,
        Tuesday = 15,
        Wednesday = 16,
        Thursday = 17,
        Friday = 18,
        Saturday = 19
    };

    // The descriptor's audits word: bit n asks that events of severity n be
    // logged, bit n + 10 that details be added to them.
    enum Audit
    {
        Severity1 = 1,
        Severity2 = 2,
        Severity3 = 3,
        Severity4 = 4,
        Severity5 = 5,
        Severity6 = 6,
        Severity7 = 7,
        Severity8 = 8,
        Severity9 = 9,
        Severity10 = 10,
        Severity1Details = 11,
        Severity2Details = 12,
        Severity3Details = 13,
        Severity4Details = 14,
        Severity5Details = 15,
        Severity6Details = 16,
        Severity7Details = 17,
        Severity8Details = 18,
        Severity9Details = 19,
        Severity10Details = 20
    };

    // The descriptor's expiration action. The client stores only 0 and gives
    // no meaning to other values.
    enum Action
    {
        NoAction = 0
    };

    virtual ~KeyProxy() = default;
};
