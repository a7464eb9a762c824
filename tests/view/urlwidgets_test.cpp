// The web-page widgets on their own: the sorted list without duplicates, the
// dock's buttons, description check, read-only mode and drops, and the tool
// button that drags its address out.

#include "library/gui/urlwidgets.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/documenteditortestsupport.h"

#include <QApplication>
#include <QDropEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using editortest::BoxAnswerer;

const QString DescriptionRule = QStringLiteral("A description has 1 to 255 characters.");

Url Page(const QString& text, const QString& description = QString())
{
    Url url(text);
    url.setDescription(description);
    return url;
}

// "text=description" of every item, in list order.
QStringList Items(const UrlListWidget& list)
{
    QStringList items;
    for (int row = 0; row < list.count(); ++row) {
        items << list.item(row)->text() + QLatin1Char('=') + list.item(row)->data(Qt::StatusTipRole).toString();
    }
    return items;
}

class UrlWidgetsTest : public ::testing::Test
{
protected:
    void SetUp() override { editortest::PrepareEditorServices(); }
};

TEST_F(UrlWidgetsTest, TheListStaysSortedAndKeepsAListedPageWithItsOldDescription)
{
    UrlListWidget list(nullptr);
    list.addUrl(Page(QStringLiteral("https://b.example/"), QStringLiteral("Bee")));
    list.addUrl(Page(QStringLiteral("https://a.example/"), QStringLiteral("Ay")));
    list.addUrl(Page(QStringLiteral("https://b.example/"), QStringLiteral("Other")));
    // Compared exactly: another case is another page.
    list.addUrl(Page(QStringLiteral("https://b.example/Path"), QStringLiteral("Capital")));
    EXPECT_EQ(Items(list),
              (QStringList{QStringLiteral("https://a.example/=Ay"), QStringLiteral("https://b.example/=Bee"),
                           QStringLiteral("https://b.example/Path=Capital")}));
    const Qt::ItemFlags flags = list.item(0)->flags();
    EXPECT_FALSE(flags & Qt::ItemIsEditable);
    EXPECT_FALSE(flags & Qt::ItemIsDragEnabled);
}

TEST_F(UrlWidgetsTest, ADropIsTakenOnlyWhenEveryAddressIsSecure)
{
    struct Case
    {
        const char* name;
        QList<QUrl> urls;
        bool accepted;
    };
    const Case cases[] = {
        {"OneSecure", {QUrl(QStringLiteral("https://a.example/"))}, true},
        {"SchemeInCapitals", {QUrl(QStringLiteral("HTTPS://a.example/"))}, true},
        {"OneOfTwoInsecure",
         {QUrl(QStringLiteral("https://a.example/")), QUrl(QStringLiteral("http://b.example/"))},
         false},
        {"File", {QUrl(QStringLiteral("file:///etc/passwd"))}, false},
        {"None", {}, false},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        EXPECT_EQ(UrlDockWidget::AcceptsDrop(each.urls), each.accepted);
    }
}

TEST_F(UrlWidgetsTest, ADropOfSecurePagesListsAndAnnouncesEachInOrderAndAnInsecureOneNothing)
{
    UrlDockWidget dock(nullptr);
    std::vector<std::pair<QString, QString>> announced;
    QObject::connect(&dock, &UrlDockWidget::newUrl, [&announced, &dock](const Url& url) {
        // Listed by the time it is announced.
        EXPECT_EQ(dock.urlListWidget()->findItems(url.toString(), Qt::MatchExactly).size(), 1);
        announced.emplace_back(url.toString(), url.getDescription());
    });
    const auto drop = [&dock](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the dock: the application hands a drop only to the target of a running drag.
        static_cast<QObject&>(dock).event(&event);
        return event.isAccepted();
    };
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://z.example/")), QUrl(QStringLiteral("ftp://y.example/"))}));
    EXPECT_TRUE(announced.empty());
    EXPECT_EQ(dock.urlListWidget()->count(), 0);

    EXPECT_TRUE(drop({QUrl(QStringLiteral("https://z.example/")), QUrl(QStringLiteral("https://y.example/"))}));
    EXPECT_EQ(announced, (std::vector<std::pair<QString, QString>>{{QStringLiteral("https://z.example/"), QString()},
                                                                   {QStringLiteral("https://y.example/"), QString()}}));
    EXPECT_EQ(Items(*dock.urlListWidget()),
              (QStringList{QStringLiteral("https://y.example/="), QStringLiteral("https://z.example/=")}));
}

