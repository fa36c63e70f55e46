#pragma once
// The order state by its variable names, for the driver's `var` command.
#include <optional>
#include <string>
#include <vector>

namespace scanfee::driver {

// The value of NAME, NAME(i) or NAME(slot,cat) as printed by the driver: text
// as UTF-8, integers in decimal, amounts as printf "%.9g". Empty when there
// is no such variable or the indices do not fit it.
std::optional<std::string> order_var(const std::string& name, const std::vector<int>& indices);

}  // namespace scanfee::driver
