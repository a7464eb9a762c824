#include "library/gui/finddialog.h"
#include "library/gui/textdocument.h"
#include "library/gui/textreader.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/gui/translationfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFocusEvent>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using testsupport::WhenModal;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Chooses `path` in the next file dialog, or cancels it when it is empty;
// then runs `next`, to drive a dialog that follows.
void ChooseInFileDialog(
    const QString& path,
    QString* title = nullptr,
    const std::function<void()>& next = [] {})
{
    WhenModal<QFileDialog>([path, title, next](QFileDialog* dialog) {
        if (title) {
            *title = dialog->windowTitle();
        }
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(path);
            // accept() is protected in the file dialog; it is a slot.
            QMetaObject::invokeMethod(dialog, "accept");
        }
        next();
    });
}

// The text of the next message box, which is then closed.
void ReadMessageBox(QString* text)
{
    WhenModal<QMessageBox>([text](QMessageBox* box) {
        *text = box->text();
        box->accept();
    });
}

TEST(TextDocumentTest, StartsWithTheSharedDefaultFontWhateverTheApplicationFont)
{
    const QFont previous = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 17));
    TextDocument document(nullptr);
    QApplication::setFont(previous);
    EXPECT_EQ(document.defaultFont().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(document.defaultFont().pointSize(), 10);
    EXPECT_FALSE(document.defaultFont().italic());
    EXPECT_EQ(document.defaultFont().weight(), QFont::Normal);
    // The font is installed, so it is the one that shows.
    EXPECT_EQ(QFontInfo(document.defaultFont()).family(), QStringLiteral("DejaVu Sans"));
}

class TextReaderTest : public testsupport::TranslationFixture
{
protected:
    void SetUp() override
    {
        testsupport::TranslationFixture::SetUp();
        ASSERT_TRUE(m_folder.isValid());
        // Bold text and a character outside the BMP (two UTF-16 units).
        m_reader.setHtml(QString::fromUtf8("<p><b>Gr\xC3\xBC\xC3\x9F"
                                           "e</b> \xF0\x9F\x98\x80</p><p>end</p>"));
    }

    QString path(const char* name) const { return m_folder.filePath(QString::fromLatin1(name)); }
    unsigned int plainLength() const { return static_cast<unsigned int>(m_reader.toPlainText().size()); }

    QTemporaryDir m_folder;
    TextReader m_reader{nullptr};
};

TEST_F(TextReaderTest, ExportsTextFilesByTheirSuffix)
{
    ASSERT_EQ(plainLength(), 12u);
    struct Case
    {
        const char* chosen;
        const char* written;
        const char* startsWith;
        const char* contains;
    };
    const Case cases[] = {
        {"plain.txt", "plain.txt",
         "Gr\xC3\xBC\xC3\x9F"
         "e \xF0\x9F\x98\x80\nend",
         ""},
        {"page.html", "page.html", "<!DOCTYPE", "font-weight"},
        {"page.htm", "page.htm", "<!DOCTYPE", "font-weight"},
        {"office.odt", "office.odt", "PK", ""},
        {"notes.md", "notes.md",
         "**Gr\xC3\xBC\xC3\x9F"
         "e**",
         ""},
        {"nosuffix", "nosuffix.txt",
         "Gr\xC3\xBC\xC3\x9F"
         "e",
         ""},
    };
    for (const Case& c : cases) {
        QSignalSpy exported(&m_reader, &AbstractTextReader::exportBytesToTextFile);
        QString title;
        ChooseInFileDialog(path(c.chosen), &title);
        m_reader.exportToTextFile(QStringLiteral("Report"));
        EXPECT_EQ(title, QStringLiteral("Export to Text File")) << c.chosen;
        const QByteArray written = ReadAll(path(c.written));
        EXPECT_TRUE(written.startsWith(c.startsWith)) << c.chosen << ": " << written.left(40).toStdString();
        EXPECT_TRUE(written.contains(c.contains)) << c.chosen;
        ASSERT_EQ(exported.size(), 1) << c.chosen;
        EXPECT_EQ(exported.at(0).at(0).toUInt(), plainLength()) << c.chosen;
    }
    EXPECT_EQ(ReadAll(path("plain.txt")), m_reader.toPlainText().toUtf8());
    EXPECT_FALSE(QFile::exists(path("nosuffix")));
}

