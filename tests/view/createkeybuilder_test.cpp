// The key builders of the create-key wizards, over a wizard that holds the
// fields the rule pages register, with the clock and the time zone fixed.

#include "product/client/view/createkeybuilder.h"
#include "tests/support/scopedtimezone.h"
#include "tests/view/keywizardstestsupport.h"

#include "library/common/clock.h"
#include "library/gui/recorditems.h"
#include "library/security/cryptographer.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <QWizard>
#include <QWizardPage>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <boost/date_time/posix_time/posix_time.hpp>
#include <google/protobuf/util/message_differencer.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using keywizardtest::Person;

const char* const Now = "2027-01-10 09:15:30.250000";

const char* const BoolFields[] = {
    "currentRevision", "active", "january", "february", "march", "april", "may", "june", "july", "august",
    "september", "october", "november", "december", "sunday", "monday", "tuesday", "wednesday", "thursday",
    "friday", "saturday", "restrictedHours", "restrictedDuration", "passcodeIsValid",
    "permissionViewDocumentContents", "permissionUpdateDocument", "permissionCopyDocumentContentsFromClipboard",
    "permissionCopyDocumentContentsToClipboard", "permissionExportDocumentContentsToTextFile",
    "permissionExportDocumentContentsToPdfFile", "permissionPrintDocumentContents",
    "permissionSearchDocumentContents", "permissionViewFolderContents", "permissionSearchFolderContents"};

class FieldsPage : public QWizardPage
{
public:
    using QWizardPage::registerField;
};

// A wizard whose one page registers every field that the builders read, each
// on a plain widget, so that any value can be chosen. All start false, empty,
// 0 or midnight; the expiration day is 2027-06-30.
class FieldsWizard : public QWizard
{
public:
    FieldsWizard()
    {
        auto* page = new FieldsPage;
        auto* layout = new QVBoxLayout(page);
        const auto add = [page, layout](const char* name, QWidget* widget, const char* property = nullptr) {
            layout->addWidget(widget);
            page->registerField(QLatin1String(name), widget, property);
        };
        for (const char* name : BoolFields) {
            add(name, new QCheckBox);
        }
        add("revisionSysStart", new QLineEdit);
        add("region", new QLineEdit);
        add("passcode", new QLineEdit);
        add("fromTime", new QTimeEdit(QTime(0, 0)), "time");
        add("toTime", new QTimeEdit(QTime(0, 0)), "time");
        auto* count = new QSpinBox;
        count->setRange(0, 100000);
        add("durationSpinBox", count);
        add("durationComboBox", new QSpinBox);
        add("expirationDateCalendar", new QDateEdit(QDate(2027, 6, 30)), "date");
        addPage(page);
    }

    void set(const char* name, const QVariant& value) { setField(QLatin1String(name), value); }
};

using Choice = std::function<void(FieldsWizard&)>;
using RulesCheck = std::function<void(const zarv::data::SecurityDescriptor&)>;

// One rule shared by both sides: what is chosen, what the descriptor holds.
struct RuleCase
{
    const char* name;
    Choice choose;
    RulesCheck expect;
};

bool Decodes(const std::string& passcode, const std::string& stored)
{
    const Cryptographer* cryptographer = ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
    return cryptographer->decodePassword(cryptographer->hashPassword(passcode), stored);
}

void ExpectNoWindow(const zarv::data::SecurityDescriptor& rules)
{
    EXPECT_EQ(rules.active_from(), "00:00:00");
    EXPECT_EQ(rules.active_to(), "00:00:00");
    EXPECT_EQ(rules.active_region(), "");
}

Choice Window(QTime from, QTime to, const char* region, bool restricted = true)
{
    return [=](FieldsWizard& wizard) {
        wizard.set("restrictedHours", restricted);
        wizard.set("fromTime", from);
        wizard.set("toTime", to);
        wizard.set("region", QString::fromLatin1(region));
    };
}

Choice Duration(bool restricted, int count, int unit)
{
    return [=](FieldsWizard& wizard) {
        wizard.set("restrictedDuration", restricted);
        wizard.set("durationSpinBox", count);
        wizard.set("durationComboBox", unit);
    };
}

RulesCheck SessionSeconds(int seconds)
{
    return [seconds](const zarv::data::SecurityDescriptor& rules) { EXPECT_EQ(rules.session_duration(), seconds); };
}

