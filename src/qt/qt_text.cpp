#include "qt/qt_text.h"

#include <algorithm>

#include "runtime/sjis.h"

namespace scanfee::qtview {

QString to_qt(std::string_view sjis) { return QString::fromStdString(rt::to_utf8(sjis)); }

std::string to_system(const QString& text) { return rt::to_sjis(text.toStdString()); }

std::size_t system_bytes(const QString& text) { return to_system(text).size(); }

QString unix_line_ends(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace scanfee::qtview
