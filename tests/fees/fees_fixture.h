#pragma once
#include <gtest/gtest.h>

#include "core/order_state.h"
#include "core/program.h"
#include "fees/base_price.h"
#include "fees/option_charges.h"
#include "fees/order_totals.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "screens/screen_definitions.h"

namespace scanfee::fees {

struct Options {
    int16 edit = 0, nomoire = 0, single_page = 0, trim = 0;
};

class FeesTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_program();
        screens::define_screens(screen_model());
        screens::bind_controls(screen_model());
        order().DPI_DEFAULT = 156;
        order().DPI_DEFAULT_SADDLE = 120;
    }
    static OrderState& s() { return order(); }

    // Makes (slot, category) the current title with these entries.
    static void put_title(int16 cat, int16 slot, int16 edtype, int16 work, int16 dpi,
                          Options o = {}) {
        OrderState& st = order();
        st.CATEGORY = cat;
        st.CURTITLE = slot;
        st.EDTYPE(slot, cat) = edtype;
        st.WORK(slot, cat) = work;
        st.DPI(slot, cat) = dpi;
        st.OPT_EDIT(slot, cat) = o.edit;
        st.OPT_NOMOIRE(slot, cat) = o.nomoire;
        st.OPT_SINGLE(slot, cat) = o.single_page;
        st.OPT_TRIM(slot, cat) = o.trim;
    }
    // How a stored title is priced when an order is loaded.
    static void price_current_title() {
        基本金額_SUB1();
        オプション金額_SUB1();
        オプション金額_SUB();
        タイトル別合計_SUB();
    }
};

}  // namespace scanfee::fees
