#pragma once

// The instructions dialog: how to use Ortix, in a text the user can scroll and also type into.

#include <QDialog>

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace ortix {

class TOKRightDlg : public QDialog {
    Q_OBJECT

  public:
    explicit TOKRightDlg(QWidget* parent = nullptr);

    QFrame* Bevel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

// The instruction text, one entry per line.
QStringList InstructionLines();

}  // namespace ortix