const RuleCase RuleCases[] = {
    {"HoursValid", Window(QTime(8, 30), QTime(17, 0), "Europe/Berlin"),
     [](const zarv::data::SecurityDescriptor& rules) {
         EXPECT_EQ(rules.active_from(), "08:30:00");
         EXPECT_EQ(rules.active_to(), "17:00:00");
         EXPECT_EQ(rules.active_region(), "Europe/Berlin");
     }},
    {"HoursEqual", Window(QTime(9, 0), QTime(9, 0), "Europe/Berlin"), ExpectNoWindow},
    {"HoursEndBeforeStart", Window(QTime(17, 0), QTime(8, 0), "Europe/Berlin"), ExpectNoWindow},
    {"HoursWithoutRegion", Window(QTime(8, 0), QTime(17, 0), ""), ExpectNoWindow},
    {"HoursUnrestricted", Window(QTime(8, 0), QTime(17, 0), "Europe/Berlin", false), ExpectNoWindow},
    {"Duration45Minutes", Duration(true, 45, 0), SessionSeconds(45 * 60)},
    {"Duration45Hours", Duration(true, 45, 1), SessionSeconds(45 * 3600)},
    {"DurationLongest", Duration(true, 28800, 1), SessionSeconds(103680000)},
    {"DurationUnrestricted", Duration(false, 60, 1), SessionSeconds(0)},
    {"PasscodeValid",
     [](FieldsWizard& wizard) {
         wizard.set("passcodeIsValid", true);
         wizard.set("passcode", QStringLiteral("2468"));
     },
     [](const zarv::data::SecurityDescriptor& rules) { EXPECT_TRUE(Decodes("2468", rules.password())); }},
    {"PasscodeInvalid", [](FieldsWizard& wizard) { wizard.set("passcode", QStringLiteral("2468")); },
     [](const zarv::data::SecurityDescriptor& rules) { EXPECT_EQ(rules.password(), ""); }},
    {"ActiveBits",
     [](FieldsWizard& wizard) {
         wizard.set("active", true);
         wizard.set("january", true);
         wizard.set("december", true);
         wizard.set("sunday", true);
         wizard.set("saturday", true);
     },
     [](const zarv::data::SecurityDescriptor& rules) {
         EXPECT_EQ(rules.active(), 1 | 1 << 1 | 1 << 12 | 1 << 13 | 1 << 19);
     }},
    {"NothingActive", [](FieldsWizard&) {},
     [](const zarv::data::SecurityDescriptor& rules) { EXPECT_EQ(rules.active(), 0); }},
};

// What every key built carries, whatever the rules.
void ExpectCommonRules(const zarv::data::SecurityDescriptor& rules)
{
    EXPECT_TRUE(rules.has_audits());
    EXPECT_EQ(rules.audits(), 0);
    EXPECT_EQ(rules.expiration_date(), "2027-06-30 00:00:00");
    EXPECT_EQ(rules.expiration_action(), 0);
}

class KeyBuilderTest : public ::testing::Test
{
protected:
    void SetUp() override { keywizardtest::PrepareServices(); }

    common::FixedClock m_clock{boost::posix_time::time_from_string(Now)};
    FieldsWizard m_wizard;
};

class DocumentRuleTest : public KeyBuilderTest, public ::testing::WithParamInterface<RuleCase>
{};

TEST_P(DocumentRuleTest, StoresTheRule)
{
    GetParam().choose(m_wizard);
    const zarv::data::DocumentKey key = createkey::DocumentKeyRules(m_wizard);
    GetParam().expect(key.document_key_security_descriptor());
    ExpectCommonRules(key.document_key_security_descriptor());
    EXPECT_EQ(key.document_key_creation_date(), "2027-01-10 09:15:30.250000");
    EXPECT_FALSE(key.has_document_key_user());
    EXPECT_FALSE(key.has_document_key_document());
    EXPECT_FALSE(key.has_document_key_description());
}

INSTANTIATE_TEST_SUITE_P(Rules, DocumentRuleTest, ::testing::ValuesIn(RuleCases),
                         [](const auto& info) { return std::string(info.param.name); });

class FolderRuleTest : public KeyBuilderTest, public ::testing::WithParamInterface<RuleCase>
{};

TEST_P(FolderRuleTest, StoresTheRule)
{
    GetParam().choose(m_wizard);
    const zarv::data::FolderKey key = createkey::FolderKeyRules(m_wizard);
    GetParam().expect(key.folder_key_security_descriptor());
    ExpectCommonRules(key.folder_key_security_descriptor());
    EXPECT_EQ(key.folder_key_creation_date(), "2027-01-10 09:15:30.250000");
    EXPECT_FALSE(key.has_folder_key_user());
    EXPECT_FALSE(key.has_folder_key_folder());
    EXPECT_TRUE(key.has_folder_key_description());
    EXPECT_EQ(key.folder_key_description(), "");
    EXPECT_TRUE(key.has_folder_key_properties());
}

