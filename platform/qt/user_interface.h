#pragma once

// The modal parts of a window: message boxes, the error box and the file dialogs.
//
// Windows reach them only through UserInterface, so a test installs a ScriptedUserInterface and
// never blocks on a modal dialog.

#include "platform/errors.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QDialog;
class QWidget;

namespace platform::qt {

// A shared file dialog as a window keeps it: each command sets extension, filter and title
// before it shows the dialog.
struct FileDialog {
    enum class Mode { Open, Save };

    Mode mode = Mode::Open;
    QString defaultExt;  // "*.not": a name typed without extension gets ".not"
    QString filter;      // "File di punti noti (*.not) | *.not", description and pattern pairs
    QString title;
    bool overwritePrompt = false;  // a save asks before it replaces a file
    QString fileName;              // the name chosen by the last confirmed Execute

    // Qt's form of the filter: "File di punti noti (*.not)" entries joined by ";;".
    QString QtFilter() const;
    // The extension to add, without "*." ("not"), or empty.
    QString Suffix() const;
};

// The progress of one long operation, shown while it lives.
class ProgressReport {
  public:
    virtual ~ProgressReport() = default;
    // The fraction done, in [0, 1]; false when the user asked to cancel.
    virtual bool Update(double fraction) = 0;
};

class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // A modal message with an OK button; an empty title means the application's title.
    virtual void ShowMessage(const QString& title, const QString& text, UserMessage::Icon icon) = 0;
    // The standard error box.
    virtual void ShowError(const QString& text) = 0;
    // Shows the dialog; true and dialog.fileName set when the user confirms a file.
    virtual bool Execute(FileDialog& dialog) = 0;
    // Shows a window's own dialog modally; returns its result code.
    virtual int ShowModal(QDialog& dialog) = 0;
    // Starts reporting the progress of a long operation under the label; a short one never
    // shows anything.
    virtual std::unique_ptr<ProgressReport> StartProgress(const QString& label) = 0;
};

// The real boxes and dialogs, modal over a parent window.
class QtUserInterface : public UserInterface {
  public:
    explicit QtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const QString& title, const QString& text, UserMessage::Icon icon) override;
    void ShowError(const QString& text) override;
    bool Execute(FileDialog& dialog) override;
    int ShowModal(QDialog& dialog) override;
    // A progress dialog with a cancel button, shown once the operation has taken half a second.
    std::unique_ptr<ProgressReport> StartProgress(const QString& label) override;

  private:
    QWidget* parent_;
};

// For tests and batch rendering: answers file dialogs from a queue and records what was shown.
class ScriptedUserInterface : public UserInterface {
  public:
    struct Shown {
        enum class Kind { Message, Error, Dialog, Modal, Progress };
        Kind kind;
        QString title;
        QString text;  // message or error text; for a file dialog its filter
        UserMessage::Icon icon = UserMessage::Icon::Information;
        FileDialog dialog;  // the dialog as shown, for Kind::Dialog
    };

    // The next Execute confirms this path (an encoded file-system name).
    void QueueFile(const QString& path) { answers_.push_back(path); }
    // The next Execute is cancelled.
    void QueueCancel() { answers_.push_back(std::nullopt); }

    void ShowMessage(const QString& title, const QString& text, UserMessage::Icon icon) override;
    void ShowError(const QString& text) override;
    // With no queued answer the dialog counts as cancelled.
    bool Execute(FileDialog& dialog) override;
    // Records the dialog's title and returns at once with QDialog::Accepted; the dialog is not
    // shown, so its state can be read afterwards.
    int ShowModal(QDialog& dialog) override;
    // Records the label; the operation is cancelled at its n-th update after CancelProgressAt(n).
    std::unique_ptr<ProgressReport> StartProgress(const QString& label) override;
    void CancelProgressAt(int update) { cancelAt_ = update; }
    // Updates received by the progress reports so far.
    int ProgressUpdates() const { return progressUpdates_; }

    const std::vector<Shown>& History() const { return shown_; }
    // Texts of the messages and errors shown so far, in order.
    QStringList Texts() const;
    void Clear() { shown_.clear(); }

  private:
    std::deque<std::optional<QString>> answers_;
    std::vector<Shown> shown_;
    int cancelAt_ = 0;
    int progressUpdates_ = 0;
};

}  // namespace platform::qt
