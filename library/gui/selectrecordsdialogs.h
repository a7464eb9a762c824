#pragma once

#include <QDialog>

class QDialogButtonBox;
class SelectDocumentsWidget;
class SelectUsersWidget;

namespace zarv::data {
class Document;
class Documents;
class User;
class Users;
}  // namespace zarv::data

// The modal hosts of the two pickers: the picker's columns over a separator
// line and the buttons OK, Cancel and Reset (which runs the picker's init()
// again: the sources listed anew, the selected list kept). The calls forward
// to the picker; the host calls init() once, after preselecting and
// excluding, then runs the dialog.

class SelectUsersDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SelectUsersDialog(QWidget* parent);
    ~SelectUsersDialog() override;

    void addUser(const zarv::data::User& user);
    void addExcludedUser(int userId);
    void addExcludedHomeGroup(int groupId);
    void addExcludedUserGroup(int userGroupId);
    // Empty when nothing was chosen; OK is always enabled.
    zarv::data::Users selectedUsers() const;

    SelectUsersWidget* widget() const { return m_widget; }

public slots:
    void init();

private:
    SelectUsersWidget* const m_widget;
    QDialogButtonBox* const m_buttonBox;
};

class SelectDocumentsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SelectDocumentsDialog(QWidget* parent);
    ~SelectDocumentsDialog() override;

    void setUserId(int userId);
    void addDocument(const zarv::data::Document& document);
    void addExcludedDocument(int documentId);
    zarv::data::Documents selectedDocuments() const;

    SelectDocumentsWidget* widget() const { return m_widget; }

public slots:
    void init();

private slots:
    // OK is enabled while documents are selected.
    void setMode(int mode);

private:
    SelectDocumentsWidget* const m_widget;
    QDialogButtonBox* const m_buttonBox;
};
