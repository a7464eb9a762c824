#include "product/client/view/keyrows.h"

#include "library/core/proxy/documentkeyproxy.h"
#include "library/core/proxy/folderkeyproxy.h"
#include "library/core/proxy/keyreader.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/linguist.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace keyrows {
namespace {

// Monday to Saturday, then Sunday, although Sunday has the lowest bit.
std::vector<CheckRow> Days(int firstKind)
{
    const char* const names[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    const int bits[] = {KeyProxy::Monday, KeyProxy::Tuesday,  KeyProxy::Wednesday, KeyProxy::Thursday,
                        KeyProxy::Friday, KeyProxy::Saturday, KeyProxy::Sunday};
    std::vector<CheckRow> rows;
    for (int i = 0; i < 7; ++i) {
        rows.push_back({names[i], firstKind + i, bits[i]});
    }
    return rows;
}

std::vector<CheckRow> Months(int firstKind)
{
    const char* const names[] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
    std::vector<CheckRow> rows;
    for (int i = 0; i < 12; ++i) {
        rows.push_back({names[i], firstKind + i, KeyProxy::January + i});
    }
    return rows;
}

int ColumnOf(const Group& group, int activeColumn)
{
    return group.word == Word::Permissions ? 0 : activeColumn;
}

int WordValue(Word word, int permissions, int active)
{
    return word == Word::Permissions ? permissions : active;
}

Qt::CheckState CheckOf(int word, int bit)
{
    return TestBit(word, bit) ? Qt::Checked : Qt::Unchecked;
}

}  // namespace

const Layout& DocumentKeyLayout()
{
    static const Layout layout = {0,
                                  1,
                                  {{"Permissions",
                                    2,
                                    Word::Permissions,
                                    {{"View", 3, DocumentKeyProxy::View},
                                     {"Update", 4, DocumentKeyProxy::Update},
                                     {"CopyFromClipboard", 9, DocumentKeyProxy::CopyFromClipboard},
                                     {"CopyToClipboard", 10, DocumentKeyProxy::CopyToClipboard},
                                     {"ExportToTextFile", 11, DocumentKeyProxy::ExportToTextFile},
                                     {"ExportToPdfFile", 12, DocumentKeyProxy::ExportToPdfFile},
                                     {"Print", 13, DocumentKeyProxy::Print},
                                     {"Search", 14, DocumentKeyProxy::Search}}},
                                   {"Days", 15, Word::Active, Days(16)},
                                   {"Months", 23, Word::Active, Months(24)}}};
    return layout;
}

const Layout& FolderKeyLayout()
{
    static const Layout layout = {0,
                                  1,
                                  {{"Permissions",
                                    2,
                                    Word::Permissions,
                                    {{"View", 3, FolderKeyProxy::View}, {"Search", 4, FolderKeyProxy::Search}}},
                                   {"Days", 5, Word::Active, Days(6)},
                                   {"Months", 13, Word::Active, Months(14)}}};
    return layout;
}

bool BitOfKind(const Layout& layout, const int kind, Word& word, int& bit)
{
    if (kind == layout.activeKind) {
        word = Word::Active;
        bit = KeyProxy::ActiveStatus;
        return true;
    }
    for (const Group& group : layout.groups) {
        for (const CheckRow& row : group.rows) {
            if (row.kind == kind) {
                word = group.word;
                bit = row.bit;
                return true;
            }
        }
    }
    return false;
}

bool TestBit(const int word, const int bit)
{
    return proxy::TestBit(word, static_cast<std::size_t>(bit));
}

int WithBit(const int word, const int bit, const bool on)
{
    return proxy::WithBit(word, static_cast<std::size_t>(bit), on);
}

void AddGroups(QTreeWidgetItem* keyRow,
               const Layout& layout,
               const int activeColumn,
               const int kindRole,
               const int permissions,
               const int active)
{
    keyRow->setData(activeColumn, kindRole, layout.activeKind);
    keyRow->setCheckState(activeColumn, CheckOf(active, KeyProxy::ActiveStatus));
    for (const Group& group : layout.groups) {
        const int column = ColumnOf(group, activeColumn);
        const int word = WordValue(group.word, permissions, active);
        auto* groupRow = new QTreeWidgetItem(keyRow);
        groupRow->setText(column, Linguist::tr(group.text));
        groupRow->setData(column, kindRole, group.kind);
        for (const CheckRow& row : group.rows) {
            auto* checkRow = new QTreeWidgetItem(groupRow);
            checkRow->setText(column, Linguist::tr(row.text));
            checkRow->setData(column, kindRole, row.kind);
            checkRow->setCheckState(column, CheckOf(word, row.bit));
        }
    }
}

void SetChecks(QTreeWidgetItem* keyRow,
               const Layout& layout,
               const int activeColumn,
               const int kindRole,
               const int permissions,
               const int active)
{
    keyRow->setCheckState(activeColumn, CheckOf(active, KeyProxy::ActiveStatus));
    for (std::size_t index = 0; index < layout.groups.size(); ++index) {
        const Group& group = layout.groups[index];
        const int column = ColumnOf(group, activeColumn);
        QTreeWidgetItem* groupRow = keyRow->child(static_cast<int>(index));
        if (!groupRow || groupRow->data(column, kindRole) != QVariant(group.kind)) {
            continue;
        }
        const int word = WordValue(group.word, permissions, active);
        for (std::size_t row = 0; row < group.rows.size(); ++row) {
            if (QTreeWidgetItem* checkRow = groupRow->child(static_cast<int>(row))) {
                checkRow->setCheckState(column, CheckOf(word, group.rows[row].bit));
            }
        }
    }
}

void ViewGroup(QTreeWidget* tree, const int column, const int kindRole, const int groupKind, const bool view)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (!item->parent() && view) {
            item->setExpanded(true);
        }
        const QVariant kind = item->data(column, kindRole);
        if (kind.isValid() && kind.toInt() == groupKind) {
            item->setExpanded(view);
        }
    }
}

QString RevisionText(const std::string& revision)
{
    if (revision.empty()) {
        return QString();
    }
    const DbTimestamp timestamp(revision);
    if (!timestamp.isValid() || timestamp.isMinTimestamp() || timestamp.isMaxTimestamp()) {
        return QString();
    }
    return QString::fromStdString(proxy::LocalText(timestamp, &DbTimestamp::toLocalRfcString));
}

}  // namespace keyrows
