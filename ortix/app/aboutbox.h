#pragma once

// The about box of Ortix: program name, version, credits.

#include <QDialog>

class QLabel;
class QPushButton;

namespace ortix {

class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    // Set to the main window's version text each time the box opens.
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;
};

// The program's icon: a station sighting three known points, 32 x 32 pixels.
QPixmap ProgramPixmap();

}  // namespace ortix
