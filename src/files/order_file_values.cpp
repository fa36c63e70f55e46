#include "files/order_file_values.h"

#include "runtime/sjis.h"
#include "summary/coupons.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

}  // namespace

std::string_view trim_blanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

bool holds_control_byte(std::string_view text) {
    for (char c : text) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) return true;
    }
    return false;
}

std::optional<rt::single> payment(std::string_view text, int digits) {
    text = trim_blanks(text);
    if (text.empty()) return std::nullopt;
    for (char c : text)
        if (!is_digit(c)) return std::nullopt;
    const std::size_t first = text.find_first_not_of('0');
    const std::string_view significant = first == std::string_view::npos ? "" : text.substr(first);
    if (significant.size() > static_cast<std::size_t>(digits)) return std::nullopt;
    long value = 0;
    for (char c : significant) value = value * 10 + (c - '0');
    return static_cast<rt::single>(value);
}

std::string coupon_refusal(std::string_view coupon) {
    if (holds_control_byte(coupon))
        return "割引券の番号に制御文字（改行やタブなど）が入っています。"_sj;
    if (!rt::is_valid_cp932(coupon)) return "割引券の番号に Shift-JIS の文字でないバイトがあります。"_sj;
    if (coupon.size() > COUPON_BYTES) return "割引券の番号が１０文字を超えています。"_sj;
    if (!summary::has_valid_amount(std::string(coupon)))
        return "その割引券の番号では正しい割引額が出ません（９文字目は３か４、１０文字目は１～９）。"_sj;
    return {};
}

}  // namespace scanfee::files
