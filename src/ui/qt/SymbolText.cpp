#include "ui/qt/SymbolText.h"

#include <QChar>

namespace velmora {

namespace {

constexpr char16_t kFilledDot = u'\u25CF';      // ●
constexpr char16_t kImportanceMark = u'\u2605'; // ★

bool sameFace(const std::string& family, const char* face) {
    return QString::fromStdString(family).trimmed().compare(QLatin1String(face), Qt::CaseInsensitive) == 0;
}

} // namespace

bool SymbolText::isSymbolFace(const std::string& family) {
    return sameFace(family, "Wingdings") || sameFace(family, "Webdings");
}

QString SymbolText::display(const std::string& family, const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (sameFace(family, "Wingdings")) {
        shown.replace(QLatin1Char('l'), QChar(kFilledDot));
    } else if (sameFace(family, "Webdings")) {
        shown.replace(QLatin1Char('<'), QChar(kImportanceMark));
    }
    return shown;
}

} // namespace velmora
