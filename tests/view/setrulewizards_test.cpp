// The set-one-rule wizards: the completeness and the summary of each member,
// the accessors, Cancel, and going Back and Next; the revision member
// against the test server (fixture keywizards.textproto).

#include "product/client/view/keywizards.h"
#include "product/client/view/revisionhistorylistwidget.h"
#include "product/client/view/selectpasscodewizardpage.h"
#include "product/client/view/setrulewizards.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/support/scopedtimezone.h"
#include "tests/view/keywizardstestsupport.h"
#include "tests/view/wizardpagetestsupport.h"

#include "library/common/clock.h"
#include "library/security/cryptographer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <boost/date_time/posix_time/posix_time.hpp>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using namespace keywizardtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Sunday 10 January 2027, 10:00 in Berlin.
const char* const Now = "2027-01-10 09:00:00";

const QString Object = QStringLiteral("Charter");
const QString Holder = QStringLiteral("Casey Reed");

// One choice on a member's selection page, and what the confirmation then
// says and allows.
struct MemberCase
{
    const char* name;
    std::function<std::unique_ptr<SetRuleWizard>()> create;
    std::function<void(QWizard&)> choose;
    QString summary;
    QStringList red;
    bool complete;
};

void Set(QWizard& wizard, const char* field, const QVariant& value)
{
    wizard.setField(QLatin1String(field), value);
}

template <class Wizard>
std::function<std::unique_ptr<SetRuleWizard>()> Create()
{
    return [] { return std::make_unique<Wizard>(Object, Holder, nullptr); };
}

std::function<void(QWizard&)> Hours(bool restricted, QTime from, QTime to, bool noRegion = false)
{
    return [=](QWizard& wizard) {
        ChooseHours(*wizard.currentPage(), restricted, from, to);
        if (noRegion) {
            wizardtest::Buddy<QComboBox>(*wizard.currentPage(), QStringLiteral("Region:"))->setCurrentIndex(-1);
        }
    };
}

std::function<void(QWizard&)> Expiry(int daysAhead)
{
    return [daysAhead](QWizard& wizard) { Set(wizard, "expirationDateCalendar", QDate(2027, 1, 10).addDays(daysAhead)); };
}

const QString WithPasscode = QStringLiteral("I want to associate a passcode with this key");

QPushButton* Key(const QWidget& page, char press)
{
    for (QPushButton* key : page.findChildren<QPushButton*>()) {
        const QString caption = key->text();
        if ((press == 'E' && caption.startsWith(QLatin1String("Enter")))
            || (press != 'E' && caption.startsWith(QLatin1Char(press)))) {
            return key;
        }
    }
    ADD_FAILURE() << "no key " << press;
    return nullptr;
}

// On the passcode page: a passcode, typed twice on the keypad.
void EnterPasscode(QWizard& wizard)
{
    QWizardPage& page = *wizard.currentPage();
    testsupport::ChildWithText<QRadioButton>(page, WithPasscode)->click();
    Settle();
    for (const char* press : {"2", "4", "6", "8", "E", "2", "4", "6", "8", "E"}) {
        if (QPushButton* key = Key(page, *press)) {
            key->click();
        }
        Settle();
    }
}

std::function<void(QWizard&)> Duration(bool restricted, int count, int unit)
{
    return [=](QWizard& wizard) {
        Set(wizard, "restrictedDuration", restricted);
        Set(wizard, "durationSpinBox", count);
        Set(wizard, "durationComboBox", unit);
    };
}

const char* const EndNotAfterStart = "The end of the active hours must be after their start.";

