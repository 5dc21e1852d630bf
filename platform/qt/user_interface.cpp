#include "platform/qt/user_interface.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

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

int QtUserInterface::ShowModal(QDialog& dialog) { return dialog.exec(); }

void ScriptedUserInterface::ShowMessage(const QString& title, const QString& text,
                                        UserMessage::Icon icon) {
    shown_.push_back({Shown::Kind::Message, title, text, icon, {}});
}

void ScriptedUserInterface::ShowError(const QString& text) {
    shown_.push_back({Shown::Kind::Error, {}, text, UserMessage::Icon::Critical, {}});
}

bool ScriptedUserInterface::Execute(FileDialog& dialog) {
    shown_.push_back({Shown::Kind::Dialog, dialog.title, dialog.filter,
                      UserMessage::Icon::Information, dialog});
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
    shown_.push_back({Shown::Kind::Modal, dialog.windowTitle(), {}, UserMessage::Icon::Information, {}});
    return QDialog::Accepted;
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
