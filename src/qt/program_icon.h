#pragma once
#include <QIcon>

namespace scanfee::qtview {

// The program's own icon (a book on a scanner) in every size it ships in.
QIcon program_icon();

}  // namespace scanfee::qtview
