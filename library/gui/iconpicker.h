#pragma once

#include <QString>

class QComboBox;
class QToolButton;

// The built-in icons that the editor windows insert into the text, and the
// controls that pick one. Each icon is a file
// ":/content/icons/default/<group>/svg/production/<size>/ic_<name>_<size>.svg";
// every group offers a fixed set of sizes.
namespace content::icons {

// The number is also the entry's position and data in the group box. Any
// int converts; only 0 to 15 name a group.
enum Group : int
{
    Action,
    Alert,
    Audiovisual,
    Communication,
    Content,
    Device,
    Editor,
    File,
    Hardware,
    Image,
    Maps,
    Navigation,
    Notification,
    Places,
    Social,
    Toggle,
};

// The data of an entry in the size box.
enum Size : int
{
    Size18px,
    Size24px,
    Size36px,
    Size48px,
};

// Appends the sixteen groups in value order, each with its value as data.
void InitIconGroupComboBox(QComboBox* comboBox);

// Refills the box with the sizes that the group offers, in increasing order,
// the 24px entry current; a group outside 0 to 15 leaves the box empty.
void InitIconSizeComboBox(QComboBox* comboBox, Group group);

// Fills the button from the folder of the group and size when the group
// offers the size; otherwise the button keeps its menu.
void InitIconSelectionToolButton(QToolButton* toolButton, Group group, Size size);

// Gives a tool button a new menu with one entry per file of one folder, in
// case-insensitive name order, and the first entry as its default action.
// Each entry shows the icon, reads the file name without "ic_" and the
// size ("ic_folder_open_18px.svg" reads "folder open") and carries the
// icon's resource path as data. The old menu is deleted with its entries; a
// folder without files leaves an empty menu and no default action.
class CInitIconSelectionToolButton
{
public:
    explicit CInitIconSelectionToolButton(QToolButton* toolButton);

    void operator()(const QString& groupFolder, const QString& sizeFolder);

private:
    QToolButton* const m_toolButton;
};

// The menu text of an icon file: the name without its first 3 and last 9
// characters, "_" read as a blank. It cuts by position, so
// "ic_x_26x24px.svg" reads "x 26".
QString IconMenuText(const QString& fileName);

}  // namespace content::icons