const MemberCase MemberCases[] = {
    {"HoursUnrestricted", Create<SetActiveHoursWizard>(), Hours(false, QTime(8, 0), QTime(17, 0)),
     "The key that grants Casey Reed access to 'Charter' will not have restricted hours.", {}, true},
    {"HoursRestricted", Create<SetActiveHoursWizard>(), Hours(true, QTime(8, 0), QTime(17, 0)),
     "The key that grants Casey Reed access to 'Charter' will be active from 8:00 AM to 5:00 PM.", {}, true},
    {"HoursEqual", Create<SetActiveHoursWizard>(), Hours(true, QTime(9, 0), QTime(9, 0)),
     "The key that grants Casey Reed access to 'Charter' will be active from 9:00 AM to 9:00 AM.",
     {EndNotAfterStart}, false},
    {"HoursWithoutRegion", Create<SetActiveHoursWizard>(), Hours(true, QTime(8, 0), QTime(17, 0), true),
     "The key that grants Casey Reed access to 'Charter' will be active from 8:00 AM to 5:00 PM.", {}, false},
    {"ExpiryTomorrow", Create<SetExpirationDateWizard>(), Expiry(1),
     "The expiration date of the key will be Monday, January 11, 2027, tomorrow.", {}, true},
    {"ExpiryInTenDays", Create<SetExpirationDateWizard>(), Expiry(10),
     "The expiration date of the key will be Wednesday, January 20, 2027, in 10 days.", {}, true},
    {"NoPasscode", Create<SetPasscodeWizard>(), [](QWizard&) {},
     "No passcode will be set for the key that grants Casey Reed access to 'Charter' and its contents.", {}, true},
    {"ValidPasscode", Create<SetPasscodeWizard>(), EnterPasscode,
     "A valid passcode has been selected and will be set for the key that grants Casey Reed access to 'Charter' "
     "and its contents.",
     {}, true},
    {"DurationUnrestricted", Create<SetSessionDurationWizard>(), Duration(false, 60, 1),
     "The session duration of the key that grants Casey Reed access to 'Charter' and its contents will not be set.",
     {}, true},
    {"Duration45Hours", Create<SetSessionDurationWizard>(), Duration(true, 45, 1),
     "The session duration of the key that grants Casey Reed access to 'Charter' and its contents will be set to 45 "
     "hours.",
     {}, true},
    {"Duration1Minute", Create<SetSessionDurationWizard>(), Duration(true, 1, 0),
     "The session duration of the key that grants Casey Reed access to 'Charter' and its contents will be set to 1 "
     "minutes.",
     {}, true},
};

class SetRuleWizardTest : public ::testing::Test
{
protected:
    void SetUp() override { PrepareServices(); }

    testsupport::ScopedTimeZone m_zone{"Europe/Berlin"};
    common::FixedClock m_clock{boost::posix_time::time_from_string(Now)};
};

class MemberTest : public SetRuleWizardTest, public ::testing::WithParamInterface<MemberCase>
{};

TEST_P(MemberTest, TheConfirmationSumsUpAndDecidesFinish)
{
    const std::unique_ptr<SetRuleWizard> wizard = GetParam().create();
    wizard->show();
    wizard->next();
    Settle();
    GetParam().choose(*wizard);
    wizard->next();
    Settle();
    ASSERT_EQ(wizard->currentId(), 2);
    const QTextEdit& summary = *SummaryOf(*wizard);
    EXPECT_TRUE(ShownText(summary).startsWith(GetParam().summary)) << ShownText(summary).toStdString();
    EXPECT_EQ(RedTexts(summary), GetParam().red);
    EXPECT_EQ(wizard->button(QWizard::FinishButton)->isEnabled(), GetParam().complete);
}

