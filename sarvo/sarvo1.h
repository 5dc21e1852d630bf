#pragma once

// Sarvo's only window: six element boxes, the results box, the drawing and four buttons. It
// holds the solver, lends it its boxes, and keeps its own position in the per-user settings
// store (QSettings, organisation and application kSettingsName, sections "POSIZIONE_FORMx" and
// "POSIZIONE_FORMy", key "Sarvo1", twips as decimal text).

#include "platform/qt/user_interface.h"
#include "sarvo/triangle_solver.h"

#include <QFont>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QCloseEvent;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace sarvo {

class PictureBox;

// The font of the results box: "Courier New" 9.75 pt, or a monospaced family in its place.
QFont ResultsFont();
// Whether every character of the font takes the same width.
bool IsMonospaced(const QFont& font);

inline constexpr const char* kSettingsName = "Sarvo";

class Sarvo1 : public QWidget, public TriangleView {
    Q_OBJECT

  public:
    // Messages in real modal boxes over the window.
    explicit Sarvo1(QWidget* parent = nullptr);
    // Messages through ui, which must outlive the window (a ScriptedUserInterface in tests).
    explicit Sarvo1(platform::qt::UserInterface& ui, QWidget* parent = nullptr);
    ~Sarvo1() override;

    // Frame1[i] holds Text1[i]: sides 1 to 3, angles 1 to 3 (gon).
    std::array<QGroupBox*, kBoxCount> Frame1{};
    std::array<QLineEdit*, kBoxCount> Text1{};
    QPlainTextEdit* Text2 = nullptr;  // the results
    PictureBox* Picture1 = nullptr;
    QGroupBox* Frame2 = nullptr;  // holds the buttons
    // "&Calcola", "C&hiudi", "&Sposta SU", "&Azzera".
    std::array<QPushButton*, 4> Command1{};

    TriangleSolver& Solver() { return solver_; }
    // The circumradius of the last drawing, 0 before the first.
    double R() const;

    // The buttons' action by index: 0 solves, 1 closes the window, 2 moves the sides up one
    // box (side 2 becomes side 1 ...) and solves, 3 empties the boxes and the results.
    void Command1Click(int index);

    std::string BoxText(int index) const override;
    void SetBoxText(int index, const std::string& text) override;
    void SetResultsText(const std::string& text) override;
    void DisegnaTriangolo() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A typed ',' becomes '.'; Enter in an element box moves to the next one.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Sarvo1(platform::qt::UserInterface* ui, QWidget* parent);
    void BuildControls();
    void FormLoad();
    void FormUnload();
    void Text1KeyDown(int index);
    void CalcolaTriangolo();

    std::unique_ptr<platform::qt::UserInterface> ownUi_;
    platform::qt::UserInterface& ui_;
    TriangleSolver solver_;
};

}  // namespace sarvo
