#include "platform/qt/qtext.h"

#include "platform/codepage.h"

#include <QFile>

namespace platform::qt {

QString ToQString(std::string_view cp1252) {
    QString out;
    out.resize(static_cast<qsizetype>(cp1252.size()));
    QChar* dst = out.data();
    for (char c : cp1252) {
        *dst++ = QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(c))));
    }
    return out;
}

std::string FromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;  // a character beyond the basic plane: none of the code page's
        }
        out.push_back(UnicodeToCp1252(c.unicode()));
    }
    return out;
}

std::string PathFromQString(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString PathToQString(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace platform::qt
