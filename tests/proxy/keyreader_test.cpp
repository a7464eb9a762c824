#include "keykinds.h"

#include "library/core/proxy/keyreader.h"
#include "tests/support/acelogcapture.h"
#include "tests/support/scopedtimezone.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace proxytest;

template <class Kind>
class KeyReaderTest : public ::testing::Test
{};
TYPED_TEST_SUITE(KeyReaderTest, KeyKinds);

TYPED_TEST(KeyReaderTest, EmptyKeyReadsAsNullEverywhere)
{
    const typename TypeParam::Record key;
    const typename TypeParam::Reader reader(key);
    EXPECT_EQ(INT_MIN, TypeParam::parentId(reader));
    EXPECT_EQ(INT_MIN, reader.userId());
    EXPECT_EQ(INT_MIN, reader.ownerId());
    EXPECT_EQ("", TypeParam::parentName(reader));
    EXPECT_EQ("", reader.description());
    EXPECT_EQ("", reader.password());
    EXPECT_EQ(0, reader.properties());
    EXPECT_EQ(0, reader.sessionDuration());
    for (int bit = 0; bit < 32; ++bit) {
        EXPECT_FALSE(reader.active(static_cast<typename TypeParam::Proxy::Active>(bit))) << bit;
        EXPECT_FALSE(reader.permission(static_cast<typename TypeParam::Proxy::Permission>(bit))) << bit;
    }
    EXPECT_TRUE(reader.noPermissions());
    EXPECT_TRUE(reader.inactive());
    EXPECT_EQ("", reader.creationDateDisplay());
    EXPECT_EQ("", reader.expirationDateDisplay());
    EXPECT_EQ("", reader.activeHoursDisplay());
    EXPECT_EQ("", reader.sessionDurationDisplay());
    EXPECT_EQ("", reader.userDisplayName());
    EXPECT_EQ("", reader.ownerDisplayNameAlphabetical());
    EXPECT_EQ(&key, &static_cast<const typename TypeParam::Record&>(reader));
}

// An id is null when its field or the record holding it is absent; a present
// 0 is a real id.
TYPED_TEST(KeyReaderTest, IdsFollowTheNullRule)
{
    typename TypeParam::Record key;
    const typename TypeParam::Reader reader(key);
    TypeParam::user(key).set_user_last_name("Cole");
    EXPECT_EQ(INT_MIN, reader.userId()) << "user record without an id";
    TypeParam::user(key).set_user_id(0);
    EXPECT_EQ(0, reader.userId());
    TypeParam::owner(key).set_user_id(-3);
    EXPECT_EQ(-3, reader.ownerId());
    TypeParam::setParent(key, 0, "");
    EXPECT_EQ(0, TypeParam::parentId(reader));
}

TYPED_TEST(KeyReaderTest, ReadsTheRecordAtEveryCall)
{
    typename TypeParam::Record key = FullKey<TypeParam>();
    const typename TypeParam::Reader reader(key);
    EXPECT_EQ(41, TypeParam::parentId(reader));
    EXPECT_EQ("Plans", TypeParam::parentName(reader));
    EXPECT_EQ(9, reader.ownerId());
    EXPECT_EQ("America/Bogota", reader.activeRegion());
    EXPECT_TRUE(reader.audit(TypeParam::Proxy::Severity1));
    EXPECT_TRUE(reader.audit(TypeParam::Proxy::Severity1Details));
    EXPECT_FALSE(reader.audit(TypeParam::Proxy::Severity2));
    EXPECT_TRUE(reader.expirationAction(TypeParam::Proxy::NoAction));
    EXPECT_TRUE(reader.property(TypeParam::Proxy::EmphasizeName));

    TypeParam::writer(key).setProperty(TypeParam::Proxy::EmphasizeName, false);
    EXPECT_FALSE(reader.property(TypeParam::Proxy::EmphasizeName));
    key.Clear();
    EXPECT_EQ(INT_MIN, TypeParam::parentId(reader));
}

