#include "library/gui/documentrevisiondialog.h"

#include "library/gui/horizontalline.h"
#include "library/gui/linguist.h"
#include "library/gui/utils.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QIcon>
#include <QTextEdit>
#include <QVBoxLayout>

DocumentRevisionDialog::DocumentRevisionDialog(const QString& documentName,
                                               const QString& revision,
                                               const QString& content,
                                               QWidget* parent)
    : QDialog(parent)
    , m_documentName(documentName)
    , m_revision(revision)
    , m_content(content)
    , m_contentTextEdit(new QTextEdit(this))
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Close, this))
{
    const QDateTime documentRevisionDateTimeUTC =
        utils::GetDateTimeFromStringDateTime(m_revision.toUtf8().toStdString(), Qt::UTC);
    if (documentRevisionDateTimeUTC.isValid()) {
        const QString localRevision =
            documentRevisionDateTimeUTC.toLocalTime().toString(Linguist::tr("QDateTimeFormat"));
        setWindowTitle(tr("WindowTitle").arg(m_documentName, localRevision));
    } else {
        qWarning("DocumentRevisionDialog::DocumentRevisionDialog: not documentRevisionDateTimeUTC.isValid()");
    }
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/revision.png")));
    setMinimumSize(800, 600);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_contentTextEdit);
    layout->addWidget(utils::CreateHorizontalLine(this));
    layout->addWidget(m_buttonBox);

    m_contentTextEdit->setHtml(m_content);
    m_contentTextEdit->setReadOnly(true);
    m_contentTextEdit->setTextInteractionFlags(Qt::NoTextInteraction);

    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::close);
}
