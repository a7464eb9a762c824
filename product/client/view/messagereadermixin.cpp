#include "product/client/view/messagereadermixin.h"

#include "library/gui/linguist.h"
#include "library/gui/textdocument.h"
#include "library/gui/textreader.h"

#include <QCheckBox>
#include <QLabel>

namespace {

QCheckBox* NewFilterBox(const char* text, const char* objectName)
{
    auto* box = new QCheckBox(Linguist::tr(text));
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

}  // namespace

MessageReaderMixin::MessageReaderMixin()
    : m_filterContentsLabel(new QLabel(Linguist::tr("FilterContentsLabel")))
    , m_filterCopiedToClipboardCheckBox(NewFilterBox("FilterContentsCopiedToClipboard", "filterCopiedToClipboard"))
    , m_filterExportedToTextFileCheckBox(NewFilterBox("FilterContentsExportedToTextFile", "filterExportedToTextFile"))
    , m_filterExportedToPdfFileCheckBox(NewFilterBox("FilterContentsExportedToPdfFile", "filterExportedToPdfFile"))
    , m_filterPrintedCheckBox(NewFilterBox("FilterContentsPrinted", "filterPrinted"))
{
    chainReader()->setDocument(new TextDocument(chainReader()));
    chainReader()->setReadOnly(true);
    chainReader()->setTextInteractionFlags(Qt::NoTextInteraction);
}

MessageReaderMixin::~MessageReaderMixin() = default;

void MessageReaderMixin::displayFilteredMessageChain(const zarv::data::Message& message)
{
    displayMessageChain(message, m_filterCopiedToClipboardCheckBox->isChecked(),
                        m_filterExportedToTextFileCheckBox->isChecked(), m_filterExportedToPdfFileCheckBox->isChecked(),
                        m_filterPrintedCheckBox->isChecked());
}
