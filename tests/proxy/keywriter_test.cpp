#include "keykinds.h"
#include "presentfields.h"

#include "tests/support/acelogcapture.h"

#include <google/protobuf/util/message_differencer.h>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace proxytest;
using google::protobuf::util::MessageDifferencer;

template <class Kind>
class KeyWriterTest : public ::testing::Test
{};
TYPED_TEST_SUITE(KeyWriterTest, KeyKinds);

// One setter of the writer and the same change made directly on the record.
template <class Kind>
struct SetterCase
{
    const char* name;
    std::function<void(typename Kind::Writer&)> write;
    std::function<void(typename Kind::Record&)> expected;
};

template <class Kind>
std::vector<SetterCase<Kind>> CommonSetters()
{
    using Record = typename Kind::Record;
    using Writer = typename Kind::Writer;
    using Proxy = typename Kind::Proxy;
    auto descriptor = [](Record& key) -> zarv::data::SecurityDescriptor& { return Kind::descriptor(key); };
    return {
        {"description", [](Writer& w) { w.setDescription("new"); },
         [](Record& key) { Kind::setDescription(key, "new"); }},
        {"properties", [](Writer& w) { w.setProperties(6); }, [](Record& key) { Kind::setProperties(key, 6); }},
        {"property bit", [](Writer& w) { w.setProperty(Proxy::EmphasizeName, false); },
         [](Record& key) { Kind::setProperties(key, typename Kind::Reader(key).properties() & ~1); }},
        {"user id", [](Writer& w) { w.setUserId(70); }, [](Record& key) { Kind::user(key).set_user_id(70); }},
        {"user last name", [](Writer& w) { w.setUserLastName("Lee"); },
         [](Record& key) { Kind::user(key).set_user_last_name("Lee"); }},
        {"user first name", [](Writer& w) { w.setUserFirstName("Eve"); },
         [](Record& key) { Kind::user(key).set_user_first_name("Eve"); }},
        {"user middle name", [](Writer& w) { w.setUserMiddleName("Q"); },
         [](Record& key) { Kind::user(key).set_user_middle_name("Q"); }},
        {"region", [](Writer& w) { w.setActiveRegion("Asia/Tokyo"); },
         [=](Record& key) { descriptor(key).set_active_region("Asia/Tokyo"); }},
        {"from", [](Writer& w) { w.setActiveFrom("8:00"); },
         [=](Record& key) { descriptor(key).set_active_from("8:00"); }},
        {"to", [](Writer& w) { w.setActiveTo("x"); }, [=](Record& key) { descriptor(key).set_active_to("x"); }},
        {"password", [](Writer& w) { w.setPassword("12AB"); },
         [=](Record& key) { descriptor(key).set_password("12AB"); }},
        {"session duration", [](Writer& w) { w.setSessionDuration(90); },
         [=](Record& key) { descriptor(key).set_session_duration(90); }},
        {"May on", [](Writer& w) { w.setActiveDuringMay(true); },
         [=](Record& key) { descriptor(key).set_active(descriptor(key).active() | 1 << 5); }},
        {"May off", [](Writer& w) { w.setActiveDuringMay(false); },
         [=](Record& key) { descriptor(key).set_active(descriptor(key).active() & ~(1 << 5)); }},
        {"December on", [](Writer& w) { w.setActiveDuringDecember(true); },
         [=](Record& key) { descriptor(key).set_active(descriptor(key).active() | 1 << 12); }},
        {"Sunday off", [](Writer& w) { w.setActiveOnSunday(false); },
         [=](Record& key) { descriptor(key).set_active(descriptor(key).active() & ~(1 << 13)); }},
        {"Saturday on", [](Writer& w) { w.setActiveOnSaturday(true); },
         [=](Record& key) { descriptor(key).set_active(descriptor(key).active() | 1 << 19); }},
        {"status off", [](Writer& w) { w.setActive(Proxy::ActiveStatus, false); },
         [=](Record& key) { descriptor(key).set_active(descriptor(key).active() & ~1); }},
        {"view off", [](Writer& w) { w.setPermission(Proxy::View, false); },
         [=](Record& key) { descriptor(key).set_permissions(descriptor(key).permissions() & ~1); }},
        {"search on", [](Writer& w) { w.setPermission(Proxy::Search, true); },
         [=](Record& key) { descriptor(key).set_permissions(descriptor(key).permissions() | 1 << 6); }},
        {"audit on", [](Writer& w) { w.setAudit(Proxy::Severity3Details, true); },
         [=](Record& key) { descriptor(key).set_audits(descriptor(key).audits() | 1 << 13); }},
    };
}

