#include "library/gui/documenteditoroptionsdialog.h"

#include "library/gui/settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

namespace {

// The platform's tool-bar and dock-widget area numbers, in the order of the
// radio buttons.
struct Area
{
    int value;
    const char* textId;
};
const Area Areas[] = {
    {Qt::LeftToolBarArea, "LeftAreaRadioButton"},
    {Qt::RightToolBarArea, "RightAreaRadioButton"},
    {Qt::TopToolBarArea, "TopAreaRadioButton"},
    {Qt::BottomToolBarArea, "BottomAreaRadioButton"},
};

// One group box: its keys (null for an option it does not have) and the
// values shown when a key is absent, which Reset also restores.
struct Bar
{
    const char* titleId;
    const char* displayKey;
    bool displayDefault;
    const char* areaKey;
    int areaDefault;
    const char* breakKey;
    bool breakDefault;
};

const Bar Bars[] = {
    {"StandardToolBarGroupBoxTitle", "DocumentEditor/Options/StandardToolBarDisplay", true,
     "DocumentEditor/Options/StandardToolBarArea", Qt::TopToolBarArea, "DocumentEditor/Options/StandardToolBarBreak",
     false},
    {"FormattingToolBarGroupBoxTitle", "DocumentEditor/Options/FormattingToolBarDisplay", true,
     "DocumentEditor/Options/FormattingToolBarArea", Qt::TopToolBarArea,
     "DocumentEditor/Options/FormattingToolBarBreak", true},
    {"IconToolBarGroupBoxTitle", "DocumentEditor/Options/IconToolBarDisplay", false,
     "DocumentEditor/Options/IconToolBarArea", Qt::TopToolBarArea, "DocumentEditor/Options/IconToolBarBreak", false},
    {"UrlAttachmentsDockWidgetGroupBoxTitle", "DocumentEditor/Options/UrlAttachmentsDockWidgetDisplay", false,
     "DocumentEditor/Options/UrlAttachmentsDockWidgetArea", Qt::BottomToolBarArea, nullptr, false},
    {"RevisionHistoryDockWidgetGroupBoxTitle", nullptr, false, "DocumentEditor/Options/RevisionHistoryDockWidgetArea",
     Qt::LeftToolBarArea, nullptr, false},
};
constexpr std::size_t BarCount = sizeof(Bars) / sizeof(Bars[0]);

Settings& ProcessSettings()
{
    return *ACE_Singleton<Settings, ACE_Null_Mutex>::instance();
}

// The radio button of a stored area; a value that is no area shows the
// bar's default.
void CheckArea(QButtonGroup* group, int area, int defaultArea)
{
    QAbstractButton* button = group->button(area);
    (button ? button : group->button(defaultArea))->setChecked(true);
}

}  // namespace

DocumentEditorOptionsDialog::DocumentEditorOptionsDialog(QWidget* parent)
    : QDialog(parent)
{
    for (const Bar& bar : Bars) {
        BarControls controls{new QGroupBox(tr(bar.titleId), this), nullptr, new QButtonGroup(this), nullptr};
        if (bar.displayKey) {
            controls.display = new QCheckBox(tr("DisplayCheckBox"), controls.groupBox);
        }
        for (const Area& area : Areas) {
            controls.area->addButton(new QRadioButton(tr(area.textId), controls.groupBox), area.value);
        }
        if (bar.breakKey) {
            controls.tailBreak = new QCheckBox(tr("BreakCheckBox"), controls.groupBox);
        }
        m_bars.push_back(controls);
    }
    m_buttonBox =
        new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel | QDialogButtonBox::Reset, this);

    setWindowTitle(tr("DocumentEditorOptionsDialogWindowTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/document-options.png")));
    setMinimumWidth(400);
    setLayout(getLayout());

    initDisplayOptions();
    initAreaOptions();
    initBreakOptions();

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &DocumentEditorOptionsDialog::accepted);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttonBox, &QDialogButtonBox::clicked, this, &DocumentEditorOptionsDialog::clicked);
}

