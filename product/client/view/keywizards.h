#pragma once

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"
#include "user3.pb.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>
#include <vector>

class QWidget;

// What a finished Set wizard chose; the fields carry the wizard's accessors.
struct ActiveHoursChoice
{
    bool restrictedHours = false;
    QTime activeFrom;
    QTime activeTo;
    QString activeRegion;
};

struct SessionDurationChoice
{
    bool restrictedDuration = false;
    int durationSpinBox = 0;
    // 0 for minutes, 1 for hours.
    int durationComboBox = 0;
};

struct ExpirationDateChoice
{
    QDate expirationDate;
};

struct PasscodeChoice
{
    bool noPasscode = false;
    bool passcodeIsValid = false;
    // The encoded hash of the entered passcode, the form a key's password holds.
    QByteArray passcode;
};

struct RevisionChoice
{
    bool currentRevision = false;
    // The start of the chosen revision's system period.
    QByteArray revisionSysStart;
};

// The key wizards that the keyrings and the message editor run. Each call runs
// one wizard modally over `parent` and gives its result when the user finished
// it, nothing when they cancelled. `objectName` is the document's or folder's
// name and `holderName` the display name of the key's holder, both shown on
// the pages. Tests put stand-ins in place with install().
class KeyWizards
{
public:
    virtual ~KeyWizards();

    // `holders` start as the chosen holders of the wizard's holder page.
    virtual std::optional<QList<zarv::data::DocumentKey>>
    createDocumentKeys(int documentId,
                       const QString& documentName,
                       QWidget* parent,
                       const std::vector<zarv::data::User>& holders = {}) = 0;
    virtual std::optional<QList<zarv::data::FolderKey>>
    createFolderKeys(int folderId, const QString& folderName, QWidget* parent) = 0;
    virtual std::optional<ActiveHoursChoice>
    setActiveHours(const QString& objectName, const QString& holderName, QWidget* parent) = 0;
    virtual std::optional<SessionDurationChoice>
    setSessionDuration(const QString& objectName, const QString& holderName, QWidget* parent) = 0;
    virtual std::optional<ExpirationDateChoice>
    setExpirationDate(const QString& objectName, const QString& holderName, QWidget* parent) = 0;
    virtual std::optional<PasscodeChoice>
    setPasscode(const QString& objectName, const QString& holderName, QWidget* parent) = 0;
    virtual std::optional<RevisionChoice>
    setRevision(const QString& documentName, const QString& holderName, int documentId, QWidget* parent) = 0;

    // The wizards in use.
    static KeyWizards& current();
    // Puts `wizards` in use until the next call; nullptr puts the real ones back.
    static void install(KeyWizards* wizards);
};
