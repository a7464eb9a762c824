#include "library/gui/url.h"
#include "tests/gui/qstringprinter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(UrlTest, SecureSchemeAndStringForm)
{
    struct Case
    {
        const char* text;
        bool secure;
        // After trySecure: its result, whether it changed the URL, and the
        // string form.
        bool secureAfterTry;
        bool changed;
        const char* afterTry;
    };
    const Case cases[] = {
        {"https://example.com/a?b=c", true, true, false, "https://example.com/a?b=c"},
        {"HTTPS://Example.com/Path", true, true, false, "https://example.com/Path"},
        {"http://example.com/", false, true, true, "https://example.com/"},
        {"ftp://files.example.com/x", false, true, true, "https://files.example.com/x"},
        {"", false, false, false, ""},
        {"http://exa mple.com:99999/", false, false, false, ""},
        {"https://[::1", false, false, false, ""},
    };
    for (const Case& c : cases) {
        Url url(QString::fromUtf8(c.text));
        EXPECT_EQ(url.isSecure(), c.secure) << c.text;
        bool changed = !c.changed;
        EXPECT_EQ(url.trySecure(changed), c.secureAfterTry) << c.text;
        EXPECT_EQ(changed, c.changed) << c.text;
        EXPECT_EQ(static_cast<std::string>(url), c.afterTry) << c.text;
    }
}

TEST(UrlTest, DocumentIdAndDescriptionTravelWithACopy)
{
    Url url(QUrl(QStringLiteral("https://example.com/")));
    EXPECT_TRUE(url.getDocumentId().null());
    EXPECT_EQ(url.getDescription(), QString());
    url.setDocumentId(42);
    url.setDescription(QStringLiteral("Plan & budget"));
    const Url copy = url;
    EXPECT_EQ(static_cast<int>(copy.getDocumentId()), 42);
    EXPECT_EQ(copy.getDescription(), QStringLiteral("Plan & budget"));
    EXPECT_EQ(static_cast<std::string>(copy), "https://example.com/");
}

TEST(UrlTest, StringFormIsUtf8)
{
    const Url url(QStringLiteral("https://example.com/caf\u00e9"));
    EXPECT_EQ(static_cast<std::string>(url), "https://example.com/caf\xc3\xa9");
}

}  // namespace
