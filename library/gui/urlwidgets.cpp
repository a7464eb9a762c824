#include "library/gui/urlwidgets.h"

#include "library/gui/itemcreationdialogs.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

QToolButton* NewButton(const char* iconFileName, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon(QString::fromLatin1(iconFileName)));
    return button;
}

bool IsValidDescription(const QString& description)
{
    return !description.isEmpty() && description.size() <= UrlDockWidget::MaximumDescriptionLength;
}

}  // namespace

UrlListWidget::UrlListWidget(QWidget* parent)
    : QListWidget(parent)
{
    setSortingEnabled(true);
    setAcceptDrops(false);
}

void UrlListWidget::addUrl(const Url& url)
{
    const QString text = url.toString();
    if (!findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        return;
    }
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::StatusTipRole, url.getDescription());
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
    addItem(item);
}

UrlDockWidget::UrlDockWidget(QWidget* parent)
    : QDockWidget(parent)
    , m_urlListWidget(new UrlListWidget(nullptr))
    , m_descriptionLabel(new QLabel(QStringLiteral(" ")))
    , m_loadButton(NewButton(":icons/32x32/url-load.png", nullptr))
    , m_addButton(NewButton(":icons/32x32/url-add.png", nullptr))
    , m_editButton(NewButton(":icons/32x32/url-edit.png", nullptr))
    , m_removeButton(NewButton(":icons/32x32/url-remove.png", nullptr))
    , m_closeButton(NewButton(":icons/32x32/dock-close.png", nullptr))
{
    m_descriptionLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* content = new QWidget(this);
    auto* columns = new QHBoxLayout(content);
    auto* left = new QVBoxLayout;
    left->addWidget(m_urlListWidget);
    left->addWidget(m_descriptionLabel);
    columns->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addStretch();
    for (QToolButton* each : {m_loadButton, m_addButton, m_editButton, m_removeButton, m_closeButton}) {
        right->addWidget(each);
        right->addStretch();
    }
    columns->addLayout(right);
    setWidget(content);
    setAcceptDrops(true);

    connect(this, qOverload<const Url&>(&UrlDockWidget::addUrl), m_urlListWidget, &UrlListWidget::addUrl);
    connect(m_urlListWidget, &QListWidget::itemClicked, this, &UrlDockWidget::urlClicked);
    connect(m_loadButton, &QToolButton::clicked, this, qOverload<>(&UrlDockWidget::loadUrl));
    connect(m_addButton, &QToolButton::clicked, this, qOverload<>(&UrlDockWidget::addUrl));
    connect(m_editButton, &QToolButton::clicked, this, qOverload<>(&UrlDockWidget::editUrl));
    connect(m_removeButton, &QToolButton::clicked, this, qOverload<>(&UrlDockWidget::removeUrl));
    connect(m_closeButton, &QToolButton::clicked, this, &QDockWidget::close);
}

bool UrlDockWidget::AcceptsDrop(const QList<QUrl>& urls)
{
    if (urls.isEmpty()) {
        return false;
    }
    for (const QUrl& url : urls) {
        if (!Url(url).isSecure()) {
            return false;
        }
    }
    return true;
}

QToolButton* UrlDockWidget::button(Buttons button) const
{
    switch (button) {
    case LoadButton:
        return m_loadButton;
    case AddButton:
        return m_addButton;
    case EditButton:
        return m_editButton;
    case RemoveButton:
        return m_removeButton;
    case CloseButton:
        return m_closeButton;
    default:
        return nullptr;
    }
}

void UrlDockWidget::setButtonEnabled(Buttons which, bool enabled)
{
    if (which == AllButtons) {
        for (QToolButton* each : {m_loadButton, m_addButton, m_editButton, m_removeButton, m_closeButton}) {
            each->setEnabled(enabled);
        }
    } else if (QToolButton* found = button(which)) {
        found->setEnabled(enabled);
    } else {
        qWarning("UrlDockWidget::setButtonEnabled: bad button");
    }
}

