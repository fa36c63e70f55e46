#pragma once
// Plays a script of user events against the program's screen model.
#include <ostream>
#include <string>
#include <vector>

#include "app/driver/script_dialogs.h"

namespace scanfee::driver {

struct ScriptLine {
    int number;        // 1-based line of the script file
    std::string text;  // UTF-8, without its line end
};

// The script's commands: blank lines and "#" comments left out.
std::vector<ScriptLine> parse_script(const std::string& content);

// Whether the line is an `answer` command.
bool is_answer(const ScriptLine& line);

// Queues the answer of an `answer` line; throws DriverError when malformed.
void queue_answer(ScriptDialogs& dialogs, const ScriptLine& line);

enum class Outcome { Finished, Ended };

// Runs the commands in order. Returns Ended when the program's end button
// ended the run (after printing "end"). Throws DriverError for anything a
// user could not do.
Outcome run_script(const std::vector<ScriptLine>& lines, size_t first, ScriptDialogs& dialogs,
                   std::ostream& out);

}  // namespace scanfee::driver
