#include "largest_orders.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "core/main_loop.h"
#include "core/program.h"
#include "core/startup.h"
#include "files/order_file_format.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "summary/summary_screen.h"
#include "ui/answering_dialogs.h"
#include "ui/user_actions.h"
#include "runtime/gcc12_false_positives.h"

namespace scanfee::bench {
namespace {

using namespace rt::literals;


void act(ui::Control* control, const std::string& event) {
    if (!ui::user_can_reach(*control)) throw std::logic_error(control->name() + " unreachable");
    handle_event(event);
}
void click(ui::Control* c) { act(c, ui::user_click(*c)); }
void type(ui::Control* c, const std::string& text) { act(c, ui::user_type(*c, text)); }
void select(ui::Control* c, int row) { act(c, ui::user_select(*c, row)); }
void scroll(ui::Control* c, int pos) { act(c, ui::user_scroll(*c, pos)); }

void enter_titles(ui::Control* category_button, int count, const char* name) {
    screens::Controls& c = screens::scr();
    click(category_button);
    for (int i = 0; i < count; ++i) {
        select(c.LIST1, order().ADD_ROW);
        type(c.EDIT1, rt::to_sjis(name) + " " + std::to_string(i + 1));
        if (i % 2 == 0) click(c.CHECK1);
        if (i % 3 == 0) click(c.CHECK3);
        if (i % 4 == 0) click(c.CHECK4);
        scroll(c.HSCROLL1, 150 + 20 * i);
        if (i % 5 == 0 && c.CHECK6->visible()) click(c.CHECK6);
        click(c.BUTTON14);
    }
    click(c.BUTTON11);
}

}  // namespace

void start_program(int16 edition) {
    static ui::AnsweringDialogs dialogs;
    reset_program();
    ui::set_dialog_service(&dialogs);
    start_up({edition, "2016/04/29"});
}

void enter_title_limits() {
    screens::Controls& c = screens::scr();
    enter_titles(c.BUTTON5, order().TITLE_LIMIT(CAT_COMICS), "ワンピース");
    enter_titles(c.BUTTON9, order().TITLE_LIMIT(CAT_PHOTO_BOOK), "写真集");
}

std::string largest_order_file() {
    std::string file = "お客様氏名:山田 太郎\r\n前受額:20000\r\n少額割引額:500\r\n"_sj;
    file += "割引券:3\r\n1612310043\r\n1612310034\r\n1612310041\r\n"_sj;
    const std::string title = "とても長い書籍のタイトル、第"_sj;
    for (int category = 0; category < CATEGORY_COUNT; ++category) {
        for (int i = 0; i < SLOT_COUNT; ++i) {
            int edtype = category <= 1 ? 1 + i % 2 : 0;
            int work = 1 + i % 3;
            // "literal" + std::string: GCC 12's false -Wrestrict
            // (runtime/gcc12_false_positives.h).
            SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")
            file += std::to_string(category) + std::to_string(edtype) + std::to_string(work);
            if (i % 7 == 0) file += "1";
            file += "," + std::to_string(i % 2) + std::to_string(i / 2 % 2) +
                    std::to_string(i / 4 % 2) + std::to_string(i / 8 % 2);
            file += "," + std::to_string(50 + (i * 37) % 551);
            file += "," + std::to_string(work == 2 && i % 5 == 0 ? 1 : 0);
            file += "," + title + std::to_string(i + 1) + "巻"_sj + "\r\n";
            SCANFEE_GCC12_FALSE_POSITIVE_END
        }
    }
    return file;
}

void load_largest_order() {
    files::OrderFileParse parsed = files::parse_order_file(largest_order_file());
    if (!parsed.content) throw std::logic_error("the largest order file is refused");
    files::apply_order_file(*parsed.content);
    // As after the load button: the summary shows the loaded order.
    summary::総合画面_SETSUB();
}

std::string scratch_path(const std::string& name) {
    static const struct Scratch {
        std::filesystem::path dir;
        Scratch() {
            std::string pattern =
                (std::filesystem::temp_directory_path() / "scanfee-bench-XXXXXX").string();
            if (!::mkdtemp(pattern.data())) throw std::runtime_error("no scratch folder");
            dir = pattern;
        }
        ~Scratch() {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        }
    } scratch;
    return (scratch.dir / name).string();
}

}  // namespace scanfee::bench
