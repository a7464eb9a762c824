#pragma once

#include <QDialog>

#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QDialogButtonBox;
class QGroupBox;
class QLayout;

// How document editor windows arrange their bars: for the standard,
// formatting and icon tool bars whether each is shown, in which area it sits
// and whether a tool-bar break follows it; for the URL-attachments dock
// whether it is shown and where; for the revision-history dock where. It
// reads the twelve keys of "DocumentEditor/Options" when it is built and
// writes all twelve on Save; it changes no window itself.
class DocumentEditorOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DocumentEditorOptionsDialog(QWidget* parent);

public slots:
    void accepted();
    void rejected();
    void clicked(QAbstractButton* button);

private:
    // The controls of one group box; a box without a display or a break
    // option has null there.
    struct BarControls
    {
        QGroupBox* groupBox;
        QCheckBox* display;
        QButtonGroup* area;
        QCheckBox* tailBreak;
    };

    QLayout* getLayout();
    void initDisplayOptions();
    void initAreaOptions();
    void initBreakOptions();
    void saveDisplayOptions();
    void saveAreaOptions();
    void saveBreakOptions();
    void reset();

    std::vector<BarControls> m_bars;
    QDialogButtonBox* m_buttonBox;
};