template <class Kind>
void ExpectSettersChangeOnlyTheirField(const std::vector<SetterCase<Kind>>& cases)
{
    for (const typename Kind::Record& start : {typename Kind::Record(), FullKey<Kind>()}) {
        for (const SetterCase<Kind>& c : cases) {
            typename Kind::Record written = start;
            typename Kind::Writer writer = Kind::writer(written);
            c.write(writer);
            typename Kind::Record expected = start;
            c.expected(expected);
            EXPECT_EQ(proxytest::PresentFields(expected), proxytest::PresentFields(written)) << c.name;
            EXPECT_TRUE(MessageDifferencer::Equals(expected, written))
                << c.name << "\nexpected " << expected.ShortDebugString() << "\nwritten  "
                << written.ShortDebugString();
        }
    }
}

TYPED_TEST(KeyWriterTest, EachSetterWritesExactlyItsField)
{
    ExpectSettersChangeOnlyTheirField<TypeParam>(CommonSetters<TypeParam>());
}

TYPED_TEST(KeyWriterTest, FirstBitOnAFreshKeyIsTheOnlyBit)
{
    typename TypeParam::Record key;
    TypeParam::writer(key).setActiveDuringMay(true);
    EXPECT_EQ(1u, PresentFields(key).size());
    EXPECT_EQ(32, TypeParam::descriptor(key).active());
    EXPECT_EQ(std::set<std::string>{"active"}, PresentFields(TypeParam::descriptor(key)));

    typename TypeParam::Record cleared;
    TypeParam::writer(cleared).setPermission(TypeParam::Proxy::View, false);
    EXPECT_EQ(1u, PresentFields(cleared).size());
    EXPECT_EQ(std::set<std::string>{"permissions"}, PresentFields(TypeParam::descriptor(cleared)));
    EXPECT_EQ(0, TypeParam::descriptor(cleared).permissions());
}

TYPED_TEST(KeyWriterTest, BitSettersKeepTheOtherBits)
{
    typename TypeParam::Record key;
    TypeParam::descriptor(key).set_active(0xFFFFF);
    typename TypeParam::Writer writer = TypeParam::writer(key);
    writer.setActive(TypeParam::Proxy::March, true);
    EXPECT_EQ(0xFFFFF, TypeParam::descriptor(key).active());
    writer.setActiveOnSaturday(false);
    EXPECT_EQ(0x7FFFF, TypeParam::descriptor(key).active());
}

TYPED_TEST(KeyWriterTest, BitPositionBeyondTheWordThrowsAndChangesNothing)
{
    typename TypeParam::Record key;
    typename TypeParam::Writer writer = TypeParam::writer(key);
    EXPECT_THROW(writer.setActive(static_cast<typename TypeParam::Proxy::Active>(32), true), std::out_of_range);
    EXPECT_THROW(writer.setPermission(static_cast<typename TypeParam::Proxy::Permission>(33), false),
                 std::out_of_range);
    EXPECT_THROW(writer.setProperty(static_cast<typename TypeParam::Proxy::Property>(32), true), std::out_of_range);
    EXPECT_TRUE(PresentFields(key).empty());
}

TYPED_TEST(KeyWriterTest, AssignmentCopiesTheReadersRecordWhole)
{
    typename TypeParam::Record written = FullKey<TypeParam>();
    typename TypeParam::Record source;
    TypeParam::setDescription(source, "only this");
    TypeParam::writer(written) = typename TypeParam::Reader(source);
    EXPECT_TRUE(MessageDifferencer::Equals(source, written)) << written.ShortDebugString();

    typename TypeParam::Writer writer = TypeParam::writer(written);
    writer = typename TypeParam::Reader(written);
    EXPECT_TRUE(MessageDifferencer::Equals(source, written)) << "assigning a key to itself keeps it";
}

TEST(DocumentKeyWriter, InitializationIsIgnored)
{
    for (auto init :
         {DocumentKeyProxy::NoInitialization, DocumentKeyProxy::Permissive, DocumentKeyProxy::Restrictive}) {
        zarv::data::DocumentKey empty;
        DocumentKeyWriter writer(empty, init);
        EXPECT_TRUE(PresentFields(empty).empty()) << init;
        zarv::data::DocumentKey full = FullKey<DocumentKeyKind>();
        DocumentKeyWriter fullWriter(full, init);
        EXPECT_TRUE(MessageDifferencer::Equals(FullKey<DocumentKeyKind>(), full)) << init;
    }
}

