#include "library/gui/itemcreationdialogs.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using testsupport::ChildWithText;
using testsupport::WhenModal;

enum class Kind
{
    AddUrl,
    CreateDocument,
    CreateFolder
};

// One dialog with its fields found through their labels and its results read
// through its own getters.
struct Dialog
{
    std::unique_ptr<ItemCreationDialog> dialog;
    QLineEdit* fields[2] = {nullptr, nullptr};
    QPushButton* ok = nullptr;
    std::function<QString(int)> result;
};

struct Look
{
    Kind kind;
    const char* title;
    const char* labels[2];
};

const Look Looks[] = {
    {Kind::AddUrl, "Add URL", {"URL:", "URL description:"}},
    {Kind::CreateDocument, "Create Document", {"Document name:", "Document description:"}},
    {Kind::CreateFolder, "Create Folder", {"Folder name:", "Folder description:"}},
};

Dialog Open(Kind kind)
{
    Dialog opened;
    switch (kind) {
    case Kind::AddUrl: {
        auto* dialog = new AddUrlDialog(nullptr);
        opened.result = [dialog](int field) { return field == 0 ? dialog->getUrl() : dialog->getUrlDescription(); };
        opened.dialog.reset(dialog);
        break;
    }
    case Kind::CreateDocument: {
        auto* dialog = new CreateDocumentDialog(nullptr);
        opened.result = [dialog](int field) {
            return field == 0 ? dialog->getDocumentName() : dialog->getDocumentDescription();
        };
        opened.dialog.reset(dialog);
        break;
    }
    case Kind::CreateFolder: {
        auto* dialog = new CreateFolderDialog(nullptr);
        opened.result = [dialog](int field) {
            return field == 0 ? dialog->getFolderName() : dialog->getFolderDescription();
        };
        opened.dialog.reset(dialog);
        break;
    }
    }
    const Look& look = Looks[static_cast<int>(kind)];
    for (int field = 0; field < 2; ++field) {
        QLabel* label = ChildWithText<QLabel>(*opened.dialog, QString::fromUtf8(look.labels[field]));
        EXPECT_NE(label, nullptr) << look.labels[field];
        opened.fields[field] = label ? qobject_cast<QLineEdit*>(label->buddy()) : nullptr;
    }
    opened.ok = ChildWithText<QPushButton>(*opened.dialog, QStringLiteral("OK"));
    return opened;
}

// Replaces the field's text the way a user does: select all, then type (or
// delete when there is nothing to type).
void TypeOver(QLineEdit* field, const QString& text)
{
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(field, text);
    }
}

TEST(ItemCreationDialogTest, OpenLook)
{
    struct Case
    {
        Kind kind;
        const char* prefilled;
        bool okEnabled;
        int maxLengths[2];
    };
    const int unlimited = QLineEdit().maxLength();
    const Case cases[] = {
        {Kind::AddUrl, "https://", false, {2000, 256}},
        {Kind::CreateDocument, "", true, {unlimited, unlimited}},
        {Kind::CreateFolder, "", true, {unlimited, unlimited}},
    };
    for (const Case& c : cases) {
        const Look& look = Looks[static_cast<int>(c.kind)];
        Dialog opened = Open(c.kind);
        ASSERT_NE(opened.fields[0], nullptr) << look.title;
        ASSERT_NE(opened.fields[1], nullptr) << look.title;
        ASSERT_NE(opened.ok, nullptr) << look.title;
        EXPECT_NE(ChildWithText<QPushButton>(*opened.dialog, QStringLiteral("Cancel")), nullptr);
        EXPECT_EQ(opened.dialog->windowTitle().toStdString(), look.title);
        EXPECT_EQ(opened.dialog->minimumWidth(), 400);
        EXPECT_EQ(opened.fields[0]->text().toStdString(), c.prefilled) << look.title;
        EXPECT_EQ(opened.fields[1]->text(), QString()) << look.title;
        EXPECT_EQ(opened.ok->isEnabled(), c.okEnabled) << look.title;
        for (int field = 0; field < 2; ++field) {
            EXPECT_EQ(opened.fields[field]->maxLength(), c.maxLengths[field]) << look.title << " field " << field;
        }
    }
}

