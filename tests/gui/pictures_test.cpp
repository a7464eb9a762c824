#include "library/gui/settings.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/gui/texteditorwindow.h"
#include "tests/gui/translationfixture.h"
#include "tests/support/scopedenvironmentvariable.h"
#include "tests/support/temporarysettingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextFragment>
#include <QTextImageFormat>

#include <gtest/gtest.h>

#include <vector>

namespace {

using testsupport::WhenModal;

// The editor reads the home picture folder once per process, at the first
// picture dialog.
bool PictureDialogOpened = false;

// The image formats of the document, in order.
std::vector<QTextImageFormat> Pictures(const QTextDocument& document)
{
    std::vector<QTextImageFormat> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat()) {
                pictures.push_back(format.toImageFormat());
            }
        }
    }
    return pictures;
}

// A user whose home has no "Pictures" folder, an empty settings store and
// folders of pictures.
class PictureInsertionTest : public testsupport::TranslationFixture
{
protected:
    void SetUp() override
    {
        testsupport::TranslationFixture::SetUp();
        ASSERT_TRUE(m_store.isValid());
        ASSERT_TRUE(m_home.isValid());
        ASSERT_TRUE(m_pictures.isValid());
    }

    // A folder below the pictures folder, with its canonical path.
    QString makeFolder(const QString& name) const
    {
        QDir(m_pictures.path()).mkpath(name);
        return QFileInfo(m_pictures.filePath(name)).canonicalFilePath();
    }
    static QString makePicture(const QString& folder, const QString& name, int size, Qt::GlobalColor color)
    {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(color);
        const QString path = folder + QLatin1Char('/') + name;
        EXPECT_TRUE(image.save(path, "PNG")) << path.toStdString();
        return path;
    }

    // Inserts `path` through the picture dialog and returns the folder in
    // which the dialog opened.
    QString insert(const QString& path)
    {
        QString openedIn;
        WhenModal<QFileDialog>([path, &openedIn](QFileDialog* dialog) {
            openedIn = dialog->directory().absolutePath();
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Picture"));
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(path);
            // accept() is protected in the file dialog; it is a slot.
            QMetaObject::invokeMethod(dialog, "accept");
        });
        PictureDialogOpened = true;
        m_window.editor().insertPicture();
        return openedIn;
    }

    testsupport::TemporarySettingsStore m_store{QStringLiteral("gui_tests")};
    QTemporaryDir m_home;
    testsupport::ScopedEnvironmentVariable m_homeVariable{"HOME", QFile::encodeName(m_home.path()).toStdString()};
    QTemporaryDir m_pictures;
    testsupport::TextEditorWindow m_window;
};

TEST_F(PictureInsertionTest, AFolderNotYetListedIsAddedOnceByItsCanonicalPath)
{
    const QString folder = makeFolder(QStringLiteral("holiday"));
    makePicture(folder, QStringLiteral("red.png"), 3, Qt::red);
    makePicture(folder, QStringLiteral("blue.png"), 5, Qt::blue);
    const QString linked = m_pictures.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(folder, linked));

    insert(linked + QStringLiteral("/red.png"));
    insert(folder + QStringLiteral("/blue.png"));

    const std::vector<QTextImageFormat> pictures = Pictures(*m_window.editor().document());
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].name(), QStringLiteral("pictures:red.png"));
    EXPECT_EQ(pictures[0].width(), 3);
    EXPECT_EQ(pictures[0].height(), 3);
    EXPECT_EQ(pictures[1].name(), QStringLiteral("pictures:blue.png"));
    EXPECT_EQ(pictures[1].width(), 5);
    // Referenced, not embedded.
    EXPECT_FALSE(m_window.editor().toHtml().contains(QStringLiteral("base64")));

    EXPECT_EQ(Settings().getPictureDirectories(), QList<QString>{folder});
    EXPECT_EQ(QDir::searchPaths(QStringLiteral("pictures")).count(folder), 1);
}

TEST_F(PictureInsertionTest, TheNextDialogOpensInTheLastPicturesFolderWhileItExists)
{
    const QString first = makeFolder(QStringLiteral("first"));
    const QString picture = makePicture(first, QStringLiteral("red.png"), 3, Qt::red);
    // Without a home picture folder the first dialog opens in the current one.
    EXPECT_EQ(insert(picture), QDir::currentPath());
    EXPECT_EQ(insert(QString()), first);
    EXPECT_EQ(Pictures(*m_window.editor().document()).size(), 1u);

    ASSERT_TRUE(QDir(first).removeRecursively());
    EXPECT_EQ(insert(QString()), QDir::currentPath());
}

TEST_F(PictureInsertionTest, WithoutAnEarlierPictureTheDialogOpensInTheHomePictureFolder)
{
    if (PictureDialogOpened) {
        GTEST_SKIP() << "the home picture folder was read by an earlier test of this process";
    }
    ASSERT_TRUE(QDir(m_home.path()).mkdir(QStringLiteral("Pictures")));
    EXPECT_EQ(insert(QString()), QDir(m_home.filePath(QStringLiteral("Pictures"))).absolutePath());
}

TEST_F(PictureInsertionTest, PicturesOfOneNameResolveToTheFirstFolderOfTheSearchPath)
{
    const QString first = makeFolder(QStringLiteral("a"));
    const QString second = makeFolder(QStringLiteral("b"));
    makePicture(first, QStringLiteral("same.png"), 3, Qt::red);
    makePicture(second, QStringLiteral("same.png"), 5, Qt::blue);
    insert(first + QStringLiteral("/same.png"));
    insert(second + QStringLiteral("/same.png"));
    EXPECT_EQ(Settings().getPictureDirectories(), (QList<QString>{first, second}));
    ASSERT_EQ(Pictures(*m_window.editor().document()).size(), 2u);

    // Showing the document loads both through the search path.
    m_window.view().show();
    const QImage canvas = m_window.editor().viewport()->grab().toImage();
    int red = 0;
    int blue = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            red += canvas.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
            blue += canvas.pixelColor(x, y) == QColor(Qt::blue) ? 1 : 0;
        }
    }
    // The first folder's 3 x 3 picture, once at its own size and once
    // stretched to the 5 x 5 of the second one.
    EXPECT_EQ(red, 9 + 25);
    EXPECT_EQ(blue, 0);
}

TEST_F(PictureInsertionTest, AFileThatIsNoReadablePictureIsReportedAndChangesNothing)
{
    const QString folder = makeFolder(QStringLiteral("broken"));
    const QString path = folder + QStringLiteral("/broken.png");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();

    QString warning;
    WhenModal<QMessageBox>([&warning](QMessageBox* box) {
        warning = box->text();
        box->accept();
    });
    insert(path);
    EXPECT_TRUE(warning.contains(path)) << warning.toStdString();
    EXPECT_TRUE(m_window.editor().toPlainText().isEmpty());
    EXPECT_FALSE(m_window.editor().document()->isUndoAvailable());
    EXPECT_TRUE(Settings().getPictureDirectories().isEmpty());
}

TEST_F(PictureInsertionTest, ACancelledDialogChangesNothing)
{
    testsupport::DialogGuard guard;
    guard.allow<QFileDialog>();
    insert(QString());
    EXPECT_TRUE(Pictures(*m_window.editor().document()).empty());
    EXPECT_TRUE(Settings().getPictureDirectories().isEmpty());
}

}  // namespace