TEST(DocumentKeyWriter, SettersOfItsOwn)
{
    using Writer = DocumentKeyWriter;
    using Record = zarv::data::DocumentKey;
    ExpectSettersChangeOnlyTheirField<DocumentKeyKind>({
        {"document id", [](Writer& w) { w.setDocumentId(5); },
         [](Record& key) { key.mutable_document_key_document()->set_document_id(5); }},
        {"document name", [](Writer& w) { w.setDocumentName("Notes"); },
         [](Record& key) { key.mutable_document_key_document()->set_document_name("Notes"); }},
        {"revision", [](Writer& w) { w.setDocumentRevision("2030-1-1"); },
         [](Record& key) { key.set_document_key_document_revision("2030-1-1"); }},
        {"creation date", [](Writer& w) { w.setCreationDate("2030-06-15 10:00:00"); },
         [](Record& key) { key.set_document_key_creation_date("2030-06-15 10:00:00"); }},
        {"creation date in ISO form", [](Writer& w) { w.setCreationDate("20300615T100000.5Z"); },
         [](Record& key) { key.set_document_key_creation_date("2030-06-15 10:00:00.500000"); }},
        {"expiration date", [](Writer& w) { w.setExpirationDate("2030-06-15"); },
         [](Record& key) {
             key.mutable_document_key_security_descriptor()->set_expiration_date("2030-06-15 00:00:00");
         }},
        {"expiration action", [](Writer& w) { w.setExpirationAction(DocumentKeyProxy::NoAction); },
         [](Record& key) { key.mutable_document_key_security_descriptor()->set_expiration_action(0); }},
    });
}

TEST(DocumentKeyWriter, DateThatIsNoTimestampIsReportedAndNotStored)
{
    zarv::data::DocumentKey key = FullKey<DocumentKeyKind>();
    DocumentKeyWriter writer(key, DocumentKeyProxy::NoInitialization);
    testsupport::AceLogCapture log;
    writer.setExpirationDate("15.06.2030");
    writer.setCreationDate("");
    EXPECT_TRUE(MessageDifferencer::Equals(FullKey<DocumentKeyKind>(), key));
    ASSERT_EQ(2u, log.entries().size());
    EXPECT_TRUE(log.contains("library/core/proxy/documentkeywriter"));
    EXPECT_TRUE(log.contains("dbTimestamp.isValid()"));
}

TEST(FolderKeyWriter, SettersOfItsOwn)
{
    using Writer = FolderKeyWriter;
    using Record = zarv::data::FolderKey;
    ExpectSettersChangeOnlyTheirField<FolderKeyKind>({
        {"folder id", [](Writer& w) { w.setFolderId(5); },
         [](Record& key) { key.mutable_folder_key_folder()->set_folder_id(5); }},
        {"folder name", [](Writer& w) { w.setFolderName("Archive"); },
         [](Record& key) { key.mutable_folder_key_folder()->set_folder_name("Archive"); }},
        {"creation date as given", [](Writer& w) { w.setCreationDate("20300615T100000"); },
         [](Record& key) { key.set_folder_key_creation_date("20300615T100000"); }},
        {"expiration date as given", [](Writer& w) { w.setExpirationDate("no date at all"); },
         [](Record& key) { key.mutable_folder_key_security_descriptor()->set_expiration_date("no date at all"); }},
        {"expiration action", [](Writer& w) { w.setExpirationAction(FolderKeyProxy::NoExpirationAction); },
         [](Record& key) { key.mutable_folder_key_security_descriptor()->set_expiration_action(0); }},
        {"key switched off", [](Writer& w) { w.setActive(false); },
         [](Record& key) {
             zarv::data::SecurityDescriptor& descriptor = *key.mutable_folder_key_security_descriptor();
             descriptor.set_active(descriptor.active() & ~1);
         }},
        {"key switched on", [](Writer& w) { w.setActive(true); },
         [](Record& key) {
             zarv::data::SecurityDescriptor& descriptor = *key.mutable_folder_key_security_descriptor();
             descriptor.set_active(descriptor.active() | 1);
         }},
    });
}

}  // namespace
