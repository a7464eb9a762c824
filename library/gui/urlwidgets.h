#pragma once

#include "library/gui/url.h"

#include <QDockWidget>
#include <QList>
#include <QListWidget>
#include <QPoint>
#include <QToolButton>
#include <QUrl>

class QLabel;

// The web pages of one document, one item each: the address as its text,
// the description under the status tip. Sorted by address; an address is
// listed once.
class UrlListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit UrlListWidget(QWidget* parent);

public slots:
    // Lists the page unless its address is listed already; a listed page
    // keeps its description.
    void addUrl(const Url& url);
};

// The dockable list of a document's web pages with its description display
// and five buttons. It talks to no server: every wish leaves through its
// signals, and the window that holds it sends the requests.
class UrlDockWidget : public QDockWidget
{
    Q_OBJECT

public:
    enum Buttons
    {
        AllButtons = 0,
        LoadButton = 1,
        AddButton = 2,
        EditButton = 3,
        RemoveButton = 4,
        CloseButton = 5
    };

    // The longest description that a page may carry.
    static constexpr int MaximumDescriptionLength = 255;

    explicit UrlDockWidget(QWidget* parent);

    void setButtonEnabled(Buttons button, bool enabled);
    void setButtonVisible(Buttons button, bool visible);
    // Only the load button stays usable in read-only mode.
    void setReadOnly(bool readOnly);

    UrlListWidget* urlListWidget() const { return m_urlListWidget; }
    QLabel* descriptionLabel() const { return m_descriptionLabel; }

    // Whether a drag of these addresses may be dropped: at least one, and
    // every one secure.
    static bool AcceptsDrop(const QList<QUrl>& urls);

signals:
    void loadUrl(const Url& url);
    // A page to list.
    void addUrl(const Url& url);
    void editUrl(const Url& url);
    // A page the user added, listed by the time this is emitted.
    void newUrl(const Url& url);
    void removeUrl(QListWidgetItem* item);

public slots:
    void loadUrl();
    void addUrl();
    void editUrl();
    void removeUrl();
    void urlClicked(QListWidgetItem* item);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QToolButton* button(Buttons button) const;
    void refuseDescription();

    UrlListWidget* const m_urlListWidget;
    QLabel* const m_descriptionLabel;
    QToolButton* const m_loadButton;
    QToolButton* const m_addButton;
    QToolButton* const m_editButton;
    QToolButton* const m_removeButton;
    QToolButton* const m_closeButton;
};

// A tool button that carries one web page and lets the user drag it out.
class UrlToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit UrlToolButton(QWidget* parent);

    QUrl url() const { return m_url; }

public slots:
    void setUrl(const QUrl& url);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Drags the carried address out, with the copy action.
    virtual void performDrag();

private:
    QUrl m_url;
    QPoint m_pressPoint;
};
