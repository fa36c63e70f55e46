#pragma once
// Plays a script of user events against the program's screen model.
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/driver/script_dialogs.h"

namespace scanfee::driver {

struct ScriptLine {
    int number;        // 1-based line of the script file
    std::string text;  // UTF-8, without its line end
};

// The script's commands as they come, so that a script fed through a pipe
// is played line by line: blank lines and "#" comments left out.
class ScriptReader {
public:
    explicit ScriptReader(std::istream& in) : in_(in) {}
    std::optional<ScriptLine> next();
    // The line comes again from the next call of next().
    void put_back(ScriptLine line) { back_ = std::move(line); }

private:
    std::istream& in_;
    int number_ = 0;
    std::optional<ScriptLine> back_;
};

// Whether the line is an `answer` command.
bool is_answer(const ScriptLine& line);

// Queues the answer of an `answer` line; throws DriverError when malformed.
void queue_answer(ScriptDialogs& dialogs, const ScriptLine& line);

enum class Outcome { Finished, Ended };

// Runs the commands in order, the output of each flushed before the next is
// read. Returns Ended when the program's end button ended the run (after
// printing "end"). Throws DriverError for anything a user could not do.
Outcome run_script(ScriptReader& script, ScriptDialogs& dialogs, std::ostream& out);

}  // namespace scanfee::driver
