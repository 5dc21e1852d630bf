#pragma once

// Small helpers for the controls of the Ortix windows: creating them with their names, captions
// and hints, and moving their texts across the Windows-1252 / Unicode boundary.

#include <QString>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ortix {

// A caption beside a control.
QLabel* NewCaption(QWidget* parent, const char* caption);
// A sunken static text: a result or input field the user reads but does not type into.
QLabel* NewSunkenText(QWidget* parent, const char* name, const char* hint = nullptr);
QLineEdit* NewEdit(QWidget* parent, const char* name, const char* hint);
QPushButton* NewButton(QWidget* parent, const char* name, const char* caption,
                       const char* hint = nullptr);
QComboBox* NewComboBox(QWidget* parent, const char* name, bool editable,
                       const char* hint = nullptr);

std::string Text(const QLineEdit* edit);
std::string Text(const QLabel* label);
std::string Text(const QComboBox* combo);
void SetText(QLineEdit* edit, const std::string& text);
void SetText(QLabel* label, const std::string& text);

// Hints are Windows-1252 texts like every other.
QString Hint(const char* text);

}  // namespace ortix
