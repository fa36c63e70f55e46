#pragma once
// The program's run in the page: start-up, then one user action at a time.
// Each action is applied to the model and its event handled to its end
// (dialogs included) before the next is taken; a failure ends the run
// through the fatal error report, and so does the end button, quietly.
#include <functional>
#include <string>

#include "ui/model.h"

namespace scanfee::web {

enum class StartResult { Started, BadEdition, BadDate };

// Starts the program in the edition ("shop" or "customer") on the date
// ("YYYY/MM/DD", or empty for the clock), as --edition and --today do.
StartResult start_page(const std::string& edition, const std::string& today);

// A user's action on the named control (or form), as ui::user_click and the
// others; dropped when the control is unknown or out of the user's reach,
// while another action is handled, or after the end.
using Action = std::function<std::string(ui::Control&)>;
void act(const std::string& name, const Action& action, const std::string* typed = nullptr);
// The form closed by its frame's close button (or Esc).
void close_form(const std::string& form);

}  // namespace scanfee::web
