#include "product/client/view/keywizards.h"

namespace {
// Until the key wizards are built, every wizard counts as cancelled.
class CancelledKeyWizards final : public KeyWizards
{
public:
    std::optional<QList<zarv::data::DocumentKey>>
    createDocumentKeys(int, const QString&, QWidget*, const std::vector<zarv::data::User>&) override
    {
        return std::nullopt;
    }
    std::optional<QList<zarv::data::FolderKey>> createFolderKeys(int, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<ActiveHoursChoice> setActiveHours(const QString&, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<SessionDurationChoice> setSessionDuration(const QString&, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<ExpirationDateChoice> setExpirationDate(const QString&, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<PasscodeChoice> setPasscode(const QString&, const QString&, QWidget*) override
    {
        return std::nullopt;
    }
    std::optional<RevisionChoice> setRevision(const QString&, const QString&, int, QWidget*) override
    {
        return std::nullopt;
    }
};

KeyWizards* installedWizards = nullptr;
}  // namespace

KeyWizards::~KeyWizards() = default;

KeyWizards& KeyWizards::current()
{
    static CancelledKeyWizards realWizards;
    return installedWizards ? *installedWizards : realWizards;
}

void KeyWizards::install(KeyWizards* wizards)
{
    installedWizards = wizards;
}