TYPED_TEST(KeyReaderTest, NamedDayAndMonthTestsReadTheirOwnBits)
{
    using Reader = typename TypeParam::Reader;
    using Test = bool (Reader::*)() const;
    const std::vector<Test> tests = {
        &Reader::activeDuringJanuary, &Reader::activeDuringFebruary, &Reader::activeDuringMarch,
        &Reader::activeDuringApril,   &Reader::activeDuringMay,      &Reader::activeDuringJune,
        &Reader::activeDuringJuly,    &Reader::activeDuringAugust,   &Reader::activeDuringSeptember,
        &Reader::activeDuringOctober, &Reader::activeDuringNovember, &Reader::activeDuringDecember,
        &Reader::activeOnSunday,      &Reader::activeOnMonday,       &Reader::activeOnTuesday,
        &Reader::activeOnWednesday,   &Reader::activeOnThursday,     &Reader::activeOnFriday,
        &Reader::activeOnSaturday};
    typename TypeParam::Record key;
    const Reader reader(key);
    for (std::size_t index = 0; index < tests.size(); ++index) {
        TypeParam::descriptor(key).set_active(1 << (index + 1));
        for (std::size_t other = 0; other < tests.size(); ++other) {
            EXPECT_EQ(index == other, (reader.*tests[other])()) << index << " " << other;
        }
    }
}

TYPED_TEST(KeyReaderTest, InactiveWithoutStatusWeekdayMonthOrPermission)
{
    const int usable = 1 | 1 << 1 | 0x7F << 13;
    const int lastBit = TypeParam::m_PermissionBits - 1;
    struct Case
    {
        int active;
        int permissions;
        bool noPermissions;
        bool inactive;
    };
    const std::vector<Case> cases = {
        {usable, 1 << 0, false, false},
        {usable, 1 << 3, false, false},
        {usable, 1 << 6, false, false},
        {usable, 1 << lastBit, false, false},
        {usable, 1 << (lastBit + 1), true, true},
        {usable, 0, true, true},
        {usable & ~1, 1, false, true},
        {usable & ~(1 << 1), 1, false, true},
        {usable & ~(0x7F << 13), 1, false, true},
    };
    for (const Case& c : cases) {
        typename TypeParam::Record key;
        TypeParam::descriptor(key).set_active(c.active);
        TypeParam::descriptor(key).set_permissions(c.permissions);
        const typename TypeParam::Reader reader(key);
        EXPECT_EQ(c.noPermissions, reader.noPermissions()) << std::hex << c.active << " " << c.permissions;
        EXPECT_EQ(c.inactive, reader.inactive()) << std::hex << c.active << " " << c.permissions;
    }
    typename TypeParam::Record descriptorWithoutPermissions;
    TypeParam::descriptor(descriptorWithoutPermissions).set_active(usable);
    EXPECT_TRUE(typename TypeParam::Reader(descriptorWithoutPermissions).noPermissions());
}

TYPED_TEST(KeyReaderTest, BitPositionBeyondTheWordThrows)
{
    const typename TypeParam::Record key = FullKey<TypeParam>();
    const typename TypeParam::Reader reader(key);
    EXPECT_THROW(reader.active(static_cast<typename TypeParam::Proxy::Active>(32)), std::out_of_range);
    EXPECT_THROW(reader.permission(static_cast<typename TypeParam::Proxy::Permission>(40)), std::out_of_range);
}

TYPED_TEST(KeyReaderTest, DisplayNamesNeedLastAndFirstNameText)
{
    struct Case
    {
        const char* last;
        const char* first;
        const char* middle;
        const char* name;
        const char* alphabetical;
    };
    const std::vector<Case> cases = {
        {"Smith", "Ann", "", "Ann Smith", "Smith, Ann"},
        {"Smith", "Ann", "B.", "Ann B. Smith", "Smith, Ann B."},
        {"Smith", "", "B.", "", ""},
        {"", "Ann", "B.", "", ""},
    };
    for (const Case& c : cases) {
        typename TypeParam::Record key;
        FillUser(TypeParam::user(key), 1, c.last, c.first, c.middle);
        FillUser(TypeParam::owner(key), 2, c.last, c.first, c.middle);
        const typename TypeParam::Reader reader(key);
        EXPECT_EQ(c.name, reader.userDisplayName()) << c.last << "/" << c.first << "/" << c.middle;
        EXPECT_EQ(c.alphabetical, reader.userDisplayNameAlphabetical());
        EXPECT_EQ(c.name, reader.ownerDisplayName());
        EXPECT_EQ(c.alphabetical, reader.ownerDisplayNameAlphabetical());
    }
    typename TypeParam::Record absentFirstName;
    TypeParam::user(absentFirstName).set_user_last_name("Smith");
    TypeParam::user(absentFirstName).set_user_middle_name("B.");
    EXPECT_EQ("", typename TypeParam::Reader(absentFirstName).userDisplayName());
}