void DocumentEditorOptionsDialog::accepted()
{
    saveDisplayOptions();
    saveAreaOptions();
    saveBreakOptions();
    accept();
}

void DocumentEditorOptionsDialog::rejected()
{
    reject();
}

void DocumentEditorOptionsDialog::clicked(QAbstractButton* button)
{
    if (button == m_buttonBox->button(QDialogButtonBox::Reset)) {
        reset();
    }
}

QLayout* DocumentEditorOptionsDialog::getLayout()
{
    auto* grid = new QGridLayout;
    for (std::size_t index = 0; index < m_bars.size(); ++index) {
        const BarControls& controls = m_bars[index];
        auto* boxLayout = new QVBoxLayout(controls.groupBox);
        if (controls.display) {
            boxLayout->addWidget(controls.display);
        }
        for (QAbstractButton* button : controls.area->buttons()) {
            boxLayout->addWidget(button);
        }
        if (controls.tailBreak) {
            boxLayout->addWidget(controls.tailBreak);
        }
        // The three tool bars in the first row, the two docks in the second.
        grid->addWidget(controls.groupBox, static_cast<int>(index / 3), static_cast<int>(index % 3));
    }
    auto* layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addWidget(m_buttonBox);
    return layout;
}

void DocumentEditorOptionsDialog::initDisplayOptions()
{
    Settings& settings = ProcessSettings();
    for (std::size_t index = 0; index < BarCount; ++index) {
        if (m_bars[index].display) {
            m_bars[index].display->setChecked(
                settings.value(Bars[index].displayKey, Bars[index].displayDefault).toBool());
        }
    }
}

void DocumentEditorOptionsDialog::initAreaOptions()
{
    Settings& settings = ProcessSettings();
    for (std::size_t index = 0; index < BarCount; ++index) {
        const int area = settings.value(Bars[index].areaKey, Bars[index].areaDefault).toInt();
        CheckArea(m_bars[index].area, area, Bars[index].areaDefault);
    }
}

void DocumentEditorOptionsDialog::initBreakOptions()
{
    Settings& settings = ProcessSettings();
    for (std::size_t index = 0; index < BarCount; ++index) {
        if (m_bars[index].tailBreak) {
            m_bars[index].tailBreak->setChecked(
                settings.value(Bars[index].breakKey, Bars[index].breakDefault).toBool());
        }
    }
}

void DocumentEditorOptionsDialog::saveDisplayOptions()
{
    Settings& settings = ProcessSettings();
    for (std::size_t index = 0; index < BarCount; ++index) {
        if (m_bars[index].display) {
            settings.setValue(Bars[index].displayKey, m_bars[index].display->isChecked());
        }
    }
}

void DocumentEditorOptionsDialog::saveAreaOptions()
{
    Settings& settings = ProcessSettings();
    for (std::size_t index = 0; index < BarCount; ++index) {
        settings.setValue(Bars[index].areaKey, m_bars[index].area->checkedId());
    }
}

void DocumentEditorOptionsDialog::saveBreakOptions()
{
    Settings& settings = ProcessSettings();
    for (std::size_t index = 0; index < BarCount; ++index) {
        if (m_bars[index].tailBreak) {
            settings.setValue(Bars[index].breakKey, m_bars[index].tailBreak->isChecked());
        }
    }
}

void DocumentEditorOptionsDialog::reset()
{
    for (std::size_t index = 0; index < BarCount; ++index) {
        const BarControls& controls = m_bars[index];
        if (controls.display) {
            controls.display->setChecked(Bars[index].displayDefault);
        }
        controls.area->button(Bars[index].areaDefault)->setChecked(true);
        if (controls.tailBreak) {
            controls.tailBreak->setChecked(Bars[index].breakDefault);
        }
    }
}
