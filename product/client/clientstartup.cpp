#include "product/client/clientstartup.h"

#include "library/core/lib/timezonedatabase.h"
#include "library/gui/resourcecopy.h"
#include "library/gui/spellchecker.h"

#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "groupkey3.pb.h"
#include "message3.pb.h"
#include "messagefolder3.pb.h"
#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

#include <QApplication>
#include <QIcon>
#include <QMetaType>
#include <QStyleFactory>
#include <QtGlobal>

#include <ace/Log_Msg.h>
#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

namespace {

const QString ApplicationName = QStringLiteral("QuenlarkClient");
const QString ApplicationVersion = QStringLiteral("1.0.0");
// Together with the application name they locate the stored settings: they
// never change from release to release.
const QString OrganizationName = QStringLiteral("Quenlark");
const QString OrganizationDomain = QStringLiteral("quenlark.example");
const QString TranslationsResourceFileName = QStringLiteral(":build/client_en.qm");
const QString TimeZoneResourceFileName = QStringLiteral(":resources/resource.tmz");
const QString DictionaryResourceFileName = QStringLiteral(":resources/resource.dic");
const QString AffixResourceFileName = QStringLiteral(":resources/resource.aff");
const QString WindowIconResourceFileName = QStringLiteral(":icons/32x32/application.png");

// The copy's name, or an empty name, with a warning, when the resource could
// not be copied (the temporary folder cannot be written).
QString CopyResource(const QString& resourceName, QTemporaryFile& file)
{
    const QString fileName = utils::CopyResourceToTempororyFile(resourceName, file);
    if (fileName.isEmpty()) {
        qWarning("Cannot copy the built-in %s to a temporary file!", qUtf8Printable(resourceName));
    }
    return fileName;
}

}  // namespace

// The bundle lives in a static library; its registration at static
// initialisation may be dropped by the linker, so it is repeated here.
static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

void ClientStartup::prepare()
{
    setUpApplication();
    installTranslation();
    loadTimeZoneTable();
    prepareSpellChecker();
    registerRecordTypes();
}

void ClientStartup::setUpApplication()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // From here on the system's ACE messages (transport errors, audit lines,
    // assertion failures) go to the system log under the application's name.
    ACE_LOG_MSG->open(ApplicationName.toUtf8().constData(), ACE_Log_Msg::SYSLOG, nullptr);
    InitializeClientResources();
    QApplication::setWindowIcon(QIcon(WindowIconResourceFileName));
    QApplication::setApplicationName(ApplicationName);
    QApplication::setApplicationVersion(ApplicationVersion);
    QApplication::setOrganizationName(OrganizationName);
    QApplication::setOrganizationDomain(OrganizationDomain);
}

void ClientStartup::installTranslation()
{
    // Without it every text shows its id.
    if (m_translator.load(TranslationsResourceFileName, QString(), QString(), QString())) {
        QApplication::installTranslator(&m_translator);
    }
}

void ClientStartup::loadTimeZoneTable()
{
    // The date library reads only files; the copy is removed once it is read.
    QTemporaryFile copy;
    const QString fileName = CopyResource(TimeZoneResourceFileName, copy);
    ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance()->loadFromFile(fileName.toStdString());
}

void ClientStartup::prepareSpellChecker()
{
    // Hunspell reads only files, and reads them again whenever the spell
    // checker is reset, so these copies live as long as the client.
    const QString dictionary = CopyResource(DictionaryResourceFileName, m_dictionaryCopy);
    const QString affix = CopyResource(AffixResourceFileName, m_affixCopy);
    SpellChecker* spellChecker = ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance();
    spellChecker->setDictionaryFile(dictionary.toStdString());
    spellChecker->setAffixFile(affix.toStdString());
    spellChecker->reset();
}

void ClientStartup::registerRecordTypes()
{
    // Item data and signals carry these records in variants.
    qRegisterMetaType<zarv::data::User>();
    qRegisterMetaType<zarv::data::Folder>();
    qRegisterMetaType<zarv::data::Document>();
    qRegisterMetaType<zarv::data::GroupKey>();
    qRegisterMetaType<zarv::data::FolderKey>();
    qRegisterMetaType<zarv::data::DocumentKey>();
    qRegisterMetaType<zarv::data::SecurityDescriptor>();
    qRegisterMetaType<zarv::data::Message>();
    qRegisterMetaType<zarv::data::MessageFolder>();
}