TYPED_TEST(KeyReaderTest, SessionDurationText)
{
    const std::vector<std::pair<int, std::string>> cases = {
        {0, ""},           {-60, ""},          {30, "0 minutes"}, {60, "1 minute"},
        {119, "1 minute"}, {120, "2 minutes"}, {3600, "1 hour"},  {5400, "90 minutes"},
        {7200, "2 hours"},
    };
    for (const auto& [seconds, text] : cases) {
        typename TypeParam::Record key;
        TypeParam::descriptor(key).set_session_duration(seconds);
        EXPECT_EQ(text, typename TypeParam::Reader(key).sessionDurationDisplay()) << seconds;
    }
}

TYPED_TEST(KeyReaderTest, ActiveHoursText)
{
    struct Case
    {
        const char* from;
        const char* to;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"08:00:00", "17:00:00", "08:00 AM - 05:00 PM"},
        {"22:00:00", "06:30:00", "10:00 PM - 06:30 AM"},
        {"00:00:00", "00:00:00", ""},
        {"08:00:00", "", ""},
        {"", "17:00:00", ""},
        // Server data that is no time of day shows nothing rather than throw.
        {"eight", "17:00:00", ""},
    };
    for (const Case& c : cases) {
        typename TypeParam::Record key;
        TypeParam::descriptor(key).set_active_from(c.from);
        TypeParam::descriptor(key).set_active_to(c.to);
        EXPECT_EQ(c.text, typename TypeParam::Reader(key).activeHoursDisplay()) << c.from << "-" << c.to;
    }
}

TYPED_TEST(KeyReaderTest, DatesAreShownInLocalTime)
{
    testsupport::ScopedTimeZone zone("Asia/Tokyo");
    typename TypeParam::Record key;
    TypeParam::setCreationDate(key, "2029-05-01 08:00:00.5");
    EXPECT_EQ("2029-05-01 17:00:00.500000", typename TypeParam::Reader(key).creationDateDisplay());
    TypeParam::setCreationDate(key, "yesterday");
    EXPECT_EQ("", typename TypeParam::Reader(key).creationDateDisplay());
}

// Before 1970 the computer's local time cannot be computed: the creation date
// must show as nothing, with a warning, and not throw.
TYPED_TEST(KeyReaderTest, DatesBefore1970ShowEmptyWithAWarning)
{
    testsupport::ScopedTimeZone zone("Europe/Berlin");
    typename TypeParam::Record key;
    TypeParam::setCreationDate(key, "1969-12-31 23:59:59");
    const typename TypeParam::Reader reader(key);
    testsupport::AceLogCapture log;
    EXPECT_EQ("", reader.creationDateDisplay());
    ASSERT_EQ(1u, log.entries().size());
    EXPECT_EQ(LM_WARNING, log.entries()[0].priority);
    EXPECT_TRUE(log.contains("1969-12-31 23:59:59"));
}

// The expiration date is a calendar day: whatever the computer's time zone,
// the day stored is the day shown, on either side of UTC.
TYPED_TEST(KeyReaderTest, ExpirationDateShowsTheStoredDayInEveryTimeZone)
{
    for (const char* region : {"Europe/Berlin", "America/New_York", "Asia/Tokyo", "UTC"}) {
        testsupport::ScopedTimeZone zone(region);
        typename TypeParam::Record key;
        TypeParam::descriptor(key).set_expiration_date("2027-03-15 00:00:00");
        EXPECT_EQ("2027-03-15 00:00:00", typename TypeParam::Reader(key).expirationDateDisplay()) << region;
        TypeParam::descriptor(key).set_expiration_date("1400-01-01 00:00:00");
        EXPECT_EQ("1400-01-01 00:00:00", typename TypeParam::Reader(key).expirationDateDisplay()) << region;
    }
}

