#pragma once
// The content of an order file, read and checked as a whole before any of
// it reaches the order: a file is either an order file from its first line
// to its last, or it is refused with the reason. The file is read line by
// line and refused at the first line that is wrong or too many, so that
// reading takes memory for what it keeps, never for the file's size.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/order_state.h"
#include "runtime/file_error.h"
#include "runtime/numbers.h"
#include "runtime/text_file.h"

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
    std::optional<rt::FileError> read_error;  // the file could not be read at all
};

// The most coupons a file may list: those the order counts (slots 0-9).
inline constexpr int ORDER_FILE_COUPON_LIMIT = COUPONS_COUNTED;
inline constexpr int ORDER_FILE_DPI_MIN = 50;
inline constexpr int ORDER_FILE_DPI_MAX = 600;
// The lines an order file can need: name, advance and discount, the coupon
// count, the coupons, and a full title table.
inline constexpr std::size_t ORDER_FILE_MAX_LINES =
    3 + 1 + ORDER_FILE_COUPON_LIMIT + std::size_t(SLOT_COUNT) * CATEGORY_COUNT;
// Each of them as long as the line reader takes, with its CR LF, and an
// ending Ctrl-Z: a larger file is no order file and is not read at all.
inline constexpr std::uint64_t ORDER_FILE_MAX_BYTES =
    ORDER_FILE_MAX_LINES * (rt::MAX_LINE_BYTES + 2) + 1;

// Checks and takes apart the bytes of an order file.
OrderFileParse parse_order_file(std::string bytes);
// The same for the file at `path`, read piece by piece.
OrderFileParse read_order_file(const std::string& path);

// Replaces the order with the content: every title slot reset, the name,
// advance and discount boxes emptied and refilled, every coupon slot, every
// title with its amounts recomputed, every category subtotal. CATEGORY is
// left at 5 and CURTITLE at the slot of the last title.
void apply_order_file(const OrderFileContent& content);

}  // namespace scanfee::files
