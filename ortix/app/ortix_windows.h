#pragma once

// The three windows of Ortix, created in the order the program starts them: the main window,
// then the about box and the instructions dialog, both hidden.

#include "ortix/app/aboutbox.h"
#include "ortix/app/okrightdlg.h"
#include "ortix/app/ortixform.h"

#include <memory>

namespace ortix {

struct OrtixWindows {
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TOKRightDlg> OKRightDlg;
};

// ui may be null: the real boxes and dialogs.
OrtixWindows CreateOrtixWindows(platform::qt::UserInterface* ui = nullptr);

// The application title, shown by message boxes.
inline constexpr const char* kApplicationTitle = "Compensazione Planimetrica di Punto isolato";

// The start-up steps before the windows, once the QApplication exists (its construction takes
// the user's locale): numbers with '.' and no grouping whatever the regional settings, and the
// application title.
void SetUpApplication();

}  // namespace ortix
