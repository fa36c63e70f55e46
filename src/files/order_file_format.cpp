#include "files/order_file_format.h"

#include <cmath>

#include "core/order_state.h"
#include "runtime/sjis.h"
#include "runtime/text_file.h"
#include "runtime/text_ops.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool all_digits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!is_digit(c)) return false;
    return true;
}

// Digits only, within the 16-bit range.
std::optional<rt::int16> whole_number(const std::string& text) {
    if (!all_digits(text)) return std::nullopt;
    long value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > 32767) return std::nullopt;
    }
    return static_cast<rt::int16>(value);
}

rt::int16 digit_at(const std::string& text, size_t i) { return static_cast<rt::int16>(text[i] - '0'); }

std::string trim_blanks(std::string text) {
    size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) return {};
    size_t end = text.find_last_not_of(' ');
    return text.substr(start, end - start + 1);
}

// An amount as the writer puts it: the text-to-number value of a text that
// starts with a number, not negative and within the single range.
std::optional<rt::single> amount(const std::string& text) {
    std::string t = trim_blanks(text);
    if (t.empty() || !(is_digit(t[0]) || (t[0] == '.' && t.size() > 1 && is_digit(t[1]))))
        return std::nullopt;
    double value = rt::val(t);
    if (!std::isfinite(value) || value < 0 || value >= 3.4028235677973366e38) return std::nullopt;
    return static_cast<rt::single>(value);
}

std::string line_no(size_t index) { return std::to_string(index + 1) + "行目："_sj; }

class Parser {
public:
    explicit Parser(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    OrderFileParse run() {
        if (lines_.empty()) return refuse("ファイルが空です。"_sj);
        if (!header()) return result();
        if (!coupons()) return result();
        for (; next_ < lines_.size(); ++next_)
            if (!title(lines_[next_])) return result();
        OrderFileParse parsed;
        parsed.content = std::move(content_);
        return parsed;
    }

private:
    OrderFileParse refuse(std::string reason) {
        refusal_ = std::move(reason);
        return result();
    }
    OrderFileParse result() const { return OrderFileParse{std::nullopt, refusal_}; }
    bool fail(std::string reason) {
        refusal_ = line_no(next_) + reason;
        return false;
    }
    bool at_line() const { return next_ < lines_.size(); }
    const std::string& line() const { return lines_[next_]; }

    bool header() {
        if (at_line() && rt::LEFT(line(), 10) == "お客様氏名"_sj) {
            content_.name = rt::MID(line(), 12);
            ++next_;
        }
        if (at_line() && rt::LEFT(line(), 6) == "前受額"_sj) {
            content_.advance = amount(rt::MID(line(), 8));
            if (!content_.advance) return fail("前受額が正しい金額ではありません。"_sj);
            ++next_;
        }
        if (at_line() && rt::LEFT(line(), 10) == "少額割引額"_sj) {
            content_.discount = amount(rt::MID(line(), 12));
            if (!content_.discount) return fail("少額割引額が正しい金額ではありません。"_sj);
            ++next_;
        }
        return true;
    }

    bool coupons() {
        if (!at_line()) return fail("割引券の枚数の行がありません。"_sj);
        std::optional<rt::int16> count = whole_number(trim_blanks(rt::MID(line(), 8)));
        if (!count) return fail("割引券の枚数が数字ではありません。"_sj);
        if (*count > ORDER_FILE_COUPON_LIMIT)
            return fail("割引券の枚数が多すぎます（１１枚まで）。"_sj);
        ++next_;
        for (int i = 0; i < *count; ++i, ++next_) {
            if (!at_line()) return fail("割引券の番号が枚数より少なくなっています。"_sj);
            // A coupon line is one field of the field reader.
            rt::TextFileReader field(line());
            rt::Result<std::string> number = field.read_text_field();
            if (!number || number.value().empty()) return fail("割引券の番号がありません。"_sj);
            content_.coupons.push_back(std::move(number).value());
        }
        return true;
    }

    bool title(const std::string& text) {
        size_t commas[4];
        size_t from = 0;
        for (size_t& comma : commas) {
            comma = text.find(',', from);
            if (comma == std::string::npos)
                return fail("タイトルの行に５つの項目がありません。"_sj);
            from = comma + 1;
        }
        const std::string f1 = text.substr(0, commas[0]);
        const std::string f2 = text.substr(commas[0] + 1, commas[1] - commas[0] - 1);
        const std::string f3 = text.substr(commas[1] + 1, commas[2] - commas[1] - 1);
        const std::string f4 = text.substr(commas[2] + 1, commas[3] - commas[2] - 1);

        OrderFileTitle t;
        if (!all_digits(f1) || f1.size() < 3 || f1.size() > 4)
            return fail("１番目の項目が３桁か４桁の数字ではありません。"_sj);
        t.category = digit_at(f1, 0);
        if (t.category >= CATEGORY_COUNT) return fail("書籍の種類が０～４ではありません。"_sj);
        t.edtype = digit_at(f1, 1);
        t.work = digit_at(f1, 2);
        if (f1.size() == 4) t.comp = digit_at(f1, 3);
        if (!all_digits(f2) || f2.size() != 4)
            return fail("２番目の項目（オプション）が４桁の数字ではありません。"_sj);
        for (size_t i = 0; i < 4; ++i) t.options[i] = digit_at(f2, i);
        std::optional<rt::int16> dpi = whole_number(f3);
        if (!dpi || *dpi < ORDER_FILE_DPI_MIN || *dpi > ORDER_FILE_DPI_MAX)
            return fail("解像度が５０～６００の整数ではありません。"_sj);
        t.dpi = *dpi;
        std::optional<rt::int16> gift = whole_number(f4);
        if (!gift) return fail("贈与の項目が数字ではありません。"_sj);
        t.gift = *gift;
        t.title = text.substr(commas[3] + 1);
        // An empty title marks a free slot and would hide every later title.
        if (t.title.empty()) return fail("タイトル名がありません。"_sj);
        if (++per_category_[size_t(t.category)] > SLOT_COUNT)
            return fail("一つの種類のタイトルが１２１冊を超えています。"_sj);
        content_.titles.push_back(std::move(t));
        return true;
    }

    std::vector<std::string> lines_;
    size_t next_ = 0;
    OrderFileContent content_;
    std::string refusal_;
    std::array<int, CATEGORY_COUNT> per_category_{};
};

}  // namespace

OrderFileParse parse_order_file(std::string bytes) {
    rt::TextFileReader reader(std::move(bytes));
    std::vector<std::string> lines;
    while (!reader.at_end()) {
        rt::Result<std::string> line = reader.read_line();
        if (!line) {
            OrderFileParse refused;
            refused.refusal = std::to_string(lines.size() + 1) + "行目が長すぎます（３２７６７バイトまで）。"_sj;
            return refused;
        }
        lines.push_back(std::move(line).value());
    }
    // Blank lines after the last title (an editor may leave one) are no titles.
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return Parser(std::move(lines)).run();
}

}  // namespace scanfee::files
