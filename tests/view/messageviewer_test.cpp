// The message chain against the test server (fixture test.textproto, open
// session 7 of ada): 9004 answers 9003, which answers 9002, which answers
// 9001; 9001 may not be viewed and 9002 may not be printed; 9003 has two TO
// addressees (Smith, Ann and Sam without a last name) and one CC addressee
// (Jones, Bob); the sender, the subject and the addressees of 9004 hold
// markup. Message 0 is what a request for chain 0 finds.

#include "product/client/view/messageviewer.h"
#include "library/common/codes.h"
#include "library/core/proxy/messagewriter.h"
#include "library/gui/textreader.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/testserverprocess.h"

#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"

#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using testsupport::TestServerProcess;

constexpr int View = 1 << 0;
constexpr int Copy = 1 << 3;
constexpr int Text = 1 << 4;
constexpr int Pdf = 1 << 5;
constexpr int Print = 1 << 6;
constexpr int AllFive = View | Copy | Text | Pdf | Print;

// The chain reader, reachable for the tests.
class Viewer : public MessageViewer
{
public:
    using MessageViewer::chainReader;
};

zarv::data::Message WithPermissions(int permissions)
{
    zarv::data::Message message;
    message.mutable_message_security_descriptor()->set_permissions(permissions);
    return message;
}

TEST(MessageFilterTest, TruthTable)
{
    // The result for the filters none, copy, text, pdf, print, and all four.
    struct Case
    {
        int permissions;
        const char* passes;
    };
    const Case cases[] = {
        {AllFive, "111111"},
        {View, "100000"},
        {0, "000000"},
        {AllFive & ~View, "000000"},
        {AllFive & ~Copy, "101110"},
        {AllFive & ~Text, "110110"},
        {AllFive & ~Pdf, "111010"},
        {AllFive & ~Print, "111100"},
        {View | Print, "100010"},
        {View | Copy | Text, "111000"},
        {~0, "111111"},
    };
    struct Flags
    {
        bool copy, text, pdf, print;
    };
    const Flags flags[] = {{false, false, false, false}, {true, false, false, false}, {false, true, false, false},
                           {false, false, true, false},  {false, false, false, true}, {true, true, true, true}};
    const Viewer viewer;
    for (const Case& c : cases) {
        const zarv::data::Message message = WithPermissions(c.permissions);
        for (int index = 0; index < 6; ++index) {
            const Flags& f = flags[index];
            EXPECT_EQ(viewer.canDisplayMessage(message, f.copy, f.text, f.pdf, f.print), c.passes[index] == '1')
                << "permissions " << c.permissions << ", filter " << index;
        }
    }
    EXPECT_FALSE(viewer.canDisplayMessage(zarv::data::Message(), false, false, false, false))
        << "no descriptor reads as no permission";
}

TEST(MessageReplyFormatTest, ReplySubjectAlwaysGetsThePrefix)
{
    struct Case
    {
        const char* subject;
        const char* reply;
    };
    for (const Case& c : {Case{"Hello", "RE: Hello"}, Case{"RE: Hello", "RE: RE: Hello"}, Case{"", "RE: "},
                          Case{"Caf\xc3\xa9 %1", "RE: Caf\xc3\xa9 %1"}}) {
        zarv::data::Message message;
        message.set_message_subject(c.subject);
        EXPECT_EQ(FormatMessageReplySubject(message).toStdString(), c.reply);
    }
    EXPECT_EQ(FormatMessageReplySubject(zarv::data::Message()), QStringLiteral("RE: "));
}

// A user with the name parts that are not null.
zarv::data::User Person(const char* last, const char* first, const char* middle = nullptr, int id = INT_MIN)
{
    zarv::data::User user;
    if (id != INT_MIN) {
        user.set_user_id(id);
    }
    if (last) {
        user.set_user_last_name(last);
    }
    user.set_user_first_name(first);
    if (middle) {
        user.set_user_middle_name(middle);
    }
    return user;
}

zarv::data::Users List(std::initializer_list<zarv::data::User> users)
{
    zarv::data::Users list;
    for (const zarv::data::User& user : users) {
        *list.add_user() = user;
    }
    return list;
}

TEST(MessageReplyFormatTest, UserNamesInListOrder)
{
    struct Case
    {
        zarv::data::Users users;
        const char* names;
    };
    const Case cases[] = {
        {List({Person("Smith", "Ann"), Person("Jones", "Bob")}), "Smith, Ann; Jones, Bob"},
        {List({Person("Smith", "Ann"), Person(nullptr, "Sam"), Person("Jones", "Bob")}), "Smith, Ann; ; Jones, Bob"},
        {List({Person("Lee", "Ann", "B.")}), "Lee, Ann B."},
        {List({Person("<b>", "&")}), "<b>, &"},
        {List({}), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatUserNames(c.users).toStdString(), c.names);
    }
}

