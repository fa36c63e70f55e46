#pragma once
// The system's Shift-JIS text meets Qt's UTF-16 only here, always through the
// program's own CP932 conversion: Qt's Shift_JIS codec maps some characters
// differently and would not round-trip what the system holds.
#include <QString>
#include <string>
#include <string_view>

namespace scanfee::qtview {

// System text (CP932) to Qt. Line ends stay as they are.
QString to_qt(std::string_view sjis);
// Qt text to the system's CP932; characters CP932 cannot hold become "?".
std::string to_system(const QString& text);

// Length of `text` in bytes of CP932.
std::size_t system_bytes(const QString& text);

// CR LF and lone CR to LF, for widgets that break lines at LF only.
QString unix_line_ends(QString text);

}  // namespace scanfee::qtview
