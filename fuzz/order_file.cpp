// The order-file reader, through the load itself (RFILE_SUB). Beyond "no
// crash": a file that loads holds only what the screens would take, and
// saves back to bytes that load to the same order and save to the same
// bytes again; the file read from the disk and the same bytes in memory
// give the same answer; a refused file is reported once and leaves the
// order, boxes included, exactly as it was; every text taken is CP932 and
// every paper written from the order can be printed.
#include "files/order_file.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/order_state.h"
#include "core/program.h"
#include "encodings.h"
#include "files/application_papers.h"
#include "files/order_file_format.h"
#include "files/order_file_values.h"
#include "fuzz_check.h"
#include "runtime/numbers.h"
#include "screens/controls.h"
#include "screens/screen_definitions.h"
#include "ui/answering_dialogs.h"

using namespace scanfee;

namespace {

// The order every input starts from: a shop order with a name, payments, a
// coupon and titles in three categories.
const std::string BASELINE =
    "\x82\xA8\x8B\x71\x97\x6C\x8E\x81\x96\xBC:Yamada\r\n"  // お客様氏名:
    "\x91\x4F\x8E\xF3\x8A\x7A:1000\r\n"                    // 前受額:
    "\x8A\x84\x88\xF8\x8C\x94:1\r\n"                       // 割引券:
    "1605290143\r\n"
    "0121,0000,156,0,ABC\r\n"
    "1230,1011,400,1,DEF\r\n"
    "4130,0000,156,0,GHI\r\n";

struct Setup {
    ui::AnsweringDialogs dialogs;
    std::string path;
    Setup() {
        reset_program();
        screens::define_screens(screen_model());
        screens::bind_controls(screen_model());
        order().EDITION = EDITION_SHOP;
        ui::set_dialog_service(&dialogs);
        const char* dir = std::getenv("TMPDIR");
        path = std::string(dir && *dir ? dir : "/tmp") + "/scanfee-fuzz-order-" +
               std::to_string(getpid()) + ".SAV";
    }
    ~Setup() { std::remove(path.c_str()); }
};

Setup& setup() {
    static Setup s;
    return s;
}

// The order as far as the screens and the file show it. The payment boxes
// exactly, or as the amounts they stand for: a file's "前受額:0" shows "0"
// where the saved file, which leaves a zero out, leaves the box empty.
enum class Boxes { Exact, Amounts };
std::string snapshot(Boxes boxes) {
    const screens::Controls& c = screens::scr();
    std::string s = files::order_file_bytes() + "|" + c.EDIT7->text();
    for (const ui::Control* box : {c.EDIT4, c.EDIT5})
        s += "|" + (boxes == Boxes::Exact ? box->text() : std::to_string(rt::val(box->text())));
    for (int cat = 0; cat < CATEGORY_COUNT; ++cat)
        s += "|" + std::to_string(order().TITLECOUNT(cat)) + ":" +
             std::to_string(order().CAT_SUBTOTAL(cat)) + ":" +
             std::to_string(order().GIFTCOUNT(cat));
    return s;
}

// What no screen would take never reaches the order.
void check_screen_rules() {
    const OrderState& s = order();
    const screens::Controls& c = screens::scr();
    FUZZ_CHECK(!files::holds_control_byte(c.EDIT7->text()));
    FUZZ_CHECK(s.ADVANCE >= 0 && s.ADVANCE <= 999999 && s.ADVANCE == float(long(s.ADVANCE)));
    FUZZ_CHECK(s.SMALLDISC >= 0 && s.SMALLDISC <= 99999 && s.SMALLDISC == float(long(s.SMALLDISC)));
    FUZZ_CHECK(s.COUPONCOUNT >= 0 && s.COUPONCOUNT <= files::ORDER_FILE_COUPON_LIMIT);
    for (int i = 0; i < s.COUPONCOUNT; ++i)
        FUZZ_CHECK(files::coupon_refusal(s.COUPON[size_t(i)]).empty());
    // Every text taken is CP932 the program can show and print.
    FUZZ_CHECK(fuzzcheck::valid_cp932(c.EDIT7->text()));
    for (int i = 0; i < s.COUPONCOUNT; ++i) FUZZ_CHECK(fuzzcheck::valid_cp932(s.COUPON[size_t(i)]));
    auto flag = [](int16 value) { return value == 0 || value == 1; };
    for (int cat = 0; cat < CATEGORY_COUNT; ++cat)
        for (int t = 0; t < s.TITLECOUNT(cat); ++t) {
            const std::string& title = s.TITLE(t, cat);
            FUZZ_CHECK(!title.empty() && !files::holds_control_byte(title));
            FUZZ_CHECK(fuzzcheck::valid_cp932(title) && title.size() <= size_t(TITLE_MAX_BYTES));
            FUZZ_CHECK(s.WORK(t, cat) >= 0 && s.WORK(t, cat) <= 3);
            FUZZ_CHECK(s.EDTYPE(t, cat) >= 0 && s.EDTYPE(t, cat) <= 2);
            FUZZ_CHECK(flag(s.OPT_EDIT(t, cat)) && flag(s.OPT_NOMOIRE(t, cat)) &&
                       flag(s.OPT_SINGLE(t, cat)) && flag(s.OPT_TRIM(t, cat)) &&
                       flag(s.OPT_COMP(t, cat)) && flag(s.GIFT(t, cat)));
            FUZZ_CHECK(s.GIFT(t, cat) == 0 || s.WORK(t, cat) >= 2);
        }
}

// Every paper written from the order can be printed: the printer's bounds,
// CP932 it can show, no control byte but the line ends.
void check_papers() {
    const std::string papers[] = {files::request_sheet_bytes(), files::power_of_attorney_bytes(),
                                  files::gift_deed_bytes(), files::management_data_bytes(),
                                  files::work_statement_text()};
    for (const std::string& paper : papers) {
        FUZZ_CHECK(paper.size() <= files::PRINTABLE_PAPER_BYTES);
        FUZZ_CHECK(std::count(paper.begin(), paper.end(), '\n') <= files::PRINTABLE_PAPER_LINES);
        FUZZ_CHECK(fuzzcheck::valid_cp932(paper));
        for (char b : paper)
            FUZZ_CHECK(b == '\r' || b == '\n' || !files::holds_control_byte(std::string_view(&b, 1)));
    }
}

void load(const std::string& bytes) {
    files::OrderFileParse parsed = files::parse_order_file(bytes);
    FUZZ_CHECK(parsed.content.has_value());
    files::apply_order_file(*parsed.content);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Setup& s = setup();
    load(BASELINE);
    const std::string before = snapshot(Boxes::Exact);

    {
        std::ofstream file(s.path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    order().FILENAME = s.path;
    const int boxes = s.dialogs.boxes;
    const bool loaded = files::RFILE_SUB();
    const std::string input(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(files::parse_order_file(input).content.has_value() == loaded);
    if (!loaded) {
        FUZZ_CHECK(s.dialogs.boxes == boxes + 1);
        FUZZ_CHECK(snapshot(Boxes::Exact) == before);
        return 0;
    }
    FUZZ_CHECK(s.dialogs.boxes == boxes);
    check_screen_rules();
    const std::string first = snapshot(Boxes::Amounts);
    const std::string saved = files::order_file_bytes();
    load(saved);
    FUZZ_CHECK(snapshot(Boxes::Amounts) == first);
    FUZZ_CHECK(files::order_file_bytes() == saved);
    check_papers();
    return 0;
}