INSTANTIATE_TEST_SUITE_P(Rules, FolderRuleTest, ::testing::ValuesIn(RuleCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The document key's own rows: the revision.
struct RevisionCase
{
    const char* name;
    bool current;
    const char* start;
    const char* stored;
};

const RevisionCase RevisionCases[] = {
    {"CurrentWhateverIsHighlighted", true, keywizardtest::EarlierRevision, "9999-12-31 00:00:00"},
    {"EarlierAsTheServerSentIt", false, keywizardtest::EarlierRevision, keywizardtest::EarlierRevision},
    {"EarlierNeverChosen", false, "", "9999-12-31 00:00:00"},
    {"EarlierNotAStamp", false, "not a stamp", ""},
};

class DocumentRevisionTest : public KeyBuilderTest, public ::testing::WithParamInterface<RevisionCase>
{};

TEST_P(DocumentRevisionTest, StoresTheRevision)
{
    m_wizard.set("currentRevision", GetParam().current);
    m_wizard.set("revisionSysStart", QString::fromLatin1(GetParam().start));
    EXPECT_EQ(createkey::DocumentKeyRules(m_wizard).document_key_document_revision(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Revisions, DocumentRevisionTest, ::testing::ValuesIn(RevisionCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct PermissionCase
{
    const char* field;
    int bit;
};

const PermissionCase DocumentPermissionCases[] = {
    {"permissionViewDocumentContents", 0},
    {"permissionUpdateDocument", 1},
    {"permissionSearchDocumentContents", 6},
    {"permissionCopyDocumentContentsFromClipboard", 7},
    {"permissionCopyDocumentContentsToClipboard", 8},
    {"permissionExportDocumentContentsToTextFile", 9},
    {"permissionExportDocumentContentsToPdfFile", 10},
    {"permissionPrintDocumentContents", 11},
};

const PermissionCase FolderPermissionCases[] = {
    {"permissionViewFolderContents", 0},
    {"permissionSearchFolderContents", 6},
};

TEST_F(KeyBuilderTest, EachPermissionFieldSetsItsBitAlone)
{
    for (const PermissionCase& permission : DocumentPermissionCases) {
        FieldsWizard wizard;
        wizard.set(permission.field, true);
        EXPECT_EQ(createkey::DocumentKeyRules(wizard).document_key_security_descriptor().permissions(),
                  1 << permission.bit)
            << permission.field;
        EXPECT_EQ(createkey::FolderKeyRules(wizard).folder_key_security_descriptor().permissions(), 0)
            << permission.field;
    }
    for (const PermissionCase& permission : FolderPermissionCases) {
        FieldsWizard wizard;
        wizard.set(permission.field, true);
        EXPECT_EQ(createkey::FolderKeyRules(wizard).folder_key_security_descriptor().permissions(),
                  1 << permission.bit)
            << permission.field;
        EXPECT_EQ(createkey::DocumentKeyRules(wizard).document_key_security_descriptor().permissions(), 0)
            << permission.field;
    }
}

// The picked day is stored as picked, east and west of UTC, and at midnight
// UTC when the local day has already turned.
struct ExpiryCase
{
    const char* zone;
    const char* now;
};

const ExpiryCase ExpiryCases[] = {
    {"Asia/Tokyo", "2027-01-10 09:15:30"},
    {"America/New_York", "2027-01-10 09:15:30"},
    {"Asia/Tokyo", "2027-01-10 23:30:00"},
};

TEST_F(KeyBuilderTest, StoresThePickedExpirationDayInEveryTimeZone)
{
    for (const ExpiryCase& expiry : ExpiryCases) {
        testsupport::ScopedTimeZone zone(expiry.zone);
        m_clock.set(boost::posix_time::time_from_string(expiry.now));
        m_wizard.set("expirationDateCalendar", QDate(2027, 1, 15));
        EXPECT_EQ(createkey::DocumentKeyRules(m_wizard).document_key_security_descriptor().expiration_date(),
                  "2027-01-15 00:00:00")
            << expiry.zone;
        EXPECT_EQ(createkey::FolderKeyRules(m_wizard).folder_key_security_descriptor().expiration_date(),
                  "2027-01-15 00:00:00")
            << expiry.zone;
    }
}

// Holders: items as the picker makes them.
class HolderItems
{
public:
    explicit HolderItems(const std::vector<zarv::data::User>& users)
    {
        for (const zarv::data::User& user : users) {
            m_items.emplace_back(recorditems::NewUserItem(user));
            m_list << m_items.back().get();
        }
    }

    const QList<QListWidgetItem*>& items() const { return m_list; }

private:
    std::vector<std::unique_ptr<QListWidgetItem>> m_items;
    QList<QListWidgetItem*> m_list;
};

// One key per holder, in order, equal but for the holder fields.
template <typename Key, typename User>
void ExpectCopiesOfOneKey(QList<Key> keys, User userOf, const std::vector<zarv::data::User>& holders)
{
    ASSERT_EQ(keys.size(), static_cast<qsizetype>(holders.size()));
    Key first = keys[0];
    userOf(first)->Clear();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const zarv::data::User holder = *userOf(keys[i]);
        EXPECT_EQ(holder.user_id(), holders[i].user_id());
        EXPECT_EQ(holder.user_last_name(), holders[i].user_last_name());
        EXPECT_EQ(holder.user_first_name(), holders[i].user_first_name());
        EXPECT_EQ(holder.user_middle_name(), holders[i].user_middle_name());
        Key other = keys[i];
        userOf(other)->Clear();
        EXPECT_TRUE(google::protobuf::util::MessageDifferencer::Equals(first, other)) << i;
    }
}

const std::vector<zarv::data::User> ThreeHolders = {
    Person(keywizardtest::XiaId, "Xia", "Zane"),
    Person(keywizardtest::UlaId, "Ula", "Vance", "May"),
    Person(keywizardtest::WesId, "Wes", "Young"),
};

TEST_F(KeyBuilderTest, ThreeDocumentKeyHoldersGetThreeCopiesInListOrder)
{
    m_wizard.set("permissionViewDocumentContents", true);
    const zarv::data::DocumentKey rules = createkey::DocumentKeyRules(m_wizard);
    m_clock.set(boost::posix_time::time_from_string("2027-01-10 10:00:00"));
    const HolderItems holders(ThreeHolders);
    const QList<zarv::data::DocumentKey> keys =
        createkey::DocumentKeys(rules, holders.items(), keywizardtest::CharterId, QStringLiteral("Charter"));
    ExpectCopiesOfOneKey(keys, [](auto& key) { return key.mutable_document_key_user(); }, ThreeHolders);
    for (const zarv::data::DocumentKey& key : keys) {
        EXPECT_EQ(key.document_key_document().document_id(), keywizardtest::CharterId);
        EXPECT_EQ(key.document_key_document().document_name(), "Charter");
        EXPECT_EQ(key.document_key_creation_date(), "2027-01-10 09:15:30.250000");
        EXPECT_TRUE(key.has_document_key_description());
        EXPECT_EQ(key.document_key_properties(), 0);
        EXPECT_EQ(key.document_key_security_descriptor().permissions(), 1);
    }
}

TEST_F(KeyBuilderTest, ThreeFolderKeyHoldersGetThreeCopiesInListOrder)
{
    const zarv::data::FolderKey rules = createkey::FolderKeyRules(m_wizard);
    const HolderItems holders(ThreeHolders);
    const QList<zarv::data::FolderKey> keys =
        createkey::FolderKeys(rules, holders.items(), keywizardtest::ProjectsId, QStringLiteral("Projects"));
    ExpectCopiesOfOneKey(keys, [](auto& key) { return key.mutable_folder_key_user(); }, ThreeHolders);
    for (const zarv::data::FolderKey& key : keys) {
        EXPECT_EQ(key.folder_key_folder().folder_id(), keywizardtest::ProjectsId);
        EXPECT_EQ(key.folder_key_folder().folder_name(), "Projects");
        EXPECT_EQ(key.folder_key_creation_date(), "2027-01-10 09:15:30.250000");
    }
}

TEST_F(KeyBuilderTest, NoHolderGivesNoKey)
{
    EXPECT_TRUE(createkey::DocumentKeys(createkey::DocumentKeyRules(m_wizard), {}, keywizardtest::CharterId,
                                        QStringLiteral("Charter"))
                    .isEmpty());
    EXPECT_TRUE(createkey::FolderKeys(createkey::FolderKeyRules(m_wizard), {}, keywizardtest::ProjectsId,
                                      QStringLiteral("Projects"))
                    .isEmpty());
}

}  // namespace