TEST_F(UrlWidgetsTest, ADescriptionOfOneTo255CharactersIsTakenAndAnyOtherRefusedWithTheRule)
{
    struct Case
    {
        const char* name;
        int length;
        bool taken;
    };
    const Case cases[] = {{"Empty", 0, false}, {"One", 1, true}, {"Longest", 255, true}, {"TooLong", 256, false}};
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        UrlDockWidget dock(nullptr);
        emit dock.addUrl(Page(QStringLiteral("https://a.example/"), QStringLiteral("Old")));
        dock.urlListWidget()->item(0)->setSelected(true);
        std::vector<QString> edited;
        QObject::connect(&dock, qOverload<const Url&>(&UrlDockWidget::editUrl),
                         [&edited](const Url& url) { edited.push_back(url.getDescription()); });
        const QString entered(each.length, QLatin1Char('d'));
        QString title;
        testsupport::WhenModal<QInputDialog>([&entered, &title](QInputDialog* dialog) {
            title = dialog->windowTitle();
            dialog->setTextValue(entered);
            dialog->accept();
        });
        BoxAnswerer boxes;
        dock.editUrl();
        EXPECT_EQ(title, QStringLiteral("Edit URL Description [https://a.example/]"));
        const QString stored = dock.urlListWidget()->item(0)->data(Qt::StatusTipRole).toString();
        if (each.taken) {
            EXPECT_EQ(edited, std::vector<QString>{entered});
            EXPECT_EQ(stored, entered);
            EXPECT_EQ(dock.descriptionLabel()->text(), entered);
            EXPECT_TRUE(boxes.boxes.empty());
        } else {
            EXPECT_TRUE(edited.empty());
            EXPECT_EQ(stored, QStringLiteral("Old"));
            ASSERT_EQ(boxes.boxes.size(), 1u);
            EXPECT_EQ(boxes.boxes[0].text, DescriptionRule);
        }
    }
}

TEST_F(UrlWidgetsTest, AClickShowsTheDescriptionAndTheButtonsSendTheSelectedPage)
{
    UrlDockWidget dock(nullptr);
    emit dock.addUrl(Page(QStringLiteral("https://a.example/"), QStringLiteral("Ay")));
    QListWidgetItem* item = dock.urlListWidget()->item(0);
    dock.urlClicked(item);
    EXPECT_EQ(dock.descriptionLabel()->text(), QStringLiteral("Ay"));

    std::vector<QString> loaded;
    std::vector<QListWidgetItem*> removed;
    QObject::connect(&dock, qOverload<const Url&>(&UrlDockWidget::loadUrl),
                     [&loaded](const Url& url) { loaded.push_back(url.toString()); });
    QObject::connect(&dock, qOverload<QListWidgetItem*>(&UrlDockWidget::removeUrl),
                     [&removed](QListWidgetItem* each) { removed.push_back(each); });
    dock.loadUrl();
    dock.removeUrl();
    EXPECT_TRUE(loaded.empty());
    EXPECT_TRUE(removed.empty());
    item->setSelected(true);
    dock.loadUrl();
    dock.removeUrl();
    EXPECT_EQ(loaded, std::vector<QString>{QStringLiteral("https://a.example/")});
    EXPECT_EQ(removed, std::vector<QListWidgetItem*>{item});
    // The dock removes nothing itself.
    EXPECT_EQ(dock.urlListWidget()->count(), 1);
}

TEST_F(UrlWidgetsTest, ReadOnlyLeavesOnlyLoadAndABadButtonValueLogsItsWarning)
{
    UrlDockWidget dock(nullptr);
    // The buttons in the order of the layout: load, add, edit, remove, close.
    const auto enabled = [&dock]() {
        std::string flags;
        for (const QToolButton* button : dock.findChildren<QToolButton*>(Qt::FindChildrenRecursively)) {
            if (button->parentWidget() == dock.widget()) {
                flags += button->isEnabled() ? '1' : '0';
            }
        }
        return flags;
    };
    EXPECT_EQ(enabled(), "11111");
    dock.setButtonEnabled(UrlDockWidget::AllButtons, false);
    EXPECT_EQ(enabled(), "00000");
    dock.setReadOnly(true);
    EXPECT_EQ(enabled(), "10000");
    dock.setReadOnly(false);
    EXPECT_EQ(enabled(), "11111");
    dock.setButtonEnabled(UrlDockWidget::EditButton, false);
    EXPECT_EQ(enabled(), "11011");

    static std::vector<QString> warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg) {
                warnings.push_back(text);
            }
        });
    dock.setButtonEnabled(static_cast<UrlDockWidget::Buttons>(6), false);
    dock.setButtonVisible(static_cast<UrlDockWidget::Buttons>(-1), false);
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, (std::vector<QString>{QStringLiteral("UrlDockWidget::setButtonEnabled: bad button"),
                                              QStringLiteral("UrlDockWidget::setButtonVisible: bad button")}));
    EXPECT_EQ(enabled(), "11011");
}

// Counts the drags it would start.
class CountingUrlToolButton : public UrlToolButton
{
public:
    using UrlToolButton::UrlToolButton;
    int drags = 0;

protected:
    void performDrag() override { ++drags; }
};

TEST_F(UrlWidgetsTest, TheToolButtonDragsASecureAddressOnlyBeyondTheStartDistance)
{
    const int distance = QApplication::startDragDistance();
    struct Case
    {
        const char* name;
        const char* url;
        int moved;
        int drags;
    };
    const Case cases[] = {
        {"AtTheDistance", "https://a.example/", distance, 0},
        {"OnePixelBeyond", "https://a.example/", distance + 1, 1},
        {"InsecureNever", "http://a.example/", distance + 10, 0},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        CountingUrlToolButton button(nullptr);
        button.resize(200, 200);
        button.setUrl(QUrl(QString::fromLatin1(each.url)));
        const QPointF start(10, 10);
        QMouseEvent press(QEvent::MouseButtonPress, start, button.mapToGlobal(start), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&button, &press);
        // The distance split between both directions, as the pointer moves.
        const QPointF to(start.x() + each.moved / 2, start.y() + each.moved - each.moved / 2);
        QMouseEvent move(QEvent::MouseMove, to, button.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &move);
        EXPECT_EQ(button.drags, each.drags);
    }
}

}  // namespace