TEST_F(TextReaderTest, AFailedExportIsReportedAndNotCounted)
{
    struct Case
    {
        const char* name;
        QString chosen;
        bool pdf;
    };
    const Case cases[] = {
        {"unknown suffix", path("data.xyz"), false},
        // Not even root may create files there.
        {"unwritable folder", QStringLiteral("/sys/quenlark-export.txt"), false},
        {"unwritable PDF", QStringLiteral("/sys/quenlark-export.pdf"), true},
    };
    for (const Case& c : cases) {
        QSignalSpy text(&m_reader, &AbstractTextReader::exportBytesToTextFile);
        QSignalSpy pdf(&m_reader, &AbstractTextReader::exportBytesToPdfFile);
        QString warning;
        ChooseInFileDialog(c.chosen, nullptr, [&warning] { ReadMessageBox(&warning); });
        if (c.pdf) {
            m_reader.exportToPdfFile(QStringLiteral("Report"));
        } else {
            m_reader.exportToTextFile(QStringLiteral("Report"));
        }
        EXPECT_TRUE(warning.contains(c.chosen)) << c.name << ": " << warning.toStdString();
        EXPECT_TRUE(text.isEmpty()) << c.name;
        EXPECT_TRUE(pdf.isEmpty()) << c.name;
        EXPECT_FALSE(QFile::exists(c.chosen)) << c.name;
    }
}

TEST_F(TextReaderTest, ExportsPdfFiles)
{
    QSignalSpy exported(&m_reader, &AbstractTextReader::exportBytesToPdfFile);
    QString title;
    ChooseInFileDialog(path("out.pdf"), &title);
    m_reader.exportToPdfFile(QStringLiteral("Report"));
    EXPECT_EQ(title, QStringLiteral("Export to PDF File"));
    EXPECT_TRUE(ReadAll(path("out.pdf")).startsWith("%PDF-"));
    ASSERT_EQ(exported.size(), 1);
    EXPECT_EQ(exported.at(0).at(0).toUInt(), plainLength());
}

TEST_F(TextReaderTest, CancelledDialogsDoNothing)
{
    testsupport::DialogGuard guard;
    guard.allow<QFileDialog>();
    guard.allow<QPrintPreviewDialog>();
    QSignalSpy text(&m_reader, &AbstractTextReader::exportBytesToTextFile);
    QSignalSpy pdf(&m_reader, &AbstractTextReader::exportBytesToPdfFile);
    QSignalSpy printed(&m_reader, &AbstractTextReader::printBytes);
    ChooseInFileDialog(QString());
    m_reader.exportToTextFile(path("proposed.txt"));
    ChooseInFileDialog(QString());
    m_reader.exportToPdfFile(path("proposed.pdf"));
    WhenModal<QPrintPreviewDialog>([](QPrintPreviewDialog* dialog) { dialog->reject(); });
    m_reader.printPreview(QString());
    EXPECT_TRUE(text.isEmpty());
    EXPECT_TRUE(pdf.isEmpty());
    EXPECT_TRUE(printed.isEmpty());
    EXPECT_TRUE(QDir(m_folder.path()).isEmpty());
}

TEST_F(TextReaderTest, APreviewThatEndsAcceptedCountsAPrint)
{
    QSignalSpy printed(&m_reader, &AbstractTextReader::printBytes);
    bool parentless = false;
    WhenModal<QPrintPreviewDialog>([&parentless](QPrintPreviewDialog* dialog) {
        parentless = dialog->parent() == nullptr;
        dialog->accept();
    });
    m_reader.printPreview(QStringLiteral("not used"));
    EXPECT_TRUE(parentless);
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(printed.at(0).at(0).toUInt(), plainLength());
}

TEST_F(TextReaderTest, CopiesTheSelectionWhileOneExists)
{
    QSignalSpy copied(&m_reader, &AbstractTextReader::copyBytesToClipboard);
    m_reader.copyToClipboard();
    EXPECT_FALSE(m_reader.getCopyAvailable());
    EXPECT_TRUE(copied.isEmpty());

    QTextCursor cursor = m_reader.textCursor();
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    m_reader.setTextCursor(cursor);
    EXPECT_TRUE(m_reader.getCopyAvailable());
    m_reader.copyToClipboard();
    ASSERT_EQ(copied.size(), 1);
    EXPECT_EQ(copied.at(0).at(0).toUInt(), 12u);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), m_reader.toPlainText());

    cursor.clearSelection();
    m_reader.setTextCursor(cursor);
    EXPECT_FALSE(m_reader.getCopyAvailable());
}

TEST_F(TextReaderTest, FindOpensTheFindDialogOnTheReader)
{
    QString title;
    QObject* parent = nullptr;
    WhenModal<FindDialog>([&](FindDialog* dialog) {
        title = dialog->windowTitle();
        parent = dialog->parent();
        dialog->close();
    });
    m_reader.findText();
    EXPECT_EQ(title, QStringLiteral("Find Text"));
    EXPECT_EQ(parent, &m_reader);
}

TEST_F(TextReaderTest, ReportsFocusAndLeavesTheContextMenuToTheWindow)
{
    EXPECT_EQ(m_reader.contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(m_reader.focusPolicy(), Qt::ClickFocus);
    EXPECT_FALSE(m_reader.isReadOnly());
    std::vector<QFocusEvent*> reported;
    QObject::connect(&m_reader, &AbstractTextReader::focusIn,
                     [&reported](QFocusEvent* event) { reported.push_back(event); });
    QFocusEvent event(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&m_reader, &event);
    EXPECT_EQ(reported, std::vector<QFocusEvent*>{&event});
}

}  // namespace
