#include "platform/qt/handler.h"

#include "platform/qt/qtext.h"

#include <new>

namespace platform::qt {

QString ErrorText(const std::exception& error) {
    if (const auto* file = dynamic_cast<const FileError*>(&error)) {
        return QString::fromLatin1(FileError::Prefix(file->FaultKind())) +
               PathToQString(file->Path());
    }
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return QStringLiteral("Out of memory");
    }
    return ToQString(error.what());
}

bool RunHandler(UserInterface& ui, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const UserMessage& message) {
        ui.ShowMessage(ToQString(message.Title()), ToQString(message.what()),
                       message.MessageIcon());
    } catch (const std::exception& error) {
        ui.ShowError(ErrorText(error));
    }
    return false;
}

}  // namespace platform::qt