INSTANTIATE_TEST_SUITE_P(Members, MemberTest, ::testing::ValuesIn(MemberCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetRuleWizardTest, EachMemberHasItsTitlesAndTexts)
{
    SetActiveHoursWizard hours(Object, Holder, nullptr);
    EXPECT_EQ(hours.windowTitle(), QStringLiteral("Set Active Hours Wizard"));
    EXPECT_EQ(hours.page(0)->subTitle(),
              QStringLiteral("This wizard will guide you through setting the active hours of a key."));
    EXPECT_EQ(hours.page(0)->findChild<QTextEdit*>()->toPlainText(),
              QStringLiteral("This wizard allows you to select the hours of the day during which Casey Reed will have "
                             "access to 'Charter' and its contents."));
    EXPECT_EQ(hours.page(2)->title(), QStringLiteral("Confirmation"));
    SetSessionDurationWizard duration(Object, Holder, nullptr);
    EXPECT_EQ(duration.windowTitle(), QStringLiteral("Set Session Duration Wizard"));
    EXPECT_EQ(duration.page(0)->findChild<QTextEdit*>()->toPlainText(),
              QStringLiteral("This wizard allows you to set the session duration of the key that grants Casey Reed "
                             "access to 'Charter' and its contents."));
}

TEST_F(SetRuleWizardTest, TheAccessorsReadTheFields)
{
    SetActiveHoursWizard hours(Object, Holder, nullptr);
    ChooseHours(*hours.page(1), true, QTime(8, 30), QTime(17, 0));
    EXPECT_TRUE(hours.restrictedHours());
    EXPECT_EQ(hours.activeFrom(), QTime(8, 30));
    EXPECT_EQ(hours.activeTo(), QTime(17, 0));
    EXPECT_FALSE(hours.activeRegion().isEmpty());

    SetExpirationDateWizard expiry(Object, Holder, nullptr);
    Set(expiry, "expirationDateCalendar", QDate(2027, 3, 1));
    EXPECT_EQ(expiry.expirationDate(), QDate(2027, 3, 1));

    SetSessionDurationWizard duration(Object, Holder, nullptr);
    Duration(true, 90, 0)(duration);
    EXPECT_TRUE(duration.restrictedDuration());
    EXPECT_EQ(duration.durationSpinBox(), 90);
    EXPECT_EQ(duration.durationComboBox(), 0);

    SetPasscodeWizard passcode(Object, Holder, nullptr);
    EXPECT_TRUE(passcode.noPasscode());
    EXPECT_FALSE(passcode.passcodeIsValid());
}

TEST_F(SetRuleWizardTest, EveryPasscodeCallGivesANewAcceptedText)
{
    SetPasscodeWizard wizard(Object, Holder, nullptr);
    Set(wizard, "passcode", QStringLiteral("2468"));
    const std::string first = wizard.passcode();
    const std::string second = wizard.passcode();
    EXPECT_NE(first, second);
    EXPECT_EQ(first.size(), second.size());
    const Cryptographer* cryptographer = ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
    EXPECT_TRUE(cryptographer->decodePassword(cryptographer->hashPassword("2468"), first));
    EXPECT_TRUE(cryptographer->decodePassword(cryptographer->hashPassword("2468"), second));
}

TEST_F(SetRuleWizardTest, CancelGivesNoChoice)
{
    SetExpirationDateWizard wizard(Object, Holder, nullptr);
    testsupport::WhenModal<SetExpirationDateWizard>(
        [](SetExpirationDateWizard* shown) { shown->button(QWizard::CancelButton)->click(); });
    EXPECT_EQ(wizard.exec(), 0);

    testsupport::WhenModal<SetSessionDurationWizard>(
        [](SetSessionDurationWizard* shown) { shown->button(QWizard::CancelButton)->click(); });
    EXPECT_FALSE(KeyWizards::current().setSessionDuration(Object, Holder, nullptr));
}

TEST_F(SetRuleWizardTest, FinishHandsTheChoiceToTheCaller)
{
    testsupport::DialogGuard guard;
    guard.allow<SetExpirationDateWizard>();
    testsupport::WhenModal<SetExpirationDateWizard>([](SetExpirationDateWizard* shown) {
        shown->next();
        Expiry(10)(*shown);
        shown->next();
        shown->button(QWizard::FinishButton)->click();
    });
    const auto expiry = KeyWizards::current().setExpirationDate(Object, Holder, nullptr);
    ASSERT_TRUE(expiry.has_value());
    EXPECT_EQ(expiry->expirationDate, QDate(2027, 1, 20));
}

TEST_F(SetRuleWizardTest, APasscodeNeitherClearedNorEnteredIsRedAndIncomplete)
{
    SetPasscodeWizard wizard(Object, Holder, nullptr);
    wizard.show();
    wizard.next();
    wizard.next();
    Settle();
    ASSERT_EQ(wizard.currentId(), 2);
    testsupport::ChildWithText<QRadioButton>(*wizard.page(1), WithPasscode)->click();
    Settle();
    ASSERT_FALSE(wizard.noPasscode());
    wizard.currentPage()->initializePage();
    const QString invalid = QStringLiteral("An invalid passcode has been selected for the key that grants Casey Reed "
                                           "access to 'Charter' and its contents.");
    EXPECT_THAT(RedTexts(*SummaryOf(wizard)), ElementsAre(invalid));
    EXPECT_FALSE(wizard.currentPage()->isComplete());
}

TEST_F(SetRuleWizardTest, BackThenNextRebuildsTheSummary)
{
    SetSessionDurationWizard wizard(Object, Holder, nullptr);
    wizard.show();
    wizard.next();
    Duration(true, 45, 1)(wizard);
    wizard.next();
    EXPECT_TRUE(ShownText(*SummaryOf(wizard)).contains(QStringLiteral("45 hours")));
    wizard.back();
    Duration(true, 30, 0)(wizard);
    wizard.next();
    EXPECT_TRUE(ShownText(*SummaryOf(wizard)).contains(QStringLiteral("30 minutes")));
}

TEST_F(SetRuleWizardTest, TheExpirySummaryTurnsRedAfterMidnight)
{
    SetExpirationDateWizard wizard(Object, Holder, nullptr);
    wizard.show();
    wizard.next();
    Expiry(1)(wizard);
    wizard.next();
    EXPECT_THAT(RedTexts(*SummaryOf(wizard)), IsEmpty());
    m_clock.set(boost::posix_time::time_from_string("2027-01-10 23:30:00"));
    wizard.back();
    wizard.next();
    EXPECT_THAT(RedTexts(*SummaryOf(wizard)),
                ElementsAre("The expiration date of the key will be Monday, January 11, 2027, today."));
    EXPECT_TRUE(wizard.button(QWizard::FinishButton)->isEnabled());
}

// The revision member lists Charter's revisions from the server.
class SetRevisionWizardTest : public SetRuleWizardTest
{
protected:
    void SetUp() override
    {
        SetRuleWizardTest::SetUp();
        ASSERT_TRUE(m_server.running());
        m_wizard.show();
        m_wizard.next();
        Settle();
    }

    void choosePrevious()
    {
        testsupport::ChildWithText<QRadioButton>(*m_wizard.currentPage(), QStringLiteral("Previous Revision"))
            ->click();
        Settle();
        // The current revision is listed first.
        auto* list = m_wizard.currentPage()->findChild<RevisionHistoryListWidget*>();
        ASSERT_EQ(list->count(), 2);
        list->clearSelection();
        list->item(1)->setSelected(true);
    }

    Server m_server;
    SetRevisionWizard m_wizard{Object, Holder, nullptr, CharterId};
};

TEST_F(SetRevisionWizardTest, TheCurrentRevisionIsComplete)
{
    m_wizard.next();
    EXPECT_EQ(ShownText(*SummaryOf(m_wizard)),
              QStringLiteral("You have selected the current (i.e. latest) revision of the document."));
    EXPECT_TRUE(m_wizard.button(QWizard::FinishButton)->isEnabled());
    EXPECT_TRUE(m_wizard.currentRevision());
}

TEST_F(SetRevisionWizardTest, AnEarlierRevisionIsCompleteOnceARowIsChosen)
{
    choosePrevious();
    const QString shown = m_wizard.field(QStringLiteral("revisionDateTime")).toString();
    m_wizard.next();
    EXPECT_EQ(ShownText(*SummaryOf(m_wizard)),
              QStringLiteral("You have selected a previous (%1) revision of the document.").arg(shown));
    EXPECT_TRUE(m_wizard.button(QWizard::FinishButton)->isEnabled());
    EXPECT_FALSE(m_wizard.currentRevision());
    EXPECT_EQ(m_wizard.revisionSysStart(), EarlierRevision);
    EXPECT_EQ(m_wizard.revisionDateTime(), shown.toStdString());

    m_wizard.back();
    m_wizard.page(1)->findChild<RevisionHistoryListWidget*>()->clearSelection();
    m_wizard.next();
    EXPECT_EQ(ShownText(*SummaryOf(m_wizard)),
              QStringLiteral("You have selected a previous () revision of the document."));
    EXPECT_FALSE(m_wizard.button(QWizard::FinishButton)->isEnabled());
    EXPECT_EQ(m_wizard.revisionSysStart(), "");
}

}  // namespace
