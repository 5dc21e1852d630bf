#include "ortix/app/controls.h"

#include "platform/qt/qtext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ortix {

using platform::qt::FromQString;
using platform::qt::ToQString;

QString Hint(const char* text) {
    return ToQString(text);
}

QLabel* NewCaption(QWidget* parent, const char* caption) {
    auto* label = new QLabel(ToQString(caption), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* NewSunkenText(QWidget* parent, const char* name, const char* hint) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(64);
    label->setMinimumHeight(label->fontMetrics().height() + 6);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (hint != nullptr) {
        label->setToolTip(Hint(hint));
    }
    return label;
}

QLineEdit* NewEdit(QWidget* parent, const char* name, const char* hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(Hint(hint));
    return edit;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    if (hint != nullptr) {
        button->setToolTip(Hint(hint));
    }
    return button;
}

QComboBox* NewComboBox(QWidget* parent, const char* name, bool editable, const char* hint) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumContentsLength(12);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (hint != nullptr) {
        combo->setToolTip(Hint(hint));
    }
    return combo;
}

std::string Text(const QLineEdit* edit) {
    return FromQString(edit->text());
}
std::string Text(const QLabel* label) {
    return FromQString(label->text());
}
std::string Text(const QComboBox* combo) {
    return FromQString(combo->currentText());
}
void SetText(QLineEdit* edit, const std::string& text) {
    edit->setText(ToQString(text));
}
void SetText(QLabel* label, const std::string& text) {
    label->setText(ToQString(text));
}

}  // namespace ortix