TEST(MessageReplyFormatTest, UsersAreOrderedByIdWithAnAbsentIdAsZero)
{
    const zarv::data::User none = Person("A", "B");
    EXPECT_TRUE(Person("A", "B", nullptr, -1) < none);
    EXPECT_TRUE(none < Person("A", "B", nullptr, 1));
    EXPECT_FALSE(none < Person("A", "B", nullptr, 0));
    EXPECT_FALSE(Person("A", "B", nullptr, 2) < Person("A", "B", nullptr, 1));
}

// A logged-on session with the test server: session 7 under its key.
class MessageChainTest : public ::testing::Test
{
protected:
    void SetUp() override { useServer(m_server->port()); }

    void TearDown() override
    {
        cryptographer().clear();
        MessageDispatcher::setSessionId(INT_MIN);
    }

    static Cryptographer& cryptographer() { return *ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance(); }

    static void useServer(unsigned short port)
    {
        static const unsigned char key[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                              0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
        std::copy(std::begin(key), std::end(key), cryptographer().getEkey());
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(port);
        MessageDispatcher::setSessionId(7);
        MessageDispatcher::setTimeout(std::chrono::seconds(5));
    }

    // The message as the server lists it: the first record of its chain.
    static zarv::data::Message Fetched(int messageId)
    {
        zarv::data::SelectMessageRequest request;
        request.set_message_chain_id(messageId);
        MessageDispatcher dispatcher(common::SelectMessage, common::Untagged, request.SerializeAsString());
        zarv::data::SelectMessageReply reply;
        EXPECT_TRUE(dispatcher.dispatch());
        EXPECT_TRUE(reply.ParseFromString(dispatcher.getReply()));
        EXPECT_GT(reply.message_size(), 0) << messageId;
        return reply.message_size() > 0 ? reply.message(0) : zarv::data::Message();
    }

    static zarv::data::Message Fetched(int messageId, int permissions)
    {
        zarv::data::Message message = Fetched(messageId);
        MessageWriter(message).setPermissions(permissions);
        return message;
    }

    static std::string Block(int messageId) { return FormatMessageReplyContent(Fetched(messageId)).toStdString(); }

    testsupport::ScopedTimeZone m_zone{"Asia/Tokyo"};
    std::unique_ptr<TestServerProcess> m_server = std::make_unique<TestServerProcess>();
};

TEST_F(MessageChainTest, BlockShowsTheHeaderAndTheBodyWithACcLineOnlyForCcAddressees)
{
    EXPECT_EQ(Block(9003), "<b>From</b>: Lovelace, Ada<br><b>Created</b>: 2024-05-01 20:00:00<br><b>Modified</b>: "
                           "2024-05-01 20:00:00<br><b>Subject</b>: RE: RE: Kick-off<br><b>To</b>: Smith, Ann; "
                           "<br><b>Cc</b>: Jones, Bob<br><p>Third</p>");
    EXPECT_EQ(Block(9002), "<b>From</b>: Brecht, Bert<br><b>Created</b>: 2024-05-01 19:00:00<br><b>Modified</b>: "
                           "2024-05-01 19:00:00<br><b>Subject</b>: RE: Kick-off<br><b>To</b>: Smith, Ann<br>"
                           "<p>Second</p>");
}

TEST_F(MessageChainTest, EveryHeaderFieldIsEscaped)
{
    EXPECT_EQ(
        Block(9004),
        "<b>From</b>: &lt;b&gt;Bold&lt;/b&gt; &amp; Co, &lt;img src=x&gt;<br><b>Created</b>: "
        "2024-05-01 21:00:00<br><b>Modified</b>: 2024-05-01 21:00:00<br><b>Subject</b>: &lt;b&gt;Urgent&lt;/b&gt; "
        "&lt;img src=x&gt; &amp; more<br><b>To</b>: &lt;b&gt;Bold&lt;/b&gt; &amp; Co, &lt;img src=x&gt;<br>"
        "<b>Cc</b>: &lt;b&gt;Bold&lt;/b&gt; &amp; Co, &lt;img src=x&gt;<br><p>Body <b>bold</b></p>");
}

TEST_F(MessageChainTest, Pages)
{
    struct Case
    {
        const char* name;
        zarv::data::Message message;
        bool print;
        std::string first;
        std::string chain;
    };
    const std::string own = Block(9004);
    const std::string chain = Block(9003) + "<hr>" + Block(9002);
    zarv::data::Message withoutChain = Fetched(9004);
    MessageWriter(withoutChain).setParentId(8999);
    zarv::data::Message unviewable = Fetched(9001);
    MessageWriter(unviewable).setParentId(8999);
    zarv::data::Message withoutParent = Fetched(9004);
    withoutParent.clear_message_parent_id();
    const Case cases[] = {
        {"both, 9001 may not be viewed", Fetched(9004), false, own + "<hr>" + chain, chain},
        {"own block only", withoutChain, false, own, ""},
        {"chain only", Fetched(9004, AllFive & ~View), false, chain, chain},
        {"print filter", Fetched(9004), true, own + "<hr>" + Block(9003), Block(9003)},
        {"print filter, own without Print", Fetched(9004, AllFive & ~Print), true, Block(9003), Block(9003)},
        {"no parent asks for chain 0", withoutParent, false, own + "<hr>" + Block(0), Block(0)},
        {"nothing to show", unviewable, false, "", ""},
    };
    const Viewer viewer;
    for (const Case& c : cases) {
        const auto [first, second] = viewer.getMessageChain(c.message, false, false, false, c.print);
        EXPECT_EQ(first.toStdString(), c.first) << c.name;
        EXPECT_EQ(second.toStdString(), c.chain) << c.name;
        EXPECT_FALSE(first.startsWith(QStringLiteral("<hr>"))) << c.name;
    }
}

TEST_F(MessageChainTest, TheReaderShowsMarkupInTheHeaderAsTextAndRendersTheBody)
{
    Viewer viewer;
    viewer.displayMessageChain(Fetched(9004), false, false, false, false);
    TextReader* reader = viewer.chainReader();
    ASSERT_NE(reader, nullptr);
    const std::string text = reader->toPlainText().toStdString();
    EXPECT_THAT(text, HasSubstr("From: <b>Bold</b> & Co, <img src=x>"));
    EXPECT_THAT(text, HasSubstr("Subject: <b>Urgent</b> <img src=x> & more"));
    EXPECT_THAT(text, HasSubstr("To: <b>Bold</b> & Co, <img src=x>"));
    EXPECT_THAT(text, HasSubstr("Cc: <b>Bold</b> & Co, <img src=x>"));
    EXPECT_THAT(text, HasSubstr("Body bold"));
    EXPECT_THAT(text, Not(HasSubstr("could not be loaded")));
    EXPECT_THAT(reader->toHtml().toStdString(), Not(HasSubstr("<img")));
    QTextCursor bold = reader->document()->find(QStringLiteral("Body bold"));
    ASSERT_FALSE(bold.isNull());
    bold = reader->document()->find(QStringLiteral("bold"), bold.selectionStart() + 5);
    ASSERT_FALSE(bold.isNull());
    EXPECT_EQ(bold.charFormat().fontWeight(), QFont::Bold);

    viewer.displayMessageChain(Fetched(9002), false, false, false, false);
    EXPECT_THAT(reader->toPlainText().toStdString(), Not(HasSubstr("Urgent"))) << "each display replaces the page";
}

TEST_F(MessageChainTest, PagesKeepTheirTextWhateverCharsetABodyDeclares)
{
    zarv::data::Message message = Fetched(9004);
    message.set_message_body("<html><head><meta charset=\"iso-8859-1\"></head><body><p>Caf\xc3\xa9</p></body></html>");
    MessageWriter(message).setParentId(8999);
    const auto [first, second] = Viewer().getMessageChain(message, false, false, false, false);
    EXPECT_TRUE(first.contains(QStringLiteral("Caf\u00e9"))) << first.toStdString();
}

TEST_F(MessageChainTest, AddresseesAndTheUsersNotAddressed)
{
    auto ids = [](const zarv::data::Users& users) {
        std::vector<int> found;
        for (const zarv::data::User& user : users.user()) {
            found.push_back(user.user_id());
        }
        return found;
    };
    const zarv::data::Message message = Fetched(9003);
    EXPECT_THAT(ids(SelectMessageUsers(message, zarv::data::Message::TO, ExcludeNoUser)), ElementsAre(4, 5));
    EXPECT_THAT(ids(SelectMessageUsers(message, zarv::data::Message::TO, ExcludeSessionUser)), ElementsAre(4, 5));
    EXPECT_THAT(ids(SelectMessageUsers(message, zarv::data::Message::CC, ExcludeNoUser)), ElementsAre(6));
    EXPECT_TRUE(SelectMessageUsers(message, zarv::data::Message::BCC, ExcludeNoUser).user().empty());
    // Everyone but the addressees and the session user (ada, 1).
    EXPECT_THAT(ids(SelectNonMessageUsers(message)), ElementsAre(2, 3, 7));
}

// Redirects standard error, which the test server inherits, to a file while
// the server starts, so that the server's one line per exchange can be read
// once it has stopped.
class ExchangeLog
{
public:
    ExchangeLog()
    {
        std::fflush(stderr);
        const int saved = ::dup(STDERR_FILENO);
        std::FILE* file = std::fopen(m_path.c_str(), "w");
        ::dup2(::fileno(file), STDERR_FILENO);
        std::fclose(file);
        m_server = std::make_unique<TestServerProcess>();
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
    }
    ~ExchangeLog() { std::remove(m_path.c_str()); }

