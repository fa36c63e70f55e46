#include "app/driver/order_vars.h"

#include <cstdio>
#include <functional>
#include <map>

#include "core/order_state.h"
#include "runtime/sjis.h"
#include "ui/model.h"

namespace scanfee::driver {
namespace {

std::string shown(int16 v) { return std::to_string(v); }
std::string shown(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.9g", v);
    return buffer;
}
std::string shown(single v) { return shown(static_cast<double>(v)); }
std::string shown(const std::string& v) { return rt::to_utf8(v); }

using Getter = std::function<std::string(OrderState&, const std::vector<int>&)>;
struct Var {
    size_t arity;
    Getter get;
};

#define SCALAR(name) {#name, {0, [](OrderState& s, const std::vector<int>&) { return shown(s.name); }}}
#define PER_CATEGORY(name) \
    {#name, {1, [](OrderState& s, const std::vector<int>& i) { return shown(s.name(i[0])); }}}
#define PER_TITLE(name) \
    {#name, {2, [](OrderState& s, const std::vector<int>& i) { return shown(s.name(i[0], i[1])); }}}

const std::map<std::string, Var>& variables() {
    static const std::map<std::string, Var> vars = {
        PER_TITLE(TITLE), PER_TITLE(PRICE), PER_TITLE(PAGES), PER_TITLE(EDTYPE), PER_TITLE(WORK),
        PER_TITLE(OPT_EDIT), PER_TITLE(OPT_NOMOIRE), PER_TITLE(OPT_SINGLE), PER_TITLE(OPT_TRIM),
        PER_TITLE(DPI), PER_TITLE(OPT_COMP), PER_TITLE(COMP_AMOUNT), PER_TITLE(GIFT),
        PER_TITLE(TITLE_TOTAL),
        PER_CATEGORY(TITLECOUNT), PER_CATEGORY(TITLE_LIMIT), PER_CATEGORY(GIFTCOUNT),
        PER_CATEGORY(CAT_SUBTOTAL),
        SCALAR(CATEGORY), SCALAR(CURTITLE), SCALAR(BASE_PRICE), SCALAR(FEE_DISMANTLE),
        SCALAR(FEE_CAPTURE), SCALAR(FEE_REBIND), SCALAR(COURSE_FEE), SCALAR(BASIC_AMOUNT),
        SCALAR(CUR_DPI), SCALAR(FEE_OPT_EDIT), SCALAR(FEE_OPT_SINGLE), SCALAR(FEE_OPT_TRIM),
        SCALAR(FEE_OPT_DPI), SCALAR(OPTION_AMOUNT),
        SCALAR(WORK_FEE_TOTAL), SCALAR(MEDIA_FEE), SCALAR(SHIPPING), SCALAR(SUBTOTAL),
        SCALAR(COUPON_DISC), SCALAR(SPECIAL_DISC), SCALAR(BOX_DISC), SCALAR(BOX_DISC_COMIC),
        SCALAR(BOX_DISC_DOUJIN), SCALAR(DISCOUNT_TOTAL), SCALAR(COMP_TOTAL), SCALAR(GRAND_TOTAL),
        SCALAR(ADVANCE), SCALAR(SMALLDISC), SCALAR(BALANCE), SCALAR(TOTAL_TITLES),
        SCALAR(GIFT_TOTAL), SCALAR(GIFT_THRESHOLD),
        SCALAR(COUPONCOUNT), SCALAR(CUSTNAME), SCALAR(APPNO),
        SCALAR(EDITION), SCALAR(TODAY), SCALAR(YEAR), SCALAR(MONTH), SCALAR(DAY), SCALAR(MMDD),
        SCALAR(SPECIAL_PERIOD), SCALAR(DPI_DEFAULT), SCALAR(DPI_DEFAULT_SADDLE),
        SCALAR(PENDING_ACTION), SCALAR(FILENAME), SCALAR(LASTDIR), SCALAR(ADD_ROW),
        SCALAR(ZERO_TOTAL_FLAG), SCALAR(COUPON_SEL), SCALAR(STATEMENT_SHOWN),
        SCALAR(INVOICE_FLAG),
        {"COUPON", {1, [](OrderState& s, const std::vector<int>& i) {
             return shown(s.COUPON.at(size_t(i[0])));
         }}},
        {"ALIGN_LINES", {1, [](OrderState& s, const std::vector<int>& i) {
             return shown(s.ALIGN_LINES.at(size_t(i[0])));
         }}},
    };
    return vars;
}

#undef SCALAR
#undef PER_CATEGORY
#undef PER_TITLE

}  // namespace

std::optional<std::string> order_var(const std::string& name, const std::vector<int>& indices) {
    auto it = variables().find(ui::upper_name(name));
    if (it == variables().end() || it->second.arity != indices.size()) return std::nullopt;
    if (indices.size() == 2 && (indices[0] < 0 || indices[0] >= SLOT_COUNT || indices[1] < 0 ||
                                indices[1] >= CATEGORY_COUNT))
        return std::nullopt;
    if (indices.size() == 1 && indices[0] < 0) return std::nullopt;
    try {
        return it->second.get(order(), indices);
    } catch (const std::exception&) {
        return std::nullopt;  // an index beyond the variable
    }
}

}  // namespace scanfee::driver