TYPED_TEST(KeyReaderTest, UnreadableExpirationDateIsReportedAndShownEmpty)
{
    typename TypeParam::Record key;
    TypeParam::descriptor(key).set_expiration_date("31/12/2030");
    testsupport::AceLogCapture log;
    EXPECT_EQ("", typename TypeParam::Reader(key).expirationDateDisplay());
    EXPECT_TRUE(log.contains("timestamp.isValid()"));

    log.clear();
    TypeParam::descriptor(key).set_expiration_date("");
    EXPECT_EQ("", typename TypeParam::Reader(key).expirationDateDisplay());
    EXPECT_TRUE(log.entries().empty());
}

// Keys are equal when everything that the key lists show and edit is equal.
TYPED_TEST(KeyReaderTest, EqualityLooksAtParentHolderAndRulesOnly)
{
    using Record = typename TypeParam::Record;
    using Change = std::function<void(Record&)>;
    const int firstMeaninglessBit = TypeParam::m_PermissionBits;
    const std::vector<std::pair<const char*, Change>> ignored = {
        {"owner", [](Record& key) { FillUser(TypeParam::owner(key), 10, "Other", "Owner", "X"); }},
        {"properties", [](Record& key) { TypeParam::setProperties(key, 0); }},
        {"creation date", [](Record& key) { TypeParam::setCreationDate(key, "2020-01-01 00:00:00"); }},
        {"audits", [](Record& key) { TypeParam::descriptor(key).set_audits(0); }},
        {"expiration action", [](Record& key) { TypeParam::descriptor(key).set_expiration_action(0); }},
        {"active bit 20", [](Record& key) { TypeParam::descriptor(key).set_active(0x1FFFFF); }},
        {"meaningless permission bit",
         [=](Record& key) { TypeParam::descriptor(key).set_permissions(0xFFF | 1 << firstMeaninglessBit); }},
    };
    const std::vector<std::pair<const char*, Change>> compared = {
        {"parent id", [](Record& key) { TypeParam::setParent(key, 42, "Plans"); }},
        {"parent name", [](Record& key) { TypeParam::setParent(key, 41, "Budget"); }},
        {"user id", [](Record& key) { TypeParam::user(key).set_user_id(8); }},
        {"user middle name", [](Record& key) { TypeParam::user(key).set_user_middle_name(""); }},
        {"description", [](Record& key) { TypeParam::setDescription(key, ""); }},
        {"status bit", [](Record& key) { TypeParam::descriptor(key).set_active(0xFFFFE); }},
        {"Saturday", [](Record& key) { TypeParam::descriptor(key).set_active(0x7FFFF); }},
        {"active from", [](Record& key) { TypeParam::descriptor(key).set_active_from("9:00:00"); }},
        {"active to", [](Record& key) { TypeParam::descriptor(key).set_active_to("18:00:00"); }},
        {"region", [](Record& key) { TypeParam::descriptor(key).set_active_region("Asia/Tokyo"); }},
        {"session duration", [](Record& key) { TypeParam::descriptor(key).set_session_duration(60); }},
        {"expiration date", [](Record& key) { TypeParam::descriptor(key).set_expiration_date(""); }},
        {"password", [](Record& key) { TypeParam::descriptor(key).clear_password_enum(); }},
        {"permission bit 5", [](Record& key) { TypeParam::descriptor(key).set_permissions(0xFDF); }},
    };
    const Record original = FullKey<TypeParam>();
    const typename TypeParam::Reader originalReader(original);
    for (const auto& [name, change] : ignored) {
        Record changed = original;
        change(changed);
        EXPECT_TRUE(originalReader == typename TypeParam::Reader(changed)) << name;
        EXPECT_FALSE(originalReader != typename TypeParam::Reader(changed)) << name;
    }
    for (const auto& [name, change] : compared) {
        Record changed = original;
        change(changed);
        EXPECT_FALSE(originalReader == typename TypeParam::Reader(changed)) << name;
        EXPECT_TRUE(originalReader != typename TypeParam::Reader(changed)) << name;
    }
    // An absent field equals its null value.
    Record empty;
    Record explicitNulls;
    TypeParam::descriptor(explicitNulls).set_session_duration(0);
    TypeParam::setDescription(explicitNulls, "");
    EXPECT_TRUE(typename TypeParam::Reader(empty) == typename TypeParam::Reader(explicitNulls));
}

