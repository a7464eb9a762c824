#include "product/client/view/picturedirectoriesdialog.h"

#include "library/gui/settings.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/scopedenvironmentvariable.h"
#include "tests/support/temporarysettingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using testsupport::WhenModal;
using Folders = QList<QString>;

QPushButton* Button(const QWidget& dialog, const QString& text)
{
    return testsupport::ChildWithText<QPushButton>(dialog, text);
}

// A message box's informative text as the user reads it.
QString ShownInformativeText(const QMessageBox& box)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    if (!label) {
        return QStringLiteral("<no informative text>");
    }
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich) {
        return label->text();
    }
    QTextDocument shown;
    shown.setHtml(label->text());
    return shown.toPlainText();
}

// A dialog filled as the console fills it, over a temporary settings store
// and home folder: the home picture folder first as a fixed entry, then the
// stored folders. Any dialog but the picker and the edit prompt fails a test.
class PictureDirectoriesDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_store.isValid());
        ASSERT_TRUE(m_home.isValid());
        ASSERT_TRUE(m_folders.isValid());
        ASSERT_TRUE(QDir(m_home.path()).mkdir(QStringLiteral("Pictures")));
        for (const char* name : {"holiday", "work", "scans"}) {
            ASSERT_TRUE(QDir(m_folders.path()).mkdir(QString::fromLatin1(name)));
        }
        Settings().setPictureDirectories({folder("holiday"), folder("work")});

        m_guard.allow<PictureDirectoriesDialog>();
        m_guard.allow<QFileDialog>();
        m_guard.allow<QInputDialog>();
    }

    void TearDown() override { QCoreApplication::processEvents(); }

    QString folder(const char* name) const { return m_folders.filePath(QString::fromLatin1(name)); }
    static QString homePictures() { return Settings().getHomePictureDirectory(); }

    static void fill(PictureDirectoriesDialog& dialog)
    {
        QListWidget* list = dialog.getDirectoryListWidget();
        Settings settings;
        const QString home = settings.getHomePictureDirectory();
        if (!home.isEmpty()) {
            (new QListWidgetItem(home, list))->setFlags(Qt::NoItemFlags);
        }
        for (const QString& directory : settings.getPictureDirectories()) {
            list->addItem(directory);
        }
    }

    static Folders rows(const PictureDirectoriesDialog& dialog)
    {
        Folders texts;
        const QListWidget* list = dialog.getDirectoryListWidget();
        for (int row = 0; row < list->count(); ++row) {
            texts.append(list->item(row)->text());
        }
        return texts;
    }

    static void select(PictureDirectoriesDialog& dialog, int row)
    {
        dialog.getDirectoryListWidget()->setCurrentRow(row);
    }

    // Add, answering the directory picker with `chosen` (cancelled when empty).
    static void add(PictureDirectoriesDialog& dialog, const QString& chosen)
    {
        WhenModal<QFileDialog>([chosen](QFileDialog* picker) {
            EXPECT_EQ(picker->windowTitle(), QStringLiteral("Select Picture Directory"));
            EXPECT_EQ(picker->fileMode(), QFileDialog::Directory);
            EXPECT_TRUE(picker->testOption(QFileDialog::ShowDirsOnly));
            EXPECT_EQ(picker->directory().absolutePath(), QDir::current().absolutePath());
            if (chosen.isEmpty()) {
                picker->reject();
                return;
            }
            picker->selectFile(chosen);
            static_cast<QDialog*>(picker)->accept();  // the picker checks the choice
        });
        dialog.addDirectory();
    }

    // Edit, answering the prompt with `text` (cancelled when `accept` is false).
    static void edit(PictureDirectoriesDialog& dialog, const QString& text, bool accept = true)
    {
        const QString old = dialog.getDirectoryListWidget()->selectedItems().value(0)->text();
        WhenModal<QInputDialog>([text, accept, old](QInputDialog* prompt) {
            EXPECT_EQ(prompt->windowTitle(), QStringLiteral("Edit Directory Name"));
            EXPECT_EQ(prompt->labelText(), QStringLiteral("Edit the name of the picture directory:"));
            EXPECT_EQ(prompt->textValue(), old);
            prompt->setTextValue(text);
            accept ? prompt->accept() : prompt->reject();
        });
        dialog.editDirectory();
    }

    testsupport::DialogGuard m_guard;

private:
    testsupport::TemporarySettingsStore m_store{QStringLiteral("view_tests")};
    QTemporaryDir m_home;
    const testsupport::ScopedEnvironmentVariable m_homeVariable{"HOME", QFile::encodeName(m_home.path()).toStdString()};
    QTemporaryDir m_folders;
};

TEST_F(PictureDirectoriesDialogTest, ShowsTheTitleAndButtons)
{
    PictureDirectoriesDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Picture Directories"));
    for (const char* text : {"Add...", "Edit...", "Remove", "OK", "Cancel"}) {
        EXPECT_NE(Button(dialog, QString::fromLatin1(text)), nullptr) << text;
    }
    EXPECT_EQ(dialog.getDirectoryListWidget()->count(), 0);
}

