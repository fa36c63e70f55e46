#pragma once
// From the start of the program until it waits for the user.
#include <string>

#include "core/order_state.h"

namespace scanfee {

struct StartOptions {
    int16 edition = EDITION_CUSTOMER;
    std::string today;  // "YYYY/MM/DD"; empty: the local clock
};

// Creates and binds the screens, registers the handlers and runs the start-up
// in its order, ending on the computed summary screen. The dialog service
// must be set first: the shop edition's reminder may open a message box.
void start_up(const StartOptions& options);

// The steps that need no screens, each on its own for tests.
void set_today(const std::string& today);   // TODAY, YEAR, MONTH, DAY, MMDD
void decide_special_period();               // SPECIAL_PERIOD; the shop's reminder
void set_initial_appno();                   // APPNO = YYMMDD + "01"
void set_run_defaults();                    // DPI defaults and title limits

// The main window's caption for the edition.
std::string main_caption(int16 edition);

// Title slot (CURTITLE, CATEGORY) back to its empty state.
void 変数_RESETSUB();
// CUR_DPI = the slot's default resolution; BUTTON13 names it.
void SETDPI_SUB1();
// SETDPI_SUB1, then DPI of the slot = CUR_DPI.
void SETDPI_SUB();

}  // namespace scanfee
