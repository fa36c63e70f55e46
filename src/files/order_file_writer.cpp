#include <algorithm>
#include <vector>

#include "core/order_state.h"
#include "files/file_steps.h"
#include "files/order_file.h"
#include "files/recovery.h"
#include "runtime/numbers.h"
#include "runtime/sjis.h"
#include "runtime/text_file.h"
#include "screens/controls.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

// A title's line, put at the end of `out`: its category, book kind, work and
// compensation flag; its options; its resolution; its gift flag; its title.
// (Built in place: the largest order writes 605 of them for the recovery
// check after every event.)
void append_title_line(std::string& out, int slot, int category, const std::string& title) {
    const OrderState& s = order();
    rt::append_digits_int(out, int16(category));
    rt::append_digits_int(out, s.EDTYPE(slot, category));
    rt::append_digits_int(out, s.WORK(slot, category));
    if (s.OPT_COMP(slot, category) == 1) out += '1';
    out += ',';
    rt::append_digits_int(out, s.OPT_EDIT(slot, category));
    rt::append_digits_int(out, s.OPT_NOMOIRE(slot, category));
    rt::append_digits_int(out, s.OPT_SINGLE(slot, category));
    rt::append_digits_int(out, s.OPT_TRIM(slot, category));
    out += ',';
    rt::append_digits_int(out, s.DPI(slot, category));
    out += ',';
    rt::append_digits_int(out, s.GIFT(slot, category));
    out += ',';
    out += title;
}

// A coupon line is read back as one field of the field reader, which ends a
// field at "," or ":" and skips leading blanks. A coupon that a file brought
// in quotes is written in quotes again, so that it loads as it was; every
// other coupon is written as it is. (A coupon from the field reader never
// holds a double quote together with a separator.)
std::string coupon_line(const std::string& coupon) {
    const bool cut = coupon.find_first_of(",:") != std::string::npos ||
                     (!coupon.empty() && (coupon.front() == ' ' || coupon.front() == '"'));
    if (!cut || coupon.find('"') != std::string::npos) return coupon;
    std::string quoted = "\"";
    quoted += coupon;
    quoted += '"';
    return quoted;
}

// The title of each slot as it is written. For the order as it stands on
// the screens, the title being entered is the text of its box: the entry
// screen stores it when it closes.
class Titles {
public:
    explicit Titles(bool on_screen) {
        const screens::Controls& c = screens::scr();
        if (on_screen && c.FORM3 && c.FORM3->visible()) {
            entry_category_ = order().CATEGORY;
            entry_slot_ = order().CURTITLE;
            entry_title_ = c.EDIT1->text();
        }
        on_screen_ = on_screen;
    }

    const std::string& of(int slot, int category) const {
        if (slot == entry_slot_ && category == entry_category_) return entry_title_;
        return order().TITLE(slot, category);
    }

    // The slots a category writes: the counted titles, and on the screens
    // also the title being entered after them (the title list counts it
    // when the entry screen closes). An emptied title is left out there, as
    // closing the entry screen removes it.
    std::vector<int> slots(int category) const {
        int count = std::min<int>(order().TITLECOUNT(category), SLOT_COUNT);
        std::vector<int> slots;
        if (!on_screen_) {
            for (int slot = 0; slot < count; ++slot) slots.push_back(slot);
            return slots;
        }
        while (count < SLOT_COUNT && !of(count, category).empty()) ++count;
        for (int slot = 0; slot < count; ++slot)
            if (!of(slot, category).empty()) slots.push_back(slot);
        return slots;
    }

private:
    bool on_screen_ = false;
    int entry_category_ = -1;
    int entry_slot_ = -1;
    std::string entry_title_;
};

void write_lines(rt::TextFileWriter& file, const std::string& name, bool on_screen) {
    const OrderState& s = order();
    if (s.EDITION == EDITION_SHOP) {
        if (!name.empty()) file.write("お客様氏名:"_sj, name);
        if (s.ADVANCE > 0) file.write("前受額:"_sj, rt::digits_single(s.ADVANCE));
        if (s.SMALLDISC > 0) file.write("少額割引額:"_sj, rt::digits_single(s.SMALLDISC));
    }
    file.write("割引券:"_sj, rt::digits_int(s.COUPONCOUNT));
    // The count never exceeds the slots that exist, whatever it says.
    for (int i = 0; i < s.COUPONCOUNT && i < COUPON_SLOTS; ++i)
        file.write(coupon_line(s.COUPON[size_t(i)]));
    const Titles titles(on_screen);
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        for (int slot : titles.slots(category))
            file.write_filled([&](std::string& out) {
                append_title_line(out, slot, category, titles.of(slot, category));
            });
}

// The writer's own steps: the name is taken from its box, and CURTITLE is
// left where the loop over the titles leaves it, at the title count of the
// last category that has titles.
void write_order(rt::TextFileWriter& file) {
    OrderState& s = order();
    if (s.EDITION == EDITION_SHOP) s.CUSTNAME = screens::scr().EDIT7->text();
    write_lines(file, s.CUSTNAME, false);
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        if (s.TITLECOUNT(category) > 0)
            s.CURTITLE = static_cast<int16>(std::min<int>(s.TITLECOUNT(category), SLOT_COUNT));
}

}  // namespace

std::string order_file_bytes() {
    rt::TextFileWriter file("");
    write_order(file);
    return file.bytes();
}

std::string order_on_screen_bytes() {
    rt::TextFileWriter file("");
    write_lines(file, screens::scr().EDIT7 ? screens::scr().EDIT7->text() : std::string(), true);
    return file.bytes();
}

bool WFILE_SUB() {
    rt::TextFileWriter file(order().FILENAME, rt::WriteMode::Replace);
    write_order(file);
    if (!commit_file(screens::scr().MAINFORM, file)) return false;
    note_order_saved();
    return true;
}

}  // namespace scanfee::files
