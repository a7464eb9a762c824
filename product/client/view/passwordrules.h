#pragma once

#include <QString>

#include <array>

// The rules of a new password: at least 6 characters (UTF-16 code units) and
// characters of at least three of four classes. The classes, in this order:
// lower-case ASCII letter, upper-case ASCII letter, digit, symbol (printable
// ASCII punctuation but the double quote and the apostrophe). Letters outside
// ASCII count in no class.
namespace passwordrules {

constexpr int MinimumLength = 6;
constexpr int ClassCount = 4;
constexpr int RequiredClasses = 3;

// One class of characters: the id of its requirement text (the id with
// "Optional" appended words it as optional), the wizard field that records
// it and its test.
struct ClassRule
{
    const char* textId;
    const char* field;
    bool (*met)(const QString& password);
};

extern const std::array<ClassRule, ClassCount> ClassRules;

// The symbols, in ascending code order.
extern const char Symbols[];

struct Assessment
{
    bool length = false;
    std::array<bool, ClassCount> classes{};
    int classesMet = 0;

    bool acceptable() const { return length && classesMet >= RequiredClasses; }
    // The class may go unmet: the password would still be acceptable.
    bool optional(int rule) const
    {
        return classesMet == ClassCount || (classesMet == RequiredClasses && !classes[rule]);
    }
};

Assessment Assess(const QString& password);

}  // namespace passwordrules
