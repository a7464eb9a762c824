#include "product/client/view/createkeyconfirmationwizardpages.h"

#include "product/client/view/createkeywizards.h"
#include "product/client/view/keyrulestorage.h"
#include "product/client/view/keysummary.h"
#include "product/client/view/selectkeyuserwizardpages.h"
#include "product/client/view/selectrevisionwizardpage.h"
#include "product/client/view/wizardpagesupport.h"

#include "library/core/proxy/documentkeyreader.h"
#include "library/core/proxy/folderkeyreader.h"
#include "library/gui/linguist.h"
#include "library/gui/recorditems.h"

#include "user3.pb.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QListWidgetItem>
#include <QTextEdit>
#include <QTime>
#include <QVariant>

#include <cstddef>
#include <utility>

namespace {

const char* const ConfirmationIcon = "wizard-finish";

// The document permissions in the order the summary lists them.
const std::pair<const char*, DocumentKeyProxy::Permission> DocumentPermissions[] = {
    {"PermissionViewDocumentContents", DocumentKeyProxy::View},
    {"PermissionExportDocumentContentsToTextFile", DocumentKeyProxy::ExportToTextFile},
    {"PermissionExportDocumentContentsToPdfFile", DocumentKeyProxy::ExportToPdfFile},
    {"PermissionUpdateDocument", DocumentKeyProxy::Update},
    {"PermissionCopyDocumentContentsToClipboard", DocumentKeyProxy::CopyToClipboard},
    {"PermissionCopyDocumentContentsFromClipboard", DocumentKeyProxy::CopyFromClipboard},
    {"PermissionPrintDocumentContents", DocumentKeyProxy::Print},
    {"PermissionSearchDocumentContents", DocumentKeyProxy::Search},
};

const std::pair<const char*, KeyProxy::Active> Months[] = {
    {"January", KeyProxy::January}, {"February", KeyProxy::February},   {"March", KeyProxy::March},
    {"April", KeyProxy::April},     {"May", KeyProxy::May},             {"June", KeyProxy::June},
    {"July", KeyProxy::July},       {"August", KeyProxy::August},       {"September", KeyProxy::September},
    {"October", KeyProxy::October}, {"November", KeyProxy::November},   {"December", KeyProxy::December},
};

// Monday first, Sunday last.
const std::pair<const char*, KeyProxy::Active> Days[] = {
    {"Monday", KeyProxy::Monday}, {"Tuesday", KeyProxy::Tuesday},   {"Wednesday", KeyProxy::Wednesday},
    {"Thursday", KeyProxy::Thursday}, {"Friday", KeyProxy::Friday}, {"Saturday", KeyProxy::Saturday},
    {"Sunday", KeyProxy::Sunday},
};

QString ListEntry(const QString& text)
{
    return QStringLiteral("<li>%1</li>").arg(text);
}

// One list entry, a shared word, per bit that `isSet`.
template <class Bit, std::size_t Count, class Test>
QString Entries(const std::pair<const char*, Bit> (&rows)[Count], Test isSet)
{
    QString entries;
    for (const auto& [word, bit] : rows) {
        if (isSet(bit)) {
            entries += ListEntry(Linguist::tr(word));
        }
    }
    return entries;
}

QString HolderName(const zarv::data::User& user)
{
    return QStringLiteral("%1, %2 %3")
        .arg(QString::fromStdString(user.user_last_name()), QString::fromStdString(user.user_first_name()),
             QString::fromStdString(user.user_middle_name()));
}

QString RevisionText(const QListWidgetItem& row)
{
    const QString shown = row.data(Qt::DisplayRole).toString();
    QDateTime when = QDateTime::fromString(shown, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!when.isValid()) {
        when = QDateTime::fromString(shown, Qt::ISODate);
    }
    return when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

}  // namespace

CreateKeyConfirmationWizardPage::CreateKeyConfirmationWizardPage(QWidget* parent, const char* context)
    : QWizardPage(parent)
    , m_context(context)
    , m_summaryTextEdit(wizardpage::AddConfirmationText(this))
{
    const QByteArray title = QByteArray(context) + "Title";
    const QByteArray subTitle = QByteArray(context) + "SubTitle";
    wizardpage::InitializeHeader(this, QCoreApplication::translate(context, title.constData()),
                                 QCoreApplication::translate(context, subTitle.constData()), ConfirmationIcon);
}

CreateKeyConfirmationWizardPage::~CreateKeyConfirmationWizardPage() = default;

void CreateKeyConfirmationWizardPage::initializePage()
{
    m_summaryTextEdit->setHtml(summary());
}

void CreateKeyConfirmationWizardPage::cleanupPage() {}

bool CreateKeyConfirmationWizardPage::isComplete() const
{
    return !field(QStringLiteral("restrictedHours")).toBool()
           || keyrules::IsActiveWindow(field(QStringLiteral("fromTime")).toTime(),
                                       field(QStringLiteral("toTime")).toTime(),
                                       field(QStringLiteral("region")).toString());
}

QString CreateKeyConfirmationWizardPage::sentence(const char* id) const
{
    return QCoreApplication::translate(m_context, id);
}

template <class Reader>
QString CreateKeyConfirmationWizardPage::ruleSentences(const Reader& reader) const
{
    QString text;
    text += sentence(reader.active(Reader::ActiveStatus) ? "TranslationE" : "TranslationD");
    if (reader.activeDuringYear()) {
        text += sentence("TranslationG") + Entries(Months, [&reader](KeyProxy::Active bit) { return reader.active(bit); }) + QStringLiteral("</ul>");
    } else {
        text += sentence("TranslationF");
    }
    if (reader.activeDuringWeek()) {
        text += sentence("TranslationI") + Entries(Days, [&reader](KeyProxy::Active bit) { return reader.active(bit); }) + QStringLiteral("</ul>");
    } else {
        text += sentence("TranslationH");
    }

    const bool restrictedHours = field(QStringLiteral("restrictedHours")).toBool();
    const QTime from = field(QStringLiteral("fromTime")).toTime();
    const QTime to = field(QStringLiteral("toTime")).toTime();
    if (restrictedHours && !reader.activeFrom().empty() && !reader.activeTo().empty()) {
        const QString timeFormat = QStringLiteral("h:mm AP");
        text += sentence("TranslationK").arg(from.toString(timeFormat), to.toString(timeFormat));
        if (!(from < to)) {
            text += keysummary::HoursNotAfterStart();
        }
    } else {
        text += sentence("TranslationJ");
    }

    if (reader.sessionDuration() != 0) {
        const bool hours = field(QStringLiteral("durationComboBox")).toUInt() != 0;
        text += sentence("TranslationO")
                    .arg(QString::number(field(QStringLiteral("durationSpinBox")).toUInt()),
                         Linguist::tr(hours ? "hours" : "minutes"));
    } else {
        text += sentence("TranslationN");
    }

    if (!reader.expirationDate().empty()) {
        const QDate day = field(QStringLiteral("expirationDateCalendar")).toDate();
        const qint64 days = keyrules::LocalToday().daysTo(day);
        const QString shown = keysummary::DayText(day);
        if (days == 0) {
            text += sentence("TranslationQ").arg(shown);
        } else if (days == 1) {
            text += sentence("TranslationR").arg(shown);
        } else {
            text += sentence("TranslationS").arg(shown).arg(days);
        }
    } else {
        text += sentence("TranslationP");
    }

    text += sentence(reader.password().empty() ? "TranslationT" : "TranslationU");
    return text;
}

QString CreateKeyConfirmationWizardPage::holderSentences(const KeyUserWizardPage& page) const
{
    const QList<QListWidgetItem*> holders = page.selectedItems();
    if (holders.isEmpty()) {
        return sentence("TranslationV");
    }
    QString text = sentence("TranslationW");
    for (const QListWidgetItem* item : holders) {
        text += ListEntry(HolderName(item->data(recorditems::UserRole).value<zarv::data::User>()));
    }
    return text + QStringLiteral("</ul>");
}

CreateDocumentKeyConfirmationWizardPage::CreateDocumentKeyConfirmationWizardPage(CreateDocumentKeyWizard* wizard)
    : CreateKeyConfirmationWizardPage(wizard, "CreateDocumentKeyConfirmationWizardPage")
    , m_wizard(wizard)
{}

QString CreateDocumentKeyConfirmationWizardPage::summary() const
{
    const zarv::data::DocumentKey key = m_wizard->documentKey();
    const DocumentKeyReader reader(key);
    QString text;

    const QListWidgetItem* revision = m_wizard->getSelectRevisionWizardPage()->revisionHistoryListWidgetItem();
    if (!field(QStringLiteral("currentRevision")).toBool() && revision) {
        text += sentence("TranslationX").arg(RevisionText(*revision));
    } else {
        text += sentence("TranslationY");
    }

    if (reader.noPermissions()) {
        text += sentence("TranslationA");
    } else {
        text += sentence("TranslationB") + Entries(DocumentPermissions,
                                                     [&reader](DocumentKeyProxy::Permission bit) { return reader.permission(bit); })
                + QStringLiteral("</ul>");
    }
    text += ruleSentences(reader);
    return text + holderSentences(*m_wizard->getSelectDocumentKeyUserWizardPage());
}

CreateFolderKeyConfirmationWizardPage::CreateFolderKeyConfirmationWizardPage(CreateFolderKeyWizard* wizard)
    : CreateKeyConfirmationWizardPage(wizard, "CreateFolderKeyConfirmationWizardPage")
    , m_wizard(wizard)
{}

QString CreateFolderKeyConfirmationWizardPage::summary() const
{
    const zarv::data::FolderKey key = m_wizard->folderKey();
    const FolderKeyReader reader(key);
    QString text;
    const bool view = reader.permission(FolderKeyProxy::View);
    const bool search = reader.permission(FolderKeyProxy::Search);
    if (!view && !search) {
        text += sentence("TranslationA");
    } else {
        text += sentence("TranslationB").arg((view ? sentence("TranslationC") : QString())
                                             + (search ? sentence("TranslationX") : QString()));
    }
    text += ruleSentences(reader);
    return text + holderSentences(*m_wizard->getSelectFolderKeyUserWizardPage());
}
