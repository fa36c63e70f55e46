#pragma once
// A script asked for something a user could not do, or that does not fit:
// the driver stops with status 2 and names the script line.
#include <stdexcept>
#include <string>

namespace scanfee::driver {

class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace scanfee::driver
