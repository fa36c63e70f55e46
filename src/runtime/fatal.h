#pragma once
// The fatal error report: failures underneath the program's own checks (a
// value too large for a 16-bit integer, a division by zero, a line too long
// for the reader) end the run. They travel as an exception so that the window
// program and the driver can show the report and end in their own way, and so
// that tests can observe them.
#include <exception>
#include <stdexcept>
#include <string>

namespace scanfee::rt {

enum ErrorNumber : int {
    ERR_INVALID_ARGUMENT = 5,
    ERR_OVERFLOW = 6,
    ERR_OUT_OF_MEMORY = 7,
    ERR_SUBSCRIPT = 9,
    ERR_DIVISION_BY_ZERO = 11,
    ERR_LINE_TOO_LONG = 15,
    ERR_BAD_FILE_NUMBER = 50,
    ERR_BAD_FILE_MODE = 51,
    ERR_FILE_IN_USE = 52,
    ERR_READ_PAST_END = 54,
    ERR_BAD_FILE_NAME = 55,
    ERR_FILE_NOT_OPEN = 57,
    ERR_EMPTY_NUMBER_FIELD = 58,
    ERR_NOT_FOUND = 63,
    ERR_ALREADY_EXISTS = 64,
    ERR_DISK_FULL = 67,
    ERR_ACCESS_DENIED = 75,
    ERR_SYSTEM = 27,
};

// Message text for an error number, Shift-JIS; empty when there is none.
std::string error_message(int number);

class FatalError : public std::runtime_error {
public:
    FatalError(int number, std::string module, unsigned line);
    int number() const { return number_; }
    const std::string& module() const { return module_; }
    unsigned line() const { return line_; }
    // Caption of the report box: the program's file name with ".EXE".
    static std::string caption();
    // Text of the report box (Shift-JIS): CR LF, "module [line行]:エラー[n]",
    // and the message text on a line of its own where one exists.
    std::string report_text() const;

private:
    int number_;
    std::string module_;
    unsigned line_;
};

[[noreturn]] void fatal(int number, const char* module, unsigned line);

// The last-resort text for a fault outside the program's own checks (CP932):
// "続行不可能なエラーが発生しました module [line行]" and CR LF.
std::string last_resort_text(const std::string& module, unsigned line);

// The report with which a program ends when an exception reaches its top.
struct FatalReport {
    std::string caption;
    std::string text;          // CP932
    bool last_resort = false;  // a fault outside the program's own checks
    int status = 3;            // the exit status of the run
};

// The report for any exception. A FatalError carries its own place. Any
// other exception comes from a place the program does not know (the standard
// library, a broken invariant), so the report names the place that caught
// it: `module` and `line` of the program's last resort that dispatched the
// failing event or start-up (see SCANFEE_FATAL_REPORT). Exhausted memory is
// error 7 at that place; everything else is the last-resort text.
FatalReport fatal_report(std::exception_ptr error, const char* module, unsigned line);

}  // namespace scanfee::rt

#define SCANFEE_FATAL(number) ::scanfee::rt::fatal((number), __FILE_NAME__, __LINE__)
// The report for the exception being handled, placed where this stands.
#define SCANFEE_FATAL_REPORT() \
    ::scanfee::rt::fatal_report(std::current_exception(), __FILE_NAME__, __LINE__)
