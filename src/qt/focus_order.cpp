#include "qt/focus_order.h"

#include "ui/model.h"

namespace scanfee::qtview {

const std::vector<FormFocus>& focus_order_table() {
    // Controls hidden in an edition or a category keep their place; the
    // keyboard passes over whatever is hidden or disabled at the time.
    static const std::vector<FormFocus> table = {
        // The summary: the category buttons, the coupons and the special
        // discount on the left; the files, the payments, the end button and
        // the customer's name beside the totals on the right.
        {"MAINFORM", "BUTTON5",
         {"BUTTON5", "BUTTON6", "BUTTON9", "BUTTON8", "BUTTON7", "COMBO1", "BUTTON15", "CHECK8",
          "BUTTON4", "BUTTON3", "BUTTON2", "EDIT4", "EDIT5", "BUTTON1", "EDIT7"},
         8,
         true},
        {"FORM2", "LIST1", {"BUTTON10", "BUTTON11", "BUTTON20", "LIST1"}},
        {"FORM3", "EDIT1",
         {"EDIT1", "EDIT2", "EDIT3", "GROUP1", "GROUP2", "BUTTON12", "CHECK6", "CHECK1", "CHECK3",
          "CHECK4", "CHECK2", "HSCROLL1", "BUTTON13", "CHECK7", "BUTTON14"}},
        {"FORM4", "LIST2", {"LIST2", "BUTTON17", "BUTTON18", "LIST3", "BUTTON19", "CHECK5", "BUTTON16"}},
        // The statement is what the user came to read: the arrow and page
        // keys scroll it.
        {"FORM5", "EDIT6", {"BUTTON23", "BUTTON22", "BUTTON21", "EDIT6"}},
    };
    return table;
}

const FormFocus* focus_order(std::string_view form) {
    for (const FormFocus& row : focus_order_table())
        if (ui::same_name(row.form, form)) return &row;
    return nullptr;
}

}  // namespace scanfee::qtview
