#pragma once
// The program started on a clean order, with the save and open buttons
// answered by file names and a view of everything the order shows.
#include <filesystem>
#include <string>

#include "files/order_file.h"
#include "support/program_fixture.h"
#include "support/temp_dir.h"

namespace scanfee::testing {

namespace fs = std::filesystem;

class OrderFile : public ProgramTest {
protected:
    TempDir tmp;

    // Everything a user sees of the order, and everything a file would hold.
    std::string snapshot() {
        std::string seen = files::order_file_bytes();
        for (ui::Control* box : {c().EDIT4, c().EDIT5, c().EDIT7, c().TEXT2, c().TEXT12,
                                 c().TEXT41, c().TEXT45, c().TEXT54})
            seen += "|" + box->text();
        for (int i = 0; i < COUPON_SLOTS; ++i) seen += "|" + s().COUPON[size_t(i)];
        return seen + "|" + std::to_string(s().GRAND_TOTAL) + "|" + s().CUSTNAME;
    }
    void save_as(const std::string& path) {
        dialogs.replies.push_back(path);
        click(c().BUTTON3);
    }
    void load(const std::string& path) {
        dialogs.replies.push_back(path);
        click(c().BUTTON4);
    }
    void load_bytes(const std::string& bytes) {
        tmp.write(tmp.path("in.SAV"), bytes);
        load(tmp.path("in.SAV"));
    }
    // Two comics and a photo book with options, gift and compensation.
    void enter_order() {
        add_title(c().BUTTON5, "ワンピース 1"_sj);
        click(c().CHECK1);
        click(c().CHECK4);
        scroll(c().HSCROLL1, 300);
        click(c().BUTTON14);
        add_title(c().BUTTON5, "ナルト"_sj);
        click(c().RADIO3);
        click(c().BUTTON14);
        click(c().BUTTON11);
        add_title(c().BUTTON9, "写真集"_sj);
        click(c().BUTTON14);
        click(c().BUTTON11);
    }
};

}  // namespace scanfee::testing
