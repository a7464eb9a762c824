#include "presentfields.h"

#include "library/common/clock.h"
#include "library/core/proxy/documentreader.h"
#include "library/core/proxy/documentwriter.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <google/protobuf/util/message_differencer.h>
#include <gtest/gtest.h>

#include <climits>

namespace {

using boost::posix_time::time_from_string;

zarv::data::Document Filled()
{
    zarv::data::Document document;
    document.set_document_id(3);
    document.set_document_user_id(4);
    document.set_document_folder_id(5);
    document.set_document_name("Plan");
    document.set_document_description("draft");
    document.set_document_properties(1);
    document.set_document_creation_date("2020-01-01 00:00:00");
    document.set_document_modification_date("2020-01-02 00:00:00");
    document.set_document_body("<p>text</p>");
    document.set_document_body_format(1);
    document.mutable_document_security_descriptor()->set_password("AB");
    document.set_document_security_descriptor_password_length(2);
    return document;
}

class DocumentWriterTest : public ::testing::Test
{
protected:
    common::FixedClock m_clock{time_from_string("2030-06-12 10:20:30.123456")};
};

TEST_F(DocumentWriterTest, NoInitializationTouchesNothing)
{
    zarv::data::Document document = Filled();
    DocumentWriter writer(document, DocumentProxy::NoInitialization);
    EXPECT_TRUE(google::protobuf::util::MessageDifferencer::Equals(Filled(), document));
}

TEST_F(DocumentWriterTest, NewDocumentDefaults)
{
    for (auto init : {DocumentProxy::Permissive, DocumentProxy::Restrictive}) {
        for (zarv::data::Document document : {zarv::data::Document(), Filled()}) {
            DocumentWriter writer(document, init);
            EXPECT_EQ(INT_MIN, document.document_id());
            EXPECT_EQ(INT_MIN, document.document_user_id());
            EXPECT_EQ(INT_MIN, document.document_folder_id());
            EXPECT_TRUE(document.has_document_name() && document.document_name().empty());
            EXPECT_TRUE(document.has_document_description() && document.document_description().empty());
            EXPECT_TRUE(document.has_document_body() && document.document_body().empty());
            EXPECT_TRUE(document.has_document_properties() && document.document_properties() == 0);
            EXPECT_TRUE(document.has_document_body_format() && document.document_body_format() == 0);
            EXPECT_EQ("2030-06-12 10:20:30.123456", document.document_creation_date());
            EXPECT_EQ("2030-06-12 10:20:30.123456", document.document_modification_date());
            const zarv::data::SecurityDescriptor& descriptor = document.document_security_descriptor();
            EXPECT_EQ(init == DocumentProxy::Permissive ? 0xFFFFF : 0, descriptor.active());
            EXPECT_EQ(init == DocumentProxy::Permissive ? "9999-12-31 00:00:00" : "1400-01-01 00:00:00",
                      descriptor.expiration_date());
            EXPECT_EQ("", descriptor.password());
            EXPECT_TRUE(DocumentReader(document).isValid());
        }
    }
}

TEST_F(DocumentWriterTest, OtherValuesLeaveAnEmptyDescriptor)
{
    zarv::data::Document document;
    DocumentWriter writer(document, static_cast<DocumentProxy::Initialization>(3));
    EXPECT_TRUE(document.has_document_security_descriptor());
    EXPECT_TRUE(proxytest::PresentFields(document.document_security_descriptor()).empty());
    EXPECT_EQ(11u, proxytest::PresentFields(document).size());
    EXPECT_FALSE(DocumentReader(document).isValid());
}

TEST_F(DocumentWriterTest, ValidityNeedsEveryFieldButIdAndPassword)
{
    zarv::data::Document document;
    DocumentWriter writer(document, DocumentProxy::Permissive);
    document.clear_document_id_enum();
    document.mutable_document_security_descriptor()->clear_password_enum();
    EXPECT_TRUE(DocumentReader(document).isValid());

    zarv::data::Document withoutAction = document;
    withoutAction.mutable_document_security_descriptor()->clear_expiration_action_enum();
    EXPECT_FALSE(DocumentReader(withoutAction).isValid());
    zarv::data::Document withoutBody = document;
    withoutBody.clear_document_body_enum();
    EXPECT_FALSE(DocumentReader(withoutBody).isValid());
    zarv::data::Document withoutDescriptor = document;
    withoutDescriptor.clear_document_security_descriptor_enum();
    EXPECT_FALSE(DocumentReader(withoutDescriptor).isValid());
}

}  // namespace
