#pragma once
// The one order of the run. Every screen, fee procedure, file and paper reads
// and writes these variables directly by name; there is no other store.
#include <array>
#include <string>

#include "runtime/numbers.h"

namespace scanfee {

using rt::int16;
using rt::single;

inline constexpr int SLOT_COUNT = 121;     // title slots 0..120 per category
inline constexpr int CATEGORY_COUNT = 5;   // 0 comics .. 4 photo and reference books
inline constexpr int COUPON_SLOTS = 11;    // 0..10; at most 10 take part
inline constexpr int COUPONS_COUNTED = 10;
inline constexpr int ALIGN_LINE_COUNT = 251;
// The longest title a slot holds, in bytes: the entry box takes no more and
// an order file brings no more, so that every paper of the largest order
// stays within what the printer takes.
inline constexpr int TITLE_MAX_BYTES = 1000;

enum Category : int16 {
    CAT_COMICS = 0,
    CAT_DOUJIN = 1,
    CAT_SADDLE_MAGAZINE = 2,
    CAT_PERFECT_MAGAZINE = 3,
    CAT_PHOTO_BOOK = 4,
};

enum Edition : int16 { EDITION_SHOP = 0, EDITION_CUSTOMER = 1 };

// A per-title field: one value per (slot, category).
template <class T>
class TitleField {
public:
    T& operator()(int slot, int category) { return values_[index(slot, category)]; }
    const T& operator()(int slot, int category) const { return values_[index(slot, category)]; }

private:
    static size_t index(int slot, int category);
    std::array<T, SLOT_COUNT * CATEGORY_COUNT> values_{};
};

// A per-category value.
template <class T>
class CategoryValue {
public:
    T& operator()(int category) { return values_[index(category)]; }
    const T& operator()(int category) const { return values_[index(category)]; }

private:
    static size_t index(int category);
    std::array<T, CATEGORY_COUNT> values_{};
};

struct OrderState {
    // Per-title fields.
    TitleField<std::string> TITLE;
    TitleField<single> PRICE;
    TitleField<int16> PAGES;
    TitleField<int16> EDTYPE;
    TitleField<int16> WORK;
    TitleField<int16> OPT_EDIT;
    TitleField<int16> OPT_NOMOIRE;
    TitleField<int16> OPT_SINGLE;
    TitleField<int16> OPT_TRIM;
    TitleField<int16> DPI;
    TitleField<int16> OPT_COMP;
    TitleField<single> COMP_AMOUNT;
    TitleField<int16> GIFT;
    TitleField<single> TITLE_TOTAL;

    // Per-category values.
    CategoryValue<int16> TITLECOUNT;
    CategoryValue<int16> TITLE_LIMIT;
    CategoryValue<int16> GIFTCOUNT;
    CategoryValue<single> CAT_SUBTOTAL;

    // The slot being worked on.
    int16 CATEGORY = 0;
    int16 CURTITLE = 0;

    // Working values of the title being priced.
    single BASE_PRICE = 0;
    single FEE_DISMANTLE = 0;
    single FEE_CAPTURE = 0;
    single FEE_REBIND = 0;
    single COURSE_FEE = 0;
    single BASIC_AMOUNT = 0;
    int16 CUR_DPI = 0;
    single FEE_OPT_EDIT = 0;
    single FEE_OPT_SINGLE = 0;
    single FEE_OPT_TRIM = 0;
    single FEE_OPT_DPI = 0;
    single OPTION_AMOUNT = 0;

    // Order-level totals.
    single WORK_FEE_TOTAL = 0;   // ④
    single MEDIA_FEE = 0;        // ⑤
    single SHIPPING = 0;         // ⑥
    single SUBTOTAL = 0;         // ⑦
    single COUPON_DISC = 0;      // ⑧
    single SPECIAL_DISC = 0;     // ⑨
    single BOX_DISC = 0;         // ⑩
    single BOX_DISC_COMIC = 0;
    single BOX_DISC_DOUJIN = 0;
    single DISCOUNT_TOTAL = 0;   // ⑫
    single COMP_TOTAL = 0;       // ⑬
    single GRAND_TOTAL = 0;      // ⑭
    single ADVANCE = 0;          // ⑮
    single SMALLDISC = 0;        // ⑯
    single BALANCE = 0;          // ⑰
    int16 TOTAL_TITLES = 0;
    int16 GIFT_TOTAL = 0;
    single GIFT_THRESHOLD = 0;

    // Coupons.
    std::array<std::string, COUPON_SLOTS> COUPON;
    int16 COUPONCOUNT = 0;

    // Customer and application data.
    std::string CUSTNAME;
    std::string APPNO;

    // Run settings.
    int16 EDITION = EDITION_CUSTOMER;
    std::string TODAY;
    std::string YEAR, MONTH, DAY;
    double MMDD = 0;
    int16 SPECIAL_PERIOD = 0;
    int16 DPI_DEFAULT = 0;
    int16 DPI_DEFAULT_SADDLE = 0;

    // Working variables shared between screens.
    int16 PENDING_ACTION = 0;
    std::string FILENAME;  // native UTF-8 path of the file chosen last
    std::string LASTDIR;   // its folder, ending in "/"
    int16 ADD_ROW = 0;
    int16 ZERO_TOTAL_FLAG = 0;
    int16 COUPON_SEL = -1;
    int16 STATEMENT_SHOWN = 0;
    int16 INVOICE_FLAG = 0;  // 1: the paper asked for is an invoice, 0: a receipt

    // The lines that column alignment works on.
    std::array<std::string, ALIGN_LINE_COUNT> ALIGN_LINES;
};

// The order of the run.
OrderState& order();
// Back to the state at program start: every variable zero or empty.
void reset_order();

}  // namespace scanfee
