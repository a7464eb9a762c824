#include "product/client/view/passwordrules.h"

#include <QRegularExpression>

namespace passwordrules {
namespace {

bool PasswordLowercaseRequirement(const QString& password)
{
    static const QRegularExpression lowercase(QStringLiteral("[a-z]"));
    return password.contains(lowercase);
}

bool PasswordUppercaseRequirement(const QString& password)
{
    static const QRegularExpression uppercase(QStringLiteral("[A-Z]"));
    return password.contains(uppercase);
}

bool PasswordNumberRequirement(const QString& password)
{
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    return password.contains(digit);
}

bool PasswordSymbolRequirement(const QString& password)
{
    const QLatin1String symbols(Symbols);
    for (const QChar character : password) {
        if (character.unicode() < 0x80 && symbols.contains(character)) {
            return true;
        }
    }
    return false;
}

}  // namespace

const char Symbols[] = "!#$%&()*+,-./:;<=>?@[\\]^_`{|}~";

const std::array<ClassRule, ClassCount> ClassRules = {{
    {"PasswordLowercaseRequirement", "passwordLowercaseRequirement", PasswordLowercaseRequirement},
    {"PasswordUppercaseRequirement", "passwordUppercaseRequirement", PasswordUppercaseRequirement},
    {"PasswordNumberRequirement", "passwordNumberRequirement", PasswordNumberRequirement},
    {"PasswordSymbolRequirement", "passwordSymbolRequirement", PasswordSymbolRequirement},
}};

Assessment Assess(const QString& password)
{
    Assessment assessment;
    assessment.length = password.size() >= MinimumLength;
    for (int rule = 0; rule < ClassCount; ++rule) {
        assessment.classes[rule] = ClassRules[rule].met(password);
        assessment.classesMet += assessment.classes[rule] ? 1 : 0;
    }
    return assessment;
}

}  // namespace passwordrules
