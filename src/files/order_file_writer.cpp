#include <algorithm>

#include "core/order_state.h"
#include "files/file_steps.h"
#include "files/order_file.h"
#include "runtime/sjis.h"
#include "runtime/text_file.h"
#include "screens/controls.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

// A flag or code as the single digit the format holds.
std::string digit(int16 value) { return rt::digits_int(value); }

std::string title_line(int slot, int category) {
    const OrderState& s = order();
    std::string first = digit(int16(category)) + digit(s.EDTYPE(slot, category)) +
                        digit(s.WORK(slot, category));
    if (s.OPT_COMP(slot, category) == 1) first += "1";
    std::string second = digit(s.OPT_EDIT(slot, category)) + digit(s.OPT_NOMOIRE(slot, category)) +
                         digit(s.OPT_SINGLE(slot, category)) + digit(s.OPT_TRIM(slot, category));
    return first + "," + second + "," + rt::digits_int(s.DPI(slot, category)) + "," +
           digit(s.GIFT(slot, category)) + "," + s.TITLE(slot, category);
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

// The lines of the order as it stands; `name` is the shop edition's name.
void write_lines(rt::TextFileWriter& file, const std::string& name) {
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
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        for (int slot = 0; slot < s.TITLECOUNT(category) && slot < SLOT_COUNT; ++slot)
            file.write(title_line(slot, category));
}

}  // namespace

std::string order_file_bytes() {
    rt::TextFileWriter file("");
    write_lines(file, screens::scr().EDIT7->text());
    return file.bytes();
}

bool WFILE_SUB() {
    OrderState& s = order();
    // The order state after a save, as every save has left it: the name
    // taken from its box, and CURTITLE where a loop over the titles of the
    // last category with titles ends.
    if (s.EDITION == EDITION_SHOP) s.CUSTNAME = screens::scr().EDIT7->text();
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        if (s.TITLECOUNT(category) > 0)
            s.CURTITLE = static_cast<int16>(std::min<int>(s.TITLECOUNT(category), SLOT_COUNT));
    rt::TextFileWriter file(s.FILENAME, rt::WriteMode::Replace);
    write_lines(file, s.CUSTNAME);
    return commit_file(screens::scr().MAINFORM, file);
}

}  // namespace scanfee::files
