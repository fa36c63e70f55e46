#include "core/order_state.h"
#include "files/file_steps.h"
#include "files/order_file.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "summary/summary_screen.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

const std::string& filter() {
    static const std::string text = "(*.SAV)"_sj;
    return text;
}

}  // namespace

void BUTTON3_ON() {
    if (!choose_save_file(screens::scr().MAINFORM, "申込みデータの保存"_sj, "*.SAV"_sj, filter(),
                          ".SAV"))
        return;
    WFILE_SUB();
}

void BUTTON4_ON() {
    if (!choose_open_file(screens::scr().MAINFORM, "データファイルの読み込み"_sj, "/", filter()))
        return;
    // A file that is refused leaves the order and the summary as they were.
    if (RFILE_SUB()) summary::総合画面_SETSUB();
}

void register_order_file(ui::EventTable& events) {
    events.on("BUTTON3_ON", BUTTON3_ON);
    events.on("BUTTON4_ON", BUTTON4_ON);
}

}  // namespace scanfee::files