TEST(ItemCreationDialogTest, TypedTextsEnableOkAndComeBack)
{
    struct Case
    {
        Kind kind;
        int field;
        // Typed over the field first, when not null.
        const char* before;
        // When not null, set by the program, and `typed` is then typed at its
        // end; otherwise `typed` is typed over the field.
        QString set;
        QString typed;
        bool okEnabled;
        QString returned;
    };
    const QString https = QStringLiteral("https://example.com/");
    const QString path = https + QString(2000 - 5 - https.size(), QLatin1Char('p'));
    const QString description(256 - 5, QLatin1Char('d'));
    const QString name(2100, QLatin1Char('n'));
    const QString keys = QStringLiteral("abcdefghij");
    const Case cases[] = {
        {Kind::AddUrl, 0, nullptr, QString(), QStringLiteral("HTTPS://Example.com/Path"), true,
         QStringLiteral("HTTPS://Example.com/Path")},
        {Kind::AddUrl, 0, nullptr, QString(), https, true, https},
        {Kind::AddUrl, 0, nullptr, QString(), QStringLiteral("http://example.com/"), false,
         QStringLiteral("http://example.com/")},
        {Kind::AddUrl, 0, nullptr, QString(), QStringLiteral("example.com"), false, QStringLiteral("example.com")},
        {Kind::AddUrl, 0, "https://example.com/", QString(), QString(), false, QString()},
        {Kind::AddUrl, 0, nullptr, path, keys, true, path + keys.left(5)},
        // The description plays no part in OK and keeps its blanks.
        {Kind::AddUrl, 1, nullptr, QString(), QStringLiteral("  A page  "), false, QStringLiteral("  A page  ")},
        {Kind::AddUrl, 1, nullptr, description, keys, false, description + keys.left(5)},
        {Kind::CreateDocument, 0, nullptr, QString(), QStringLiteral("  Two  words "), true,
         QStringLiteral("Two  words")},
        {Kind::CreateDocument, 0, nullptr, QString(), QStringLiteral("   "), true, QString()},
        {Kind::CreateDocument, 1, nullptr, QString(), QStringLiteral("\tNotes "), true, QStringLiteral("Notes")},
        {Kind::CreateDocument, 0, nullptr, name, keys, true, name + keys},
        {Kind::CreateFolder, 0, nullptr, QString(), QStringLiteral("  Two  words "), true,
         QStringLiteral("Two  words")},
        {Kind::CreateFolder, 0, nullptr, QString(), QStringLiteral("   "), true, QString()},
        {Kind::CreateFolder, 1, nullptr, name, keys, true, name + keys},
    };
    for (const Case& c : cases) {
        const Look& look = Looks[static_cast<int>(c.kind)];
        Dialog opened = Open(c.kind);
        QLineEdit* field = opened.fields[c.field];
        ASSERT_NE(field, nullptr) << look.title;
        if (c.before) {
            TypeOver(field, QString::fromUtf8(c.before));
        }
        if (c.set.isNull()) {
            TypeOver(field, c.typed);
        } else {
            field->setText(c.set);
            field->end(false);
            QTest::keyClicks(field, c.typed);
        }
        EXPECT_EQ(opened.ok->isEnabled(), c.okEnabled) << look.title << " \"" << c.typed.toStdString() << '"';
        EXPECT_EQ(opened.result(c.field), c.returned) << look.title << " \"" << c.typed.toStdString() << '"';
    }
}

TEST(ItemCreationDialogTest, OkAcceptsEvenABlankNameAndCancelRejects)
{
    for (const Look& look : Looks) {
        for (const char* button : {"OK", "Cancel"}) {
            Dialog opened = Open(look.kind);
            ASSERT_NE(opened.fields[0], nullptr);
            if (look.kind == Kind::AddUrl) {
                TypeOver(opened.fields[0], QStringLiteral("https://example.com/"));
            } else {
                TypeOver(opened.fields[0], QStringLiteral("   "));
            }
            WhenModal<ItemCreationDialog>([button](ItemCreationDialog* shown) {
                ChildWithText<QPushButton>(*shown, QString::fromLatin1(button))->click();
            });
            const int expected =
                QString::fromLatin1(button) == QStringLiteral("OK") ? QDialog::Accepted : QDialog::Rejected;
            EXPECT_EQ(opened.dialog->exec(), expected) << look.title << ' ' << button;
        }
    }
}

}  // namespace