TEST(DocumentKeyReader, RevisionValidityAndDisplay)
{
    testsupport::ScopedTimeZone zone("Asia/Tokyo");
    struct Case
    {
        bool present;
        const char* revision;
        bool valid;
        const char* display;
        const char* toolTip;
    };
    const std::vector<Case> cases = {
        {false, "", false, "", ""},
        {true, "", true, "", ""},
        {true, "not a timestamp", true, "", ""},
        {true, "9999-12-31 10:00:00", false, "", ""},
        {true, "2030-01-01 12:00:00.250000", true, "2030-01-01 21:00:00", "2030-01-01 21:00:00.250000"},
    };
    for (const Case& c : cases) {
        zarv::data::DocumentKey key;
        if (c.present) {
            key.set_document_key_document_revision(c.revision);
        }
        const DocumentKeyReader reader(key);
        EXPECT_EQ(c.revision, reader.documentRevision());
        EXPECT_EQ(c.valid, reader.documentRevisionValid()) << c.present << " " << c.revision;
        EXPECT_EQ(c.display, reader.documentRevisionDisplay()) << c.revision;
        EXPECT_EQ(c.toolTip, reader.documentRevisionToolTip()) << c.revision;
    }
}

TEST(DocumentKeyReader, EqualityComparesTheRevision)
{
    zarv::data::DocumentKey left = FullKey<DocumentKeyKind>();
    zarv::data::DocumentKey right = left;
    left.set_document_key_document_revision("2030-01-01 12:00:00");
    EXPECT_NE(DocumentKeyReader(left), DocumentKeyReader(right));
    right.set_document_key_document_revision("2030-01-01 12:00:00");
    EXPECT_EQ(DocumentKeyReader(left), DocumentKeyReader(right));
}

// The document key keeps the fraction of a second, the folder key drops it.
TEST(KeyReaders, ExpirationDateFormsDiffer)
{
    testsupport::ScopedTimeZone zone("America/New_York");
    zarv::data::DocumentKey documentKey;
    documentKey.mutable_document_key_security_descriptor()->set_expiration_date("2030-01-01 12:00:00.250000");
    zarv::data::FolderKey folderKey;
    folderKey.mutable_folder_key_security_descriptor()->set_expiration_date("2030-01-01 12:00:00.250000");
    EXPECT_EQ("2030-01-01 12:00:00.250000", DocumentKeyReader(documentKey).expirationDateDisplay());
    EXPECT_EQ("2030-01-01 12:00:00", FolderKeyReader(folderKey).expirationDateDisplay());
}

TEST(GetFormattedTime, TwelveHourForm)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"00:00:00", "12:00 AM"}, {"00:30:00", "12:30 AM"}, {"09:30:00", "09:30 AM"}, {"12:00:00", "12:00 PM"},
        {"12:30:00", "12:30 PM"}, {"17:05:59", "05:05 PM"}, {"24:00:00", "12:00 AM"}, {"09:75:00", "10:15 AM"},
    };
    for (const auto& [timeOfDay, text] : cases) {
        EXPECT_EQ(text, GetFormattedTime(timeOfDay)) << timeOfDay;
    }
}

TEST(GetFormattedTime, TextThatIsNoTimeGivesEmptyTextAndAWarning)
{
    for (const char* text : {"", "ab:00:00", "09:xx"}) {
        testsupport::AceLogCapture log;
        EXPECT_EQ("", GetFormattedTime(text)) << text;
        ASSERT_EQ(1u, log.entries().size()) << text;
        EXPECT_EQ(LM_WARNING, log.entries()[0].priority);
    }
}

}  // namespace