    unsigned short port() const { return m_server->port(); }

    // Stops the server and counts its exchanges of each major opcode.
    std::vector<int> stopAndCount(const std::vector<int>& majorOpcodes)
    {
        m_server->stop();
        std::ifstream log(m_path);
        std::vector<int> counts(majorOpcodes.size(), 0);
        for (std::string line; std::getline(log, line);) {
            for (std::size_t index = 0; index < majorOpcodes.size(); ++index) {
                if (line.rfind("request " + std::to_string(majorOpcodes[index]) + "/", 0) == 0) {
                    ++counts[index];
                }
            }
        }
        return counts;
    }

private:
    std::string m_path = ::testing::TempDir() + "messagechain-exchanges-" + std::to_string(::getpid()) + ".log";
    std::unique_ptr<TestServerProcess> m_server;
};

TEST_F(MessageChainTest, OneChainRequestAndTwoAddresseeRequestsPerShownMessage)
{
    const zarv::data::Message message = Fetched(9004);
    ExchangeLog log;
    useServer(log.port());
    Viewer viewer;
    viewer.displayMessageChain(message, false, false, false, false);
    // 9004, 9003 and 9002 are shown; 9001 may not be viewed.
    EXPECT_EQ(log.stopAndCount({common::SelectMessage, common::SelectMessageUser}), (std::vector<int>{1, 6}));
}

TEST_F(MessageChainTest, WithTheServerGoneTheReaderShowsTheOwnBlockAndSaysThatTheRestIsMissing)
{
    const zarv::data::Message message = Fetched(9004);
    m_server.reset();
    Viewer viewer;
    const auto [first, second] = viewer.getMessageChain(message, false, false, false, false);
    EXPECT_THAT(first.toStdString(), HasSubstr("<b>Subject</b>: &lt;b&gt;Urgent"));
    EXPECT_THAT(first.toStdString(), HasSubstr("<b>To</b>: <br><p>Body"));
    EXPECT_THAT(first.toStdString(), Not(HasSubstr("<hr>")));
    EXPECT_EQ(second, QString());

    viewer.displayMessageChain(message, false, false, false, false);
    const QString text = viewer.chainReader()->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("From: <b>Bold</b> & Co"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("Body bold\nPart of this conversation could not be loaded.")))
        << text.toStdString();
}

