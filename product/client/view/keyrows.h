#pragma once

#include <QString>

#include <string>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// The rows under a key in the keyring panes and the key lists: a Permissions
// group, a Days group and a Months group, each of check rows that show one bit
// of the key's security descriptor. One description per kind of key serves
// both the panes, which edit the bits, and the lists, which only show them.
namespace keyrows {

// The descriptor word that a check row shows a bit of.
enum class Word
{
    Permissions,
    Active
};

struct CheckRow
{
    // Text id in the context Linguist.
    const char* text;
    int kind;
    int bit;
};

// A group stands in column 0 (the permissions) or in the Active column (the
// weekdays and months), and so do its check rows.
struct Group
{
    const char* text;
    int kind;
    Word word;
    std::vector<CheckRow> rows;
};

// The kinds and bits of one kind of key.
struct Layout
{
    // The kind of the key row on column 0, and of its Active cell, the box of
    // bit 0 of the active word.
    int keyKind;
    int activeKind;
    std::vector<Group> groups;
};

const Layout& DocumentKeyLayout();
const Layout& FolderKeyLayout();

// The word and bit behind a kind; false for a kind without a box (the key
// row's name, a group, a number no row bears).
bool BitOfKind(const Layout& layout, int kind, Word& word, int& bit);

bool TestBit(int word, int bit);
int WithBit(int word, int bit, bool on);

// Appends the three groups under a new key row, each collapsed, the boxes set
// from `permissions` and `active`, the kinds under `kindRole`. The key row
// takes its Active box here too.
void AddGroups(QTreeWidgetItem* keyRow,
               const Layout& layout,
               int activeColumn,
               int kindRole,
               int permissions,
               int active);

// Sets the boxes of a key row made by AddGroups from the two words; a row
// whose groups are not in their places is left as it is.
void SetChecks(QTreeWidgetItem* keyRow,
               const Layout& layout,
               int activeColumn,
               int kindRole,
               int permissions,
               int active);

// Walks every item in tree order: with `view` on, opens every key row; the
// rows whose kind in `column` is `groupKind` open or close with `view`.
void ViewGroup(QTreeWidget* tree, int column, int kindRole, int groupKind, bool view);

// The revision a key is bound to, in local time as "%Y-%m-%d %H:%M:%S";
// empty for no revision, an unreadable one, and any time on the first or the
// last valid day (the last means the current revision).
QString RevisionText(const std::string& revision);

}  // namespace keyrows
