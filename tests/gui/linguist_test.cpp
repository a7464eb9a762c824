#include "library/gui/linguist.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// Words whose text is the id itself.
const char* const OwnIdWords[] = {
    "January",  "February",   "March",    "April",    "May",      "June",    "July",      "August",      "September",
    "October",  "November",   "December", "Sunday",   "Monday",   "Tuesday", "Wednesday", "Thursday",    "Friday",
    "Saturday", "Active",     "Add",      "Cancel",   "Change",   "Close",   "Contains",  "Copy",        "Created",
    "Cut",      "Days",       "Delete",   "Document", "Duration", "Edit",    "Equal",     "Expiration",  "File",
    "Find",     "Folder",     "Forward",  "From",     "Help",     "Hours",   "Ignore",    "Include",     "Like",
    "Modified", "Months",     "New",      "Open",     "Options",  "Owner",   "Paste",     "Permissions", "Pictures",
    "Print",    "Redescribe", "Redo",     "Refresh",  "Region",   "Remove",  "Rename",    "Reply",       "Revert",
    "Revision", "Save",       "Search",   "Subject",  "To",       "Tools",   "Undo",      "Update",      "User",
    "View",     "Warning",    "hours",    "minutes"};

// Words whose text is the id's words separated by blanks: "AddAll" -> "Add All".
const char* const SpacedIdWords[] = {
    "AddAll",    "ChangeAll",  "CreationDate",     "FindAll",        "HomeFolder",     "HomeGroups",
    "IgnoreAll", "IncludeAll", "ModificationDate", "PasscodeDialog", "RemoveAll",      "ReplyAll",
    "RevertAll", "SelectAll",  "ViewDays",         "ViewMonths",     "ViewPermissions"};

QString SpacedWords(const char* id)
{
    return QString::fromLatin1(id).replace(QRegularExpression(QStringLiteral("(?<=[a-z])(?=[A-Z])")),
                                           QStringLiteral(" "));
}

TEST(LinguistTest, IsATranslationContextNamedLinguist)
{
    EXPECT_STREQ(Linguist::staticMetaObject.className(), "Linguist");
    Linguist linguist;
    EXPECT_EQ(linguist.parent(), nullptr);
}

TEST(LinguistTest, WordsNamedByTheirIdShowTheId)
{
    for (const char* id : OwnIdWords) {
        EXPECT_EQ(Linguist::tr(id), QString::fromLatin1(id));
    }
    for (const char* id : SpacedIdWords) {
        EXPECT_EQ(Linguist::tr(id), SpacedWords(id)) << id;
    }
}

TEST(LinguistTest, WordsWithTextsOfTheirOwn)
{
    const struct
    {
        const char* id;
        const char* text;
    } cases[] = {
        {"Ok", "OK"},
        {"QuestionMark", "?"},
        {"UserGroups", "My Groups"},
        {"SaveAll", "Save All"},
        {"AboutZARV", "About Quenlark..."},
        {"NotLike", "Not like"},
        {"PermissionExportDocumentContentsToPdfFile",
         "Allow the contents of the document to be exported to a PDF file"},
        {"DoYouWantToSaveYourChanges", "Do you want to save your changes"},
        {"ConditionKeyViewPermissionDenied", "Key view permission denied."},
        {"SetSessionDuration", "Set Session Duration..."},
        {"DeleteStatusTip", "Delete the current selection."},
        {"RevertStatusTip", "Discard your changes."},
        {"SaveToolTip", "Save Changes<p><small>Save your changes.</small></p>"},
        {"SaveAllToolTip", "Save all changes."},
        {"QDateFormat", "yyyy-MM-dd"},
        {"QDateTimeFormat", "yyyy-MM-dd HH:mm:ss"},
        // The keypad keeps its blanks: they line the labels up.
        {"P01BL", "1"},
        {"P02BL", "2  ABC"},
        {"P03BL", "3  DEF"},
        {"P04BL", "4  GHI"},
        {"P05BL", "5  JKL"},
        {"P06BL", "6  MNO"},
        {"P07BL", "7 PQRS"},
        {"P08BL", "8  TUV"},
        {"P09BL", "9 WXYZ"},
        {"P10BL", "Enter "},
        {"P11BL", "0     "},
        {"P12BL", "Delete"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Linguist::tr(c.id), QString::fromUtf8(c.text)) << c.id;
    }
}

TEST(LinguistTest, HomePageChoicesAreWebAddresses)
{
    for (const char* id : {"HomePageChoice1Url", "HomePageChoice2Url", "HomePageChoice3Url", "HomePageChoice4Url",
                           "HomePageChoice5Url"}) {
        EXPECT_TRUE(Linguist::tr(id).startsWith(QStringLiteral("https://"))) << id;
    }
    EXPECT_TRUE(Linguist::tr("ZarvCopyrightNotice").contains(QStringLiteral("1.0.1")));
}

TEST(LinguistTest, AnIdWithoutTextGivesTheIdItself)
{
    EXPECT_EQ(Linguist::tr("NoSuchSharedWord"), QStringLiteral("NoSuchSharedWord"));
}

}  // namespace
