#pragma once
// File failures travel back to the caller as values, so that no failing disk
// or damaged file can end the program or lose the order on screen. A caller
// that has nothing better to do turns a failure into the fatal error report
// with or_fatal().
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "runtime/fatal.h"

namespace scanfee::rt {

// What a number alone would misname: the reason the user is told instead.
enum class FileFault {
    None,             // the number's own message says it
    ReadOnly,         // the file system takes no writing
    NotAFolder,       // a folder was wanted, and a file stands under that name
    IsAFolder,        // a file was wanted, and a folder stands under that name
    NotARegularFile,  // a named pipe, a device, a socket or a symbolic link where none may be
    ChangedWhileRead, // written to by someone else while the program read it
    NotHandedOver,    // the browser took no download of the file
};

// The reason of a fault (Shift-JIS); empty for FileFault::None.
std::string fault_message(FileFault fault);

struct FileError {
    int number = ERR_SYSTEM;  // an ErrorNumber: 63 not found, 64 exists, 67 disk full, ...
    std::string path;         // native UTF-8 path
    std::string detail;       // what failed, in the system's words (UTF-8), for diagnostics
    FileFault fault = FileFault::None;

    // The reason for the user (Shift-JIS): the fault's, or the number's message.
    std::string reason() const;

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
    T& value(const char* file = __builtin_FILE(), unsigned line = __builtin_LINE()) & {
        check(file, line);
        return std::get<0>(state_);
    }
    const T& value(const char* file = __builtin_FILE(), unsigned line = __builtin_LINE()) const& {
        check(file, line);
        return std::get<0>(state_);
    }
    T&& value(const char* file = __builtin_FILE(), unsigned line = __builtin_LINE()) && {
        check(file, line);
        return std::get<0>(std::move(state_));
    }

    const FileError& error() const { return std::get<1>(state_); }

private:
    void check(const char* file, unsigned line) const;
    std::variant<T, FileError> state_;
};

// The outcome of an operation without a value: empty when it succeeded.
using Status = std::optional<FileError>;

// The caller's place comes from __builtin_FILE/__builtin_LINE rather than
// std::source_location, which clang 14 (the fuzzing compiler) lacks.
[[noreturn]] void raise_fatal(const FileError& error, const char* file, unsigned line);

template <class T>
void Result<T>::check(const char* file, unsigned line) const {
    if (!ok()) raise_fatal(error(), file, line);
}

// For callers without a way to recover: the failure ends the run through the
// fatal error report, naming the caller's place.
template <class T>
T or_fatal(Result<T> result, const char* file = __builtin_FILE(), unsigned line = __builtin_LINE()) {
    return std::move(result).value(file, line);
}

inline void or_fatal(const Status& status,
                     const char* file = __builtin_FILE(), unsigned line = __builtin_LINE()) {
    if (status) raise_fatal(*status, file, line);
}

}  // namespace scanfee::rt
