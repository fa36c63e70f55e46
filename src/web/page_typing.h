#pragma once
// Typing into a box of the page, by the same rules as the window program:
// the characters the system cannot hold are left out, the box keeps what its
// limits allow, and whatever was left out or cut off is named in a notice
// beside the box.
#include <string>
#include <string_view>

namespace scanfee::web {

void type_into(const std::string& name, std::string_view utf8);

}  // namespace scanfee::web
