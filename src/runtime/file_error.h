#pragma once
// File failures travel back to the caller as values, so that no failing disk
// or damaged file can end the program or lose the order on screen. A caller
// that has nothing better to do turns a failure into the fatal error report
// with or_fatal().
#include <optional>
#include <source_location>
#include <string>
#include <utility>
#include <variant>

#include "runtime/fatal.h"

namespace scanfee::rt {

struct FileError {
    int number = ERR_SYSTEM;  // an ErrorNumber: 63 not found, 64 exists, 67 disk full, ...
    std::string path;         // native UTF-8 path
    std::string detail;       // what failed, in the system's words (UTF-8), for diagnostics

    // Shift-JIS text for a message box: the message of the number and the path.
    std::string text() const;
};

// Maps an errno value to the program's error number.
int error_number_from_errno(int err);
FileError error_from_errno(int err, std::string path, std::string what);

// Either a value or the failure that prevented it.
template <class T>
class Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(FileError error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Asking a failed result for its value is a fault of the caller; it ends
    // in the fatal error report of the failure rather than in undefined
    // behaviour.
    T& value(std::source_location where = std::source_location::current()) & {
        check(where);
        return std::get<0>(state_);
    }
    const T& value(std::source_location where = std::source_location::current()) const& {
        check(where);
        return std::get<0>(state_);
    }
    T&& value(std::source_location where = std::source_location::current()) && {
        check(where);
        return std::get<0>(std::move(state_));
    }

    const FileError& error() const { return std::get<1>(state_); }

private:
    void check(std::source_location where) const;
    std::variant<T, FileError> state_;
};

// The outcome of an operation without a value: empty when it succeeded.
using Status = std::optional<FileError>;

[[noreturn]] void raise_fatal(const FileError& error, std::source_location where);

template <class T>
void Result<T>::check(std::source_location where) const {
    if (!ok()) raise_fatal(error(), where);
}

// The described behaviour of the program: a failure ends the run through the
// fatal error report, naming the caller's place.
template <class T>
T or_fatal(Result<T> result, std::source_location where = std::source_location::current()) {
    return std::move(result).value(where);
}

inline void or_fatal(const Status& status,
                     std::source_location where = std::source_location::current()) {
    if (status) raise_fatal(*status, where);
}

}  // namespace scanfee::rt
