#include "library/gui/textreader.h"

#include <QAction>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

TextReader::TextReader(QWidget* parent)
    : AbstractTextReader(parent)
    , m_copyGated(false)
    , m_leftButtonDown(false)
{
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void TextReader::setCopyAction(QAction* copyAction)
{
    m_copyGated = true;
    m_copyAction = copyAction;
}

void TextReader::copyToClipboard()
{
    if (copyAllowed()) {
        AbstractTextReader::copyToClipboard();
    }
}

void TextReader::keyPressEvent(QKeyEvent* event)
{
    // The copy key goes through the counting slot, or nowhere.
    if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
        event->accept();
        return;
    }
    AbstractTextReader::keyPressEvent(event);
}

void TextReader::mousePressEvent(QMouseEvent* event)
{
    m_leftButtonDown = event->button() == Qt::LeftButton;
    AbstractTextReader::mousePressEvent(event);
}

void TextReader::mouseReleaseEvent(QMouseEvent* event)
{
    m_leftButtonDown = false;
    AbstractTextReader::mouseReleaseEvent(event);
}

QMimeData* TextReader::createMimeDataFromSelection() const
{
    if (!copyAllowed()) {
        return new QMimeData;
    }
    if (m_leftButtonDown) {
        // A drag out: the reader takes no drops, so the text always leaves.
        m_leftButtonDown = false;
        emit const_cast<TextReader*>(this)->copyBytesToClipboard(CountOf(textCursor().selectedText()));
    }
    return AbstractTextReader::createMimeDataFromSelection();
}

bool TextReader::copyAllowed() const
{
    return !m_copyGated || (m_copyAction && m_copyAction->isEnabled());
}
