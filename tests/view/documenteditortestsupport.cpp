#include "tests/view/documenteditortestsupport.h"

#include "library/core/lib/registry.h"
#include "library/core/lib/timezonedatabase.h"
#include "library/gui/resourcecopy.h"
#include "library/gui/settings.h"
#include "library/gui/textdocument.h"
#include "tests/support/temporarysettingsstore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTextCursor>
#include <QTimer>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

// The bundle lives in a static library; its registration may be dropped by
// the linker, so it is repeated here, as start-up does.
static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace editortest {

void PrepareEditorServices()
{
    static bool prepared = false;
    if (!prepared) {
        prepared = true;
        InitializeClientResources();
        static testsupport::TemporarySettingsStore store(QStringLiteral("documenteditor_tests"));
        ASSERT_TRUE(store.isValid());
        QTemporaryFile timeZones;
        const QString timeZonesName =
            utils::CopyResourceToTempororyFile(QStringLiteral(":resources/resource.tmz"), timeZones);
        ASSERT_FALSE(timeZonesName.isEmpty());
        ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance()->loadFromFile(timeZonesName.toStdString());
    }
    ACE_Singleton<Settings, ACE_Null_Mutex>::instance()->remove(QStringLiteral("DocumentEditor"));
    zarv::data::User gale;
    gale.set_user_id(UserId);
    gale.set_user_last_name("Gale");
    gale.set_user_first_name("Gwen");
    gale.set_user_folder_id(15100);
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(gale);
}

zarv::data::SecurityDescriptor Descriptor(int permissions, int sessionDuration)
{
    zarv::data::SecurityDescriptor descriptor;
    descriptor.set_active(1048575);
    descriptor.set_permissions(permissions);
    descriptor.set_session_duration(sessionDuration);
    descriptor.set_expiration_date("9999-12-31 00:00:00");
    return descriptor;
}

zarv::data::Document Document(int id, int userId, const std::string& name, const std::string& body, int permissions)
{
    zarv::data::Document document;
    document.set_document_id(id);
    document.set_document_user_id(userId);
    document.set_document_folder_id(15110);
    document.set_document_name(name);
    document.set_document_description("Milestones");
    document.set_document_body(body);
    if (permissions >= 0) {
        *document.mutable_document_security_descriptor() = Descriptor(permissions);
    }
    return document;
}

void Type(DocumentEditorView& editor, const QString& text)
{
    QTextCursor cursor(editor.textDocument());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

BoxAnswerer::BoxAnswerer()
{
    qApp->installEventFilter(this);
}

BoxAnswerer::~BoxAnswerer()
{
    qApp->removeEventFilter(this);
}

bool BoxAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (!box || event->type() != QEvent::Show) {
        return false;
    }
    boxes.push_back({box->text(), box->informativeText(), box->standardButtons()});
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    QTimer::singleShot(0, box, [this, box = QPointer<QMessageBox>(box), answer]() {
        if (onShow) {
            onShow();
        }
        if (!box) {
            return;
        }
        QAbstractButton* button = answer == QMessageBox::NoButton ? box->defaultButton() : box->button(answer);
        if (!button) {
            button = box->buttons().value(0);
        }
        button->click();
    });
    return false;
}

}  // namespace editortest