TEST_F(PictureDirectoriesDialogTest, AddAppendsAChosenDirectoryOnce)
{
    PictureDirectoriesDialog dialog(nullptr);
    fill(dialog);
    const Folders withScans{homePictures(), folder("holiday"), folder("work"), folder("scans")};

    add(dialog, folder("scans"));
    EXPECT_EQ(rows(dialog), withScans);

    // Listed already, the fixed home entry included, or cancelled: nothing
    // changes and nothing is said.
    for (const QString& chosen : {folder("scans"), folder("holiday"), homePictures(), QString()}) {
        add(dialog, chosen);
        EXPECT_EQ(rows(dialog), withScans) << chosen.toStdString();
    }
}

TEST_F(PictureDirectoriesDialogTest, RemoveDeletesTheSelectedEntryOnly)
{
    PictureDirectoriesDialog dialog(nullptr);
    fill(dialog);
    const Folders filled = rows(dialog);

    dialog.removeDirectory();
    EXPECT_EQ(rows(dialog), filled);
    // The fixed home entry cannot be selected, so it cannot be removed.
    select(dialog, 0);
    EXPECT_TRUE(dialog.getDirectoryListWidget()->selectedItems().isEmpty());
    dialog.removeDirectory();
    EXPECT_EQ(rows(dialog), filled);

    select(dialog, 1);
    Button(dialog, QStringLiteral("Remove"))->click();
    EXPECT_EQ(rows(dialog), (Folders{homePictures(), folder("work")}));
}

TEST_F(PictureDirectoriesDialogTest, EditRenamesTheEntryInPlace)
{
    PictureDirectoriesDialog dialog(nullptr);
    fill(dialog);
    select(dialog, 1);
    edit(dialog, folder("scans"));
    EXPECT_EQ(rows(dialog), (Folders{homePictures(), folder("scans"), folder("work")}));
}

TEST_F(PictureDirectoriesDialogTest, EditsThatChangeNothingSayNothing)
{
    PictureDirectoriesDialog dialog(nullptr);
    fill(dialog);
    const Folders filled = rows(dialog);
    select(dialog, 2);

    edit(dialog, folder("scans"), false);
    edit(dialog, QString());
    edit(dialog, folder("work"));
    EXPECT_EQ(rows(dialog), filled);

    // Without a selected entry no prompt opens.
    m_guard.forbid<QInputDialog>();
    dialog.getDirectoryListWidget()->clearSelection();
    dialog.editDirectory();
    select(dialog, 0);
    dialog.editDirectory();
    QCoreApplication::processEvents();
    EXPECT_EQ(rows(dialog), filled);
}

TEST_F(PictureDirectoriesDialogTest, EditToAMissingDirectoryWarnsAndKeepsTheEntry)
{
    m_guard.allow<QMessageBox>();
    for (const QString& typed : {folder("missing"), QStringLiteral("<b>not</b> &amp; a  folder")}) {
        PictureDirectoriesDialog dialog(nullptr);
        fill(dialog);
        const Folders filled = rows(dialog);
        select(dialog, 1);

        bool warned = false;
        WhenModal<QMessageBox>([typed, &warned](QMessageBox* box) {
            warned = true;
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Warning"));
            EXPECT_EQ(box->text(),
                      QStringLiteral("You have entered the name of a directory that does not currently exist."));
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            // The typed text shows as typed, never as markup.
            EXPECT_EQ(ShownInformativeText(*box), typed);
            box->button(QMessageBox::Ok)->click();
        });
        edit(dialog, typed);
        EXPECT_TRUE(warned) << typed.toStdString();
        EXPECT_EQ(rows(dialog), filled) << typed.toStdString();
    }
}

TEST_F(PictureDirectoriesDialogTest, EditToAnotherEntrysPathKeepsThatEntryOnce)
{
    PictureDirectoriesDialog dialog(nullptr);
    fill(dialog);
    select(dialog, 2);
    edit(dialog, folder("holiday"));
    EXPECT_EQ(rows(dialog), (Folders{homePictures(), folder("holiday")}));

    // The fixed home entry stays where it is.
    select(dialog, 1);
    edit(dialog, homePictures());
    EXPECT_EQ(rows(dialog), Folders{homePictures()});
}

TEST_F(PictureDirectoriesDialogTest, TheDialogNeverWritesTheStore)
{
    const Folders stored{folder("holiday"), folder("work")};
    for (const char* button : {"Cancel", "OK"}) {
        PictureDirectoriesDialog dialog(nullptr);
        fill(dialog);
        WhenModal<PictureDirectoriesDialog>([this, button](PictureDirectoriesDialog* shown) {
            add(*shown, folder("scans"));
            select(*shown, 1);
            shown->removeDirectory();
            Button(*shown, QString::fromLatin1(button))->click();
        });
        const int result = dialog.exec();

        EXPECT_EQ(result, qstrcmp(button, "OK") == 0 ? QDialog::Accepted : QDialog::Rejected) << button;
        EXPECT_EQ(Settings().getPictureDirectories(), stored) << button;
        // Both ways the list keeps the changes: the caller decides.
        EXPECT_EQ(rows(dialog), (Folders{homePictures(), folder("work"), folder("scans")})) << button;
    }
}

}  // namespace
