#pragma once

#include <QListWidget>

// The revisions of a document, one row each: the start of the revision in
// the machine's local time as text, the server's stamp of it under the user
// role. The two properties read the single selected row, or are null strings
// while no row or several rows are selected.
class RevisionHistoryListWidget : public QListWidget
{
    Q_OBJECT
    Q_PROPERTY(QString revisionDateTime READ revisionDateTime)
    Q_PROPERTY(QString revisionSysStart READ revisionSysStart)

public:
    explicit RevisionHistoryListWidget(QWidget* parent);

    QString revisionDateTime() const;
    QString revisionSysStart() const;

private:
    QString selectedRowData(int role) const;
};
