#pragma once

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace utils {

// Lays out a dialog of two labelled fields above a line and the OK and Cancel
// buttons: each label is the buddy of its field, OK accepts and Cancel rejects.
void LayOutTwoFieldDialog(QDialog* dialog,
                          QLabel* firstLabel,
                          QLineEdit* firstField,
                          QLabel* secondLabel,
                          QLineEdit* secondField,
                          QPushButton* okButton,
                          QPushButton* cancelButton);

}  // namespace utils
