#include "library/gui/iconpicker.h"

#include "library/gui/resourceicon.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QIcon>
#include <QMenu>
#include <QToolButton>

#include <iterator>

namespace content::icons {

namespace {

const char* const TextContext = "AbstractTextEditorView";

struct GroupRow
{
    const char* folder;
    const char* textId;
    // Bit n set: the group offers the size of value n.
    unsigned sizes;
};

constexpr unsigned Sizes24And48 = (1u << Size24px) | (1u << Size48px);
constexpr unsigned Sizes18To48 = (1u << Size18px) | Sizes24And48;
constexpr unsigned AllSizes = Sizes18To48 | (1u << Size36px);

const GroupRow Groups[] = {
    {"action", "Action", Sizes18To48},
    {"alert", "Alert", AllSizes},
    {"audiovisual", "Audiovisual", Sizes18To48},
    {"communication", "Communication", Sizes24And48},
    {"content", "Content", Sizes24And48},
    {"device", "Device", Sizes18To48},
    {"editor", "Editor", Sizes18To48},
    {"file", "File", Sizes18To48},
    {"hardware", "Hardware", Sizes24And48},
    {"image", "Image", Sizes24And48},
    {"maps", "Maps", Sizes24And48},
    {"navigation", "Navigation", AllSizes},
    {"notification", "Notification", Sizes18To48},
    {"places", "Places", Sizes24And48},
    {"social", "Social", Sizes18To48},
    {"toggle", "Toggle", Sizes24And48},
};

const char* const SizeFolders[] = {"18px", "24px", "36px", "48px"};

const GroupRow* groupRow(int group)
{
    if (group < 0 || group >= static_cast<int>(std::size(Groups))) {
        return nullptr;
    }
    return &Groups[group];
}

bool offers(const GroupRow& row, int size)
{
    return size >= 0 && size < static_cast<int>(std::size(SizeFolders)) && (row.sizes & (1u << size)) != 0;
}

const QString& PrefixAction()
{
    static const QString text = QStringLiteral(":/content/icons/default/");
    return text;
}

const QString& SuffixAction()
{
    static const QString text = QStringLiteral("/svg/production/");
    return text;
}

const QString& DirSeparator()
{
    static const QString text = QStringLiteral("/");
    return text;
}

// The built-in icons never change while the program runs, so each folder is
// listed once: every editor window fills its picker from the same folder.
const QStringList& IconFileNames(const QString& directory)
{
    static QHash<QString, QStringList> listed;
    auto names = listed.constFind(directory);
    if (names == listed.cend()) {
        names = listed.insert(directory, QDir(directory).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    }
    return *names;
}

}  // namespace

void InitIconGroupComboBox(QComboBox* comboBox)
{
    for (int group = 0; group < static_cast<int>(std::size(Groups)); ++group) {
        comboBox->addItem(QCoreApplication::translate(TextContext, Groups[group].textId), group);
    }
}

void InitIconSizeComboBox(QComboBox* comboBox, Group group)
{
    comboBox->clear();
    const GroupRow* row = groupRow(group);
    if (!row) {
        return;
    }
    for (int size = 0; size < static_cast<int>(std::size(SizeFolders)); ++size) {
        if (offers(*row, size)) {
            comboBox->addItem(QCoreApplication::translate(TextContext, SizeFolders[size]), size);
        }
    }
    comboBox->setCurrentIndex(comboBox->findData(static_cast<int>(Size24px)));
}

void InitIconSelectionToolButton(QToolButton* toolButton, Group group, Size size)
{
    const GroupRow* row = groupRow(group);
    if (!row || !offers(*row, size)) {
        return;
    }
    CInitIconSelectionToolButton fill(toolButton);
    fill(QString::fromLatin1(row->folder), QString::fromLatin1(SizeFolders[size]));
}

CInitIconSelectionToolButton::CInitIconSelectionToolButton(QToolButton* toolButton)
    : m_toolButton(toolButton)
{}

void CInitIconSelectionToolButton::operator()(const QString& groupFolder, const QString& sizeFolder)
{
    const QString directory = PrefixAction() + groupFolder + SuffixAction() + sizeFolder + DirSeparator();
    const QStringList names = IconFileNames(directory);

    // Building an icon of a drawing parses the drawing, so each is built once
    // per process and shared by every editor's menu. The button owns its
    // menu, so that the last one goes with it.
    auto* menu = new QMenu(m_toolButton);
    for (const QString& name : names) {
        const QString path = directory + name;
        QAction* action = menu->addAction(ResourceIcon(path), IconMenuText(name));
        action->setData(path);
    }
    delete m_toolButton->menu();
    m_toolButton->setMenu(menu);
    QAction* first = menu->actions().value(0);
    m_toolButton->setDefaultAction(first);
    if (!first) {
        m_toolButton->setIcon(QIcon());
        m_toolButton->setText(QString());
    }
}

QString IconMenuText(const QString& fileName)
{
    const qsizetype length = fileName.size() - 12;
    if (length <= 0) {
        return QString();
    }
    return fileName.mid(3, length).replace(QLatin1Char('_'), QLatin1Char(' '));
}

}  // namespace content::icons
