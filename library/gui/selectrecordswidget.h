#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <unordered_map>

class Mode;
class QHBoxLayout;
class QLabel;
class QLayout;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class ServerCall;

// The shared half of the user and document pickers: a controller that owns a
// three-column layout and never lays itself out. The host installs
// getLayout() in its own layout and the controls become its children.
//
// The left column lists the sources (groups, folders) that the subclass
// builds; Include lists the records of the highlighted sources in the middle
// column, Add and Remove move records between the middle (unselected) and the
// right (selected) column. A record is known in the lists by its id alone,
// which each item keeps beside its record; the lists count their ids, so a
// duplicate test is one look-up.
//
// The picker's state is its mode: 15 top-level modes whose values (set by the
// subclass) patch the controls' properties on entering. A listing that fails
// is said once per user action, in a box over the host.
class SelectRecordsWidget : public QWidget
{
    Q_OBJECT

public:
    // Texts are ids: the labels in the subclass's context, the buttons in the
    // shared one; icons are resource paths.
    struct Texts
    {
        const char* context;
        const char* unselectedLabel;
        const char* selectedLabel;
        const char* includeIcon;
        const char* includeAllIcon;
        const char* addIcon;
        const char* addAllIcon;
        const char* removeIcon;
        const char* removeAllIcon;
    };

    ~SelectRecordsWidget() override;

    QHBoxLayout* getLayout() const { return m_layout; }

    // Every item of the selected list (not only the highlighted ones).
    QList<QListWidgetItem*> selectedItems() const;

    // Empties the sources list and the unselected list; the selected list
    // stays.
    void clear();

signals:
    void setMode(int mode);

public slots:
    virtual void init() = 0;
    void include();
    void includeAll();
    void add();
    void addAll();
    void remove();
    void removeAll();
    void sourcesListWidgetItemSelectionChanged();
    void unselectedListWidgetItemSelectionChanged();
    void selectedListWidgetItemSelectionChanged();

protected:
    // The modes, registered in this order (ids 0 to 14). The two source modes
    // are the subclass's own (the home or the user groups listed; an opened
    // folder without or with subfolders).
    enum ModeIndex : int
    {
        Start,
        FirstSourceMode,
        SecondSourceMode,
        SourcesNotSelected,
        SourcesSelected,
        SourcesIncluded,
        SourcesEmpty,
        UnselectedEmpty,
        UnselectedFilled,
        UnselectedNotSelected,
        UnselectedSelected,
        SelectedEmpty,
        SelectedFilled,
        SelectedNotSelected,
        SelectedSelected,
        ModeCount
    };

    // One value that entering a mode gives a control's property.
    struct ModeValue
    {
        int mode;
        QObject* control;
        const char* property;
        bool value;
    };

    SelectRecordsWidget(QWidget* parent, const Texts& texts);

    // Lays out the three columns: `sourcesColumn` (the subclass's), then the
    // unselected and the selected column, each a label row, a list and a row
    // of two buttons. `labelRowExtra` makes a widget that ends each label row,
    // or is null.
    void initializeLayout(QLayout* sourcesColumn, QWidget* (*labelRowExtra)());
    // Registers the values and wires the lists and the buttons; then enters
    // the start mode.
    void initializeMode(std::initializer_list<ModeValue> values);

    // The records of a highlighted source go to the unselected list.
    virtual void includeSource(QListWidgetItem* source) = 0;
    // The mode of the unselected list after an include, which found it with
    // `countBefore` items.
    virtual void enterUnselectedModeAfterInclude(int countBefore) = 0;

    // Appends a record's item, made by the subclass, to the unselected list
    // with no test.
    void includeItem(QListWidgetItem* item, int id);
    // Appends the item to the selected list unless the id is there already,
    // and enters the filled mode; true when it was appended (otherwise the
    // item is deleted).
    bool addItem(QListWidgetItem* item, int id);
    bool isIncluded(int id) const;
    bool isAdded(int id) const;

    // The first failed listing of the current user action; said when it ends.
    void noteFailure(const ServerCall& call);
    // Shows the noted failure, if any, and forgets it.
    void reportFailure();

    Mode* const m_mode;
    QListWidget* const m_sourcesList;
    QPushButton* const m_include;
    QPushButton* const m_includeAll;
    QLabel* const m_unselectedLabel;
    QListWidget* const m_unselectedList;
    QPushButton* const m_add;
    QPushButton* const m_addAll;
    QLabel* const m_selectedLabel;
    QListWidget* const m_selectedList;
    QPushButton* const m_remove;
    QPushButton* const m_removeAll;
    QHBoxLayout* const m_layout;

private:
    using IdCounts = std::unordered_map<int, int>;

    IdCounts& countsOf(const QListWidget* list);
    void append(QListWidget* list, QListWidgetItem* item, int id);
    // Takes the item out of its list; the caller owns it.
    QListWidgetItem* take(QListWidget* list, QListWidgetItem* item);
    static void HighlightAll(QListWidget* list);

    IdCounts m_unselectedIds;
    IdCounts m_selectedIds;
    QString m_failure;
};
