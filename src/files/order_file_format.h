#pragma once
// The content of an order file, read and checked as a whole before any of
// it reaches the order: a file is either an order file from its first line
// to its last, or it is refused with the reason.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "runtime/numbers.h"

namespace scanfee::files {

struct OrderFileTitle {
    rt::int16 category = 0;
    rt::int16 edtype = 0;
    rt::int16 work = 0;
    std::optional<rt::int16> comp;       // the fourth character of field 1, when there is one
    std::array<rt::int16, 4> options{};  // OPT_EDIT, OPT_NOMOIRE, OPT_SINGLE, OPT_TRIM
    rt::int16 dpi = 0;
    rt::int16 gift = 0;
    std::string title;  // every byte after the fourth comma
};

struct OrderFileContent {
    std::optional<std::string> name;  // "お客様氏名:" line
    std::optional<rt::single> advance;
    std::optional<rt::single> discount;
    std::vector<std::string> coupons;
    std::vector<OrderFileTitle> titles;  // in file order
};

struct OrderFileParse {
    std::optional<OrderFileContent> content;
    std::string refusal;  // Shift-JIS: why the file is not an order file
};

// The most coupons a file may list: the order's coupon slots.
inline constexpr int ORDER_FILE_COUPON_LIMIT = 11;
inline constexpr int ORDER_FILE_DPI_MIN = 50;
inline constexpr int ORDER_FILE_DPI_MAX = 600;

// Checks and takes apart the bytes of an order file.
OrderFileParse parse_order_file(std::string bytes);

// Replaces the order with the content: every title slot reset, the name,
// advance and discount boxes emptied and refilled, every coupon slot, every
// title with its amounts recomputed, every category subtotal. CATEGORY is
// left at 5 and CURTITLE at the slot of the last title.
void apply_order_file(const OrderFileContent& content);

}  // namespace scanfee::files
