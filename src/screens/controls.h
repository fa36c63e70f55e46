#pragma once
// Every form and control the program addresses, looked up once by name when
// the screens are bound and kept in a variable of its own.
#include "ui/model.h"

namespace scanfee::screens {

struct Controls {
    // MAINFORM
    ui::Form* MAINFORM = nullptr;
    ui::Control* TEXT1 = nullptr;
    ui::Control* TEXT2 = nullptr;
    ui::Control* TEXT3 = nullptr;
    ui::Control* TEXT4 = nullptr;
    ui::Control* TEXT5 = nullptr;
    ui::Control* TEXT6 = nullptr;
    ui::Control* TEXT7 = nullptr;
    ui::Control* TEXT8 = nullptr;
    ui::Control* TEXT9 = nullptr;
    ui::Control* TEXT10 = nullptr;
    ui::Control* TEXT11 = nullptr;
    ui::Control* TEXT12 = nullptr;
    ui::Control* BUTTON1 = nullptr;
    ui::Control* BUTTON2 = nullptr;
    ui::Control* BUTTON3 = nullptr;
    ui::Control* BUTTON4 = nullptr;
    ui::Control* BUTTON5 = nullptr;
    ui::Control* BUTTON6 = nullptr;
    ui::Control* BUTTON7 = nullptr;
    ui::Control* BUTTON8 = nullptr;
    ui::Control* BUTTON9 = nullptr;
    ui::Control* TEXT15 = nullptr;
    ui::Control* TEXT16 = nullptr;
    ui::Control* TEXT39 = nullptr;
    ui::Control* TEXT40 = nullptr;
    ui::Control* COMBO1 = nullptr;
    ui::Control* BUTTON15 = nullptr;
    ui::Control* TEXT41 = nullptr;
    ui::Control* TEXT42 = nullptr;
    ui::Control* TEXT43 = nullptr;
    ui::Control* TEXT44 = nullptr;
    ui::Control* TEXT45 = nullptr;
    ui::Control* TEXT46 = nullptr;
    ui::Control* TEXT49 = nullptr;
    ui::Control* TEXT50 = nullptr;
    ui::Control* EDIT4 = nullptr;
    ui::Control* TEXT51 = nullptr;
    ui::Control* EDIT5 = nullptr;
    ui::Control* TEXT52 = nullptr;
    ui::Control* TEXT53 = nullptr;
    ui::Control* TEXT54 = nullptr;
    ui::Control* EDIT7 = nullptr;
    ui::Control* TEXT55 = nullptr;
    ui::Control* CHECK8 = nullptr;
    // FORM2
    ui::Form* FORM2 = nullptr;
    ui::Control* LIST1 = nullptr;
    ui::Control* BUTTON10 = nullptr;
    ui::Control* BUTTON11 = nullptr;
    ui::Control* TEXT13 = nullptr;
    ui::Control* TEXT14 = nullptr;
    ui::Control* BUTTON20 = nullptr;
    // FORM3
    ui::Form* FORM3 = nullptr;
    ui::Control* RADIO1 = nullptr;
    ui::Control* RADIO2 = nullptr;
    ui::Control* GROUP1 = nullptr;
    ui::Control* RADIO3 = nullptr;
    ui::Control* RADIO4 = nullptr;
    ui::Control* RADIO5 = nullptr;
    ui::Control* GROUP2 = nullptr;
    ui::Control* EDIT1 = nullptr;
    ui::Control* EDIT2 = nullptr;
    ui::Control* EDIT3 = nullptr;
    ui::Control* TEXT17 = nullptr;
    ui::Control* TEXT18 = nullptr;
    ui::Control* TEXT19 = nullptr;
    ui::Control* TEXT20 = nullptr;
    ui::Control* TEXT21 = nullptr;
    ui::Control* TEXT22 = nullptr;
    ui::Control* TEXT23 = nullptr;
    ui::Control* TEXT24 = nullptr;
    ui::Control* TEXT25 = nullptr;
    ui::Control* TEXT26 = nullptr;
    ui::Control* TEXT27 = nullptr;
    ui::Control* TEXT28 = nullptr;
    ui::Control* TEXT29 = nullptr;
    ui::Control* TEXT30 = nullptr;
    ui::Control* TEXT31 = nullptr;
    ui::Control* TEXT32 = nullptr;
    ui::Control* TEXT33 = nullptr;
    ui::Control* TEXT34 = nullptr;
    ui::Control* TEXT35 = nullptr;
    ui::Control* CHECK1 = nullptr;
    ui::Control* CHECK2 = nullptr;
    ui::Control* CHECK3 = nullptr;
    ui::Control* CHECK4 = nullptr;
    ui::Control* TEXT36 = nullptr;
    ui::Control* TEXT37 = nullptr;
    ui::Control* TEXT38 = nullptr;
    ui::Control* HSCROLL1 = nullptr;
    ui::Control* BUTTON12 = nullptr;
    ui::Control* BUTTON13 = nullptr;
    ui::Control* BUTTON14 = nullptr;
    ui::Control* CHECK6 = nullptr;
    ui::Control* CHECK7 = nullptr;
    ui::Control* TEXT56 = nullptr;
    // FORM4
    ui::Form* FORM4 = nullptr;
    ui::Control* LIST2 = nullptr;
    ui::Control* LIST3 = nullptr;
    ui::Control* BUTTON16 = nullptr;
    ui::Control* BUTTON17 = nullptr;
    ui::Control* BUTTON18 = nullptr;
    ui::Control* BUTTON19 = nullptr;
    ui::Control* TEXT47 = nullptr;
    ui::Control* TEXT48 = nullptr;
    ui::Control* CHECK5 = nullptr;
    // FORM5
    ui::Form* FORM5 = nullptr;
    ui::Control* EDIT6 = nullptr;
    ui::Control* BUTTON21 = nullptr;
    ui::Control* BUTTON22 = nullptr;
    ui::Control* BUTTON23 = nullptr;
};

// The bound controls of the run.
Controls& scr();
// Looks every form and control up by name (ignoring case) and keeps it.
void bind_controls(ui::ScreenModel& model);

}  // namespace scanfee::screens