void UrlDockWidget::setButtonVisible(Buttons which, bool visible)
{
    if (which == AllButtons) {
        for (QToolButton* each : {m_loadButton, m_addButton, m_editButton, m_removeButton, m_closeButton}) {
            each->setVisible(visible);
        }
    } else if (QToolButton* found = button(which)) {
        found->setVisible(visible);
    } else {
        qWarning("UrlDockWidget::setButtonVisible: bad button");
    }
}

void UrlDockWidget::setReadOnly(bool readOnly)
{
    m_loadButton->setEnabled(true);
    for (QToolButton* each : {m_addButton, m_editButton, m_removeButton, m_closeButton}) {
        each->setEnabled(!readOnly);
    }
}

void UrlDockWidget::loadUrl()
{
    for (const QListWidgetItem* item : m_urlListWidget->selectedItems()) {
        emit loadUrl(Url(item->text()));
    }
}

void UrlDockWidget::addUrl()
{
    AddUrlDialog dialog(nullptr);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Url url(dialog.getUrl());
    if (!url.isSecure()) {
        return;
    }
    // An empty description is taken, as for a dropped page.
    const QString description = dialog.getUrlDescription();
    if (description.size() > MaximumDescriptionLength) {
        refuseDescription();
        return;
    }
    url.setDescription(description);
    // Listed first: the window that sends the page may take it out again
    // when the server refuses it.
    emit addUrl(url);
    emit newUrl(url);
}

void UrlDockWidget::editUrl()
{
    for (QListWidgetItem* item : m_urlListWidget->selectedItems()) {
        const QString text = item->text();
        const QString description = item->data(Qt::StatusTipRole).toString();
        QInputDialog dialog(nullptr);
        dialog.setWindowTitle(QStringLiteral("%1 [%2]").arg(tr("EditUrlDescription"), text));
        dialog.setLabelText(tr("UrlDescription"));
        dialog.setTextValue(description);
        dialog.resize(QFontMetrics(dialog.font()).horizontalAdvance(dialog.windowTitle()) + 200, dialog.height());
        if (dialog.exec() != QDialog::Accepted) {
            continue;
        }
        const QString entered = dialog.textValue();
        if (!IsValidDescription(entered)) {
            refuseDescription();
            continue;
        }
        Url url(text);
        url.setDescription(entered);
        item->setData(Qt::StatusTipRole, entered);
        m_descriptionLabel->setText(entered);
        emit editUrl(url);
    }
}

void UrlDockWidget::refuseDescription()
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), tr("DescriptionLength"), QMessageBox::Ok);
    box.exec();
}

void UrlDockWidget::removeUrl()
{
    for (QListWidgetItem* item : m_urlListWidget->selectedItems()) {
        emit removeUrl(item);
    }
}

void UrlDockWidget::urlClicked(QListWidgetItem* item)
{
    const QVariant description = item ? item->data(Qt::StatusTipRole) : QVariant();
    if (description.isValid()) {
        m_descriptionLabel->setText(description.toString());
    }
}

void UrlDockWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && AcceptsDrop(event->mimeData()->urls())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void UrlDockWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasUrls() && AcceptsDrop(event->mimeData()->urls())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void UrlDockWidget::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!AcceptsDrop(urls)) {
        event->ignore();
        return;
    }
    for (const QUrl& each : urls) {
        const Url url(each);
        emit addUrl(url);
        emit newUrl(url);
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

UrlToolButton::UrlToolButton(QWidget* parent)
    : QToolButton(parent)
{}

void UrlToolButton::setUrl(const QUrl& url)
{
    m_url = url;
}

void UrlToolButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressPoint = event->position().toPoint();
    }
    QToolButton::mousePressEvent(event);
}

void UrlToolButton::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && Url(m_url).isSecure()) {
        const QPoint moved = event->position().toPoint() - m_pressPoint;
        if (moved.manhattanLength() > QApplication::startDragDistance()) {
            performDrag();
        }
    }
    QToolButton::mouseMoveEvent(event);
}

void UrlToolButton::performDrag()
{
    auto* mimeData = new QMimeData;
    mimeData->setUrls({m_url});
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData);
    drag->setPixmap(icon().pixmap(icon().actualSize(QSize(32, 32))));
    drag->exec(Qt::CopyAction);
}
