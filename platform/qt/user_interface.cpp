#include "platform/qt/user_interface.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace platform::qt {
namespace {

QString TitleOrApp(const QString& title) {
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

}  // namespace

QString FileDialog::QtFilter() const {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        entries << (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))
                        ? description
                        : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString FileDialog::Suffix() const {
    QString ext = defaultExt.trimmed();
    if (ext.startsWith(QLatin1Char('*'))) {
        ext.remove(0, 1);
    }
    if (ext.startsWith(QLatin1Char('.'))) {
        ext.remove(0, 1);
    }
    return ext;
}

void QtUserInterface::ShowMessage(const QString& title, const QString& text,
                                  UserMessage::Icon icon) {
    QMessageBox box(parent_);
    box.setWindowTitle(TitleOrApp(title));
    box.setText(text);
    box.setIcon(icon == UserMessage::Icon::Critical      ? QMessageBox::Critical
                : icon == UserMessage::Icon::Exclamation ? QMessageBox::Warning
                                                         : QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtUserInterface::ShowError(const QString& text) {
    QMessageBox box(parent_);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setIcon(QMessageBox::Critical);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtUserInterface::Execute(FileDialog& dialog) {
    QFileDialog box(parent_, dialog.title);
    box.setNameFilter(dialog.QtFilter());
    box.setDefaultSuffix(dialog.Suffix());
    if (!dialog.fileName.isEmpty()) {
        box.selectFile(dialog.fileName);
    }
    if (dialog.mode == FileDialog::Mode::Open) {
        box.setAcceptMode(QFileDialog::AcceptOpen);
        box.setFileMode(QFileDialog::ExistingFile);
    } else {
        box.setAcceptMode(QFileDialog::AcceptSave);
        box.setFileMode(QFileDialog::AnyFile);
        if (!dialog.overwritePrompt) {
            box.setOption(QFileDialog::DontConfirmOverwrite);
        }
    }
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) {
        return false;
    }
    dialog.fileName = box.selectedFiles().constFirst();
    return true;
}

int QtUserInterface::ShowModal(QDialog& dialog) {
    return dialog.exec();
}

namespace {

class DialogProgress : public ProgressReport {
  public:
    DialogProgress(QWidget* parent, QString label) : parent_(parent), label_(std::move(label)) {
        clock_.start();
    }

    bool Update(double fraction) override {
        if (dialog_ == nullptr) {
            if (clock_.elapsed() < 500) {
                return true;
            }
            dialog_ = std::make_unique<QProgressDialog>(label_, QStringLiteral("Annulla"), 0, 1000,
                                                        parent_);
            dialog_->setWindowModality(Qt::WindowModal);
            dialog_->setMinimumDuration(0);
        }
        dialog_->setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 1000));
        QCoreApplication::processEvents();
        return !dialog_->wasCanceled();
    }

  private:
    QWidget* parent_;
    QString label_;
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};

class CountingProgress : public ProgressReport {
  public:
    CountingProgress(int& updates, int cancelAt) : updates_(updates), cancelAt_(cancelAt) {}
    bool Update(double) override {
        ++updates_;
        return cancelAt_ == 0 || updates_ < cancelAt_;
    }

  private:
    int& updates_;
    int cancelAt_;
};

}  // namespace

std::unique_ptr<ProgressReport> QtUserInterface::StartProgress(const QString& label) {
    return std::make_unique<DialogProgress>(parent_, label);
}

void ScriptedUserInterface::ShowMessage(const QString& title, const QString& text,
                                        UserMessage::Icon icon) {
    shown_.push_back({Shown::Kind::Message, title, text, icon, {}});
}

void ScriptedUserInterface::ShowError(const QString& text) {
    shown_.push_back({Shown::Kind::Error, {}, text, UserMessage::Icon::Critical, {}});
}

bool ScriptedUserInterface::Execute(FileDialog& dialog) {
    shown_.push_back(
        {Shown::Kind::Dialog, dialog.title, dialog.filter, UserMessage::Icon::Information, dialog});
    if (answers_.empty() || !answers_.front().has_value()) {
        if (!answers_.empty()) {
            answers_.pop_front();
        }
        return false;
    }
    QString path = *answers_.front();
    answers_.pop_front();
    // As the real dialog does: a name typed without extension gets the default one.
    if (QFileInfo(path).suffix().isEmpty() && !dialog.Suffix().isEmpty()) {
        path += QLatin1Char('.') + dialog.Suffix();
    }
    dialog.fileName = path;
    return true;
}

int ScriptedUserInterface::ShowModal(QDialog& dialog) {
    shown_.push_back(
        {Shown::Kind::Modal, dialog.windowTitle(), {}, UserMessage::Icon::Information, {}});
    return QDialog::Accepted;
}

std::unique_ptr<ProgressReport> ScriptedUserInterface::StartProgress(const QString& label) {
    shown_.push_back({Shown::Kind::Progress, label, {}, UserMessage::Icon::Information, {}});
    return std::make_unique<CountingProgress>(progressUpdates_, cancelAt_);
}

QStringList ScriptedUserInterface::Texts() const {
    QStringList texts;
    for (const Shown& s : shown_) {
        if (s.kind == Shown::Kind::Message || s.kind == Shown::Kind::Error) {
            texts << s.text;
        }
    }
    return texts;
}

}  // namespace platform::qt