TEST_F(MessageChainTest, ARefusingServerContributesNothingAndTheReaderSaysSo)
{
    m_server = std::make_unique<TestServerProcess>(std::vector<std::string>{"error-codes=88,1"});
    useServer(m_server->port());
    const zarv::data::Message message = Fetched(9004);
    Viewer viewer;
    const auto [first, second] = viewer.getMessageChain(message, false, false, false, false);
    EXPECT_THAT(first.toStdString(), HasSubstr("<b>To</b>: <br><p>Body"));
    EXPECT_THAT(first.toStdString(), Not(HasSubstr("<hr>")));
    EXPECT_EQ(second, QString());
    EXPECT_TRUE(SelectMessageUsers(Fetched(9003), zarv::data::Message::TO, ExcludeNoUser).user().empty());
    EXPECT_TRUE(SelectNonMessageUsers(Fetched(9003)).user().empty());

    viewer.displayMessageChain(message, false, false, false, false);
    EXPECT_TRUE(viewer.chainReader()->toPlainText().endsWith(
        QStringLiteral("Body bold\nPart of this conversation could not be loaded.")))
        << viewer.chainReader()->toPlainText().toStdString();
}

TEST(MessageViewerReaderTest, TheReaderIsDeletedWithTheViewerOnlyWhenNoWindowTookIt)
{
    QPointer<TextReader> loose;
    {
        Viewer viewer;
        loose = viewer.chainReader();
    }
    EXPECT_TRUE(loose.isNull());

    QWidget window;
    QPointer<TextReader> placed;
    {
        Viewer viewer;
        placed = viewer.chainReader();
        placed->setParent(&window);
    }
    EXPECT_FALSE(placed.isNull());
}

}  // namespace
