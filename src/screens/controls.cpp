#include "screens/controls.h"

#include <stdexcept>
#include <string>

namespace scanfee::screens {
namespace {

Controls the_controls;

ui::Form* form(ui::ScreenModel& model, const char* name) {
    ui::Form* f = model.find_form(name);
    if (!f) throw std::logic_error(std::string("no form ") + name);
    return f;
}

ui::Control* control(ui::Form* f, const char* name) {
    ui::Control* c = f->find(name);
    if (!c) throw std::logic_error(std::string("no control ") + name + " on " + f->name());
    return c;
}

}  // namespace

Controls& scr() { return the_controls; }

void bind_controls(ui::ScreenModel& model) {
    Controls& c = the_controls;
    c.MAINFORM = form(model, "MAINFORM");
    c.TEXT1 = control(c.MAINFORM, "TEXT1");
    c.TEXT2 = control(c.MAINFORM, "TEXT2");
    c.TEXT3 = control(c.MAINFORM, "TEXT3");
    c.TEXT4 = control(c.MAINFORM, "TEXT4");
    c.TEXT5 = control(c.MAINFORM, "TEXT5");
    c.TEXT6 = control(c.MAINFORM, "TEXT6");
    c.TEXT7 = control(c.MAINFORM, "TEXT7");
    c.TEXT8 = control(c.MAINFORM, "TEXT8");
    c.TEXT9 = control(c.MAINFORM, "TEXT9");
    c.TEXT10 = control(c.MAINFORM, "TEXT10");
    c.TEXT11 = control(c.MAINFORM, "TEXT11");
    c.TEXT12 = control(c.MAINFORM, "TEXT12");
    c.BUTTON1 = control(c.MAINFORM, "BUTTON1");
    c.BUTTON2 = control(c.MAINFORM, "BUTTON2");
    c.BUTTON3 = control(c.MAINFORM, "BUTTON3");
    c.BUTTON4 = control(c.MAINFORM, "BUTTON4");
    c.BUTTON5 = control(c.MAINFORM, "BUTTON5");
    c.BUTTON6 = control(c.MAINFORM, "BUTTON6");
    c.BUTTON7 = control(c.MAINFORM, "BUTTON7");
    c.BUTTON8 = control(c.MAINFORM, "BUTTON8");
    c.BUTTON9 = control(c.MAINFORM, "BUTTON9");
    c.TEXT15 = control(c.MAINFORM, "TEXT15");
    c.TEXT16 = control(c.MAINFORM, "TEXT16");
    c.TEXT39 = control(c.MAINFORM, "TEXT39");
    c.TEXT40 = control(c.MAINFORM, "TEXT40");
    c.COMBO1 = control(c.MAINFORM, "COMBO1");
    c.BUTTON15 = control(c.MAINFORM, "BUTTON15");
    c.TEXT41 = control(c.MAINFORM, "TEXT41");
    c.TEXT42 = control(c.MAINFORM, "TEXT42");
    c.TEXT43 = control(c.MAINFORM, "TEXT43");
    c.TEXT44 = control(c.MAINFORM, "TEXT44");
    c.TEXT45 = control(c.MAINFORM, "TEXT45");
    c.TEXT46 = control(c.MAINFORM, "TEXT46");
    c.TEXT49 = control(c.MAINFORM, "TEXT49");
    c.TEXT50 = control(c.MAINFORM, "TEXT50");
    c.EDIT4 = control(c.MAINFORM, "EDIT4");
    c.TEXT51 = control(c.MAINFORM, "TEXT51");
    c.EDIT5 = control(c.MAINFORM, "EDIT5");
    c.TEXT52 = control(c.MAINFORM, "TEXT52");
    c.TEXT53 = control(c.MAINFORM, "TEXT53");
    c.TEXT54 = control(c.MAINFORM, "TEXT54");
    c.EDIT7 = control(c.MAINFORM, "EDIT7");
    c.TEXT55 = control(c.MAINFORM, "TEXT55");
    c.CHECK8 = control(c.MAINFORM, "CHECK8");
    c.FORM2 = form(model, "FORM2");
    c.LIST1 = control(c.FORM2, "LIST1");
    c.BUTTON10 = control(c.FORM2, "BUTTON10");
    c.BUTTON11 = control(c.FORM2, "BUTTON11");
    c.TEXT13 = control(c.FORM2, "TEXT13");
    c.TEXT14 = control(c.FORM2, "TEXT14");
    c.BUTTON20 = control(c.FORM2, "BUTTON20");
    c.FORM3 = form(model, "FORM3");
    c.RADIO1 = control(c.FORM3, "RADIO1");
    c.RADIO2 = control(c.FORM3, "RADIO2");
    c.GROUP1 = control(c.FORM3, "GROUP1");
    c.RADIO3 = control(c.FORM3, "RADIO3");
    c.RADIO4 = control(c.FORM3, "RADIO4");
    c.RADIO5 = control(c.FORM3, "RADIO5");
    c.GROUP2 = control(c.FORM3, "GROUP2");
    c.EDIT1 = control(c.FORM3, "EDIT1");
    c.EDIT2 = control(c.FORM3, "EDIT2");
    c.EDIT3 = control(c.FORM3, "EDIT3");
    c.TEXT17 = control(c.FORM3, "TEXT17");
    c.TEXT18 = control(c.FORM3, "TEXT18");
    c.TEXT19 = control(c.FORM3, "TEXT19");
    c.TEXT20 = control(c.FORM3, "TEXT20");
    c.TEXT21 = control(c.FORM3, "TEXT21");
    c.TEXT22 = control(c.FORM3, "TEXT22");
    c.TEXT23 = control(c.FORM3, "TEXT23");
    c.TEXT24 = control(c.FORM3, "TEXT24");
    c.TEXT25 = control(c.FORM3, "TEXT25");
    c.TEXT26 = control(c.FORM3, "TEXT26");
    c.TEXT27 = control(c.FORM3, "TEXT27");
    c.TEXT28 = control(c.FORM3, "TEXT28");
    c.TEXT29 = control(c.FORM3, "TEXT29");
    c.TEXT30 = control(c.FORM3, "TEXT30");
    c.TEXT31 = control(c.FORM3, "TEXT31");
    c.TEXT32 = control(c.FORM3, "TEXT32");
    c.TEXT33 = control(c.FORM3, "TEXT33");
    c.TEXT34 = control(c.FORM3, "TEXT34");
    c.TEXT35 = control(c.FORM3, "TEXT35");
    c.CHECK1 = control(c.FORM3, "CHECK1");
    c.CHECK2 = control(c.FORM3, "CHECK2");
    c.CHECK3 = control(c.FORM3, "CHECK3");
    c.CHECK4 = control(c.FORM3, "CHECK4");
    c.TEXT36 = control(c.FORM3, "TEXT36");
    c.TEXT37 = control(c.FORM3, "TEXT37");
    c.TEXT38 = control(c.FORM3, "TEXT38");
    c.HSCROLL1 = control(c.FORM3, "HSCROLL1");
    c.BUTTON12 = control(c.FORM3, "BUTTON12");
    c.BUTTON13 = control(c.FORM3, "BUTTON13");
    c.BUTTON14 = control(c.FORM3, "BUTTON14");
    c.CHECK6 = control(c.FORM3, "CHECK6");
    c.CHECK7 = control(c.FORM3, "CHECK7");
    c.TEXT56 = control(c.FORM3, "TEXT56");
    c.FORM4 = form(model, "FORM4");
    c.LIST2 = control(c.FORM4, "LIST2");
    c.LIST3 = control(c.FORM4, "LIST3");
    c.BUTTON16 = control(c.FORM4, "BUTTON16");
    c.BUTTON17 = control(c.FORM4, "BUTTON17");
    c.BUTTON18 = control(c.FORM4, "BUTTON18");
    c.BUTTON19 = control(c.FORM4, "BUTTON19");
    c.TEXT47 = control(c.FORM4, "TEXT47");
    c.TEXT48 = control(c.FORM4, "TEXT48");
    c.CHECK5 = control(c.FORM4, "CHECK5");
    c.FORM5 = form(model, "FORM5");
    c.EDIT6 = control(c.FORM5, "EDIT6");
    c.BUTTON21 = control(c.FORM5, "BUTTON21");
    c.BUTTON22 = control(c.FORM5, "BUTTON22");
    c.BUTTON23 = control(c.FORM5, "BUTTON23");
}

}  // namespace scanfee::screens
