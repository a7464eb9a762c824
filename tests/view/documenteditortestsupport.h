#pragma once

// What the document editor's tests share: the logged-on user of the editor's
// fixture (product/testserver/fixtures/doceditor.textproto), the records they
// open, and the message boxes they answer.

#include "product/client/view/documenteditorview.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace editortest {

// Gale, whose documents Plan (15300) and, through Hal's key, Report (15301)
// the fixture holds.
constexpr int UserId = 15001;
constexpr int OtherUserId = 15002;

// Once per program: a settings store of its own, the built-in icons, the
// time-zone table; then, for every test, Gale logged on and no options stored.
void PrepareEditorServices();

zarv::data::SecurityDescriptor Descriptor(int permissions, int sessionDuration = 0);
// A document of `userId` with a body and, unless `permissions` is negative, a
// descriptor.
zarv::data::Document
Document(int id, int userId, const std::string& name, const std::string& body, int permissions = 4095);

// Makes the body modified, as typing does.
void Type(DocumentEditorView& editor, const QString& text);

// Answers the message boxes shown while it lives, in order: with the next
// button of `answers`, or the box's default button when none is left. Each
// box is recorded with its text, informative text and buttons; `onShow` runs
// while the box is open, before it is answered.
class BoxAnswerer : public QObject
{
public:
    BoxAnswerer();
    ~BoxAnswerer() override;

    struct Box
    {
        QString text;
        QString informativeText;
        QMessageBox::StandardButtons buttons;
    };
    std::vector<Box> boxes;
    std::deque<QMessageBox::StandardButton> answers;
    std::function<void()> onShow;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace editortest
