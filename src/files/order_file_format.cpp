#include "files/order_file_format.h"

#include "files/file_steps.h"
#include "files/order_file_values.h"
#include "files/text_utils.h"
#include "runtime/input_file.h"
#include "runtime/line_reader.h"
#include "runtime/sjis.h"
#include "runtime/text_ops.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

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

std::string title_too_long_reason() {
    std::string limit = std::to_string(TITLE_MAX_BYTES);
    全角数字化_SUB(limit);
    return "タイトル名が長すぎます（"_sj + limit + "バイトまで）。"_sj;
}

rt::int16 digit_at(const std::string& text, size_t i) { return static_cast<rt::int16>(text[i] - '0'); }

// How reading stops early: the file is no order file, or it cannot be read.
struct Refused {
    std::string reason;
};
struct Unreadable {
    rt::FileError error;
};

class Parser {
public:
    explicit Parser(rt::LineReader& lines) : lines_(lines) {}

    OrderFileContent run() {
        if (!next()) throw Refused{"ファイルが空です。"_sj};
        header();
        coupons();
        titles();
        return std::move(content_);
    }

private:
    // The next line becomes the current one; false at the end of the file.
    bool next() {
        rt::Result<bool> end = lines_.at_end();
        if (!end) throw Unreadable{end.error()};
        have_ = false;
        line_.clear();
        if (end.value()) return false;
        rt::Result<std::string> line = lines_.read_line();
        if (!line && line.error().number == rt::ERR_LINE_TOO_LONG)
            throw Refused{line_too_long_reason(lines_.lines_read() + 1)};
        if (!line) throw Unreadable{line.error()};
        line_ = std::move(line).value();
        have_ = true;
        return true;
    }
    [[noreturn]] void fail_at(size_t line_number, const char* reason) const {
        throw Refused{line_reason(line_number, rt::to_sjis(reason))};
    }
    [[noreturn]] void fail(const char* reason) const { fail_at(lines_.lines_read(), reason); }
    [[noreturn]] void fail(const std::string& reason) const {
        throw Refused{line_reason(lines_.lines_read(), reason)};
    }

    // The label lines; the line after them is current.
    void header() {
        if (rt::LEFT(line_, 10) == "お客様氏名"_sj) {
            content_.name = rt::MID(line_, 12);
            if (holds_control_byte(*content_.name))
                fail("お客様氏名に制御文字（改行やタブなど）が入っています。");
            if (!rt::is_valid_cp932(*content_.name))
                fail("お客様氏名に Shift-JIS の文字でないバイトがあります。");
            next();
        }
        if (rt::LEFT(line_, 6) == "前受額"_sj) {
            content_.advance = payment(rt::MID(line_, 8), ADVANCE_DIGITS);
            if (!content_.advance) fail("前受額が６桁までの整数ではありません。");
            next();
        }
        if (rt::LEFT(line_, 10) == "少額割引額"_sj) {
            content_.discount = payment(rt::MID(line_, 12), DISCOUNT_DIGITS);
            if (!content_.discount) fail("少額割引額が５桁までの整数ではありません。");
            next();
        }
    }

    // The coupon count line is current. The coupons are the fields of the
    // lines after it, as many as the count says: a line may hold several.
    void coupons() {
        if (!have_) fail_at(lines_.lines_read() + 1, "割引券の枚数の行がありません。");
        std::optional<rt::int16> count = whole_number(std::string(trim_blanks(rt::MID(line_, 8))));
        if (!count) fail("割引券の枚数が数字ではありません。");
        if (*count > ORDER_FILE_COUPON_LIMIT) fail("割引券の枚数が多すぎます（１０枚まで）。");
        const size_t wanted = size_t(*count);
        while (content_.coupons.size() < wanted) {
            if (!next()) fail_at(lines_.lines_read() + 1, "割引券の番号が枚数より少なくなっています。");
            // One field more than still wanted tells too many; a separator
            // at the end of the line adds no coupon.
            std::vector<std::string> fields =
                rt::line_fields(line_, wanted - content_.coupons.size() + 2);
            if (fields.size() > 1 && fields.back().empty()) fields.pop_back();
            if (fields.empty()) fail("割引券の番号がありません。");
            for (const std::string& field : fields) {
                if (content_.coupons.size() == wanted) fail("割引券の番号が枚数より多くなっています。");
                if (field.empty()) fail("割引券の番号がありません。");
                if (std::string why = coupon_refusal(field); !why.empty()) fail(why);
                content_.coupons.push_back(field);
            }
        }
    }

    // Title lines to the end of the file. Blank lines after the last title
    // (an editor may leave some) are no titles; a blank line before a title
    // is refused as the line it is.
    void titles() {
        size_t first_blank = 0;
        while (next()) {
            if (line_.empty()) {
                if (first_blank == 0) first_blank = lines_.lines_read();
                if (rt::Result<size_t> skipped = lines_.skip_empty_lines(); !skipped)
                    throw Unreadable{skipped.error()};
                continue;
            }
            if (first_blank != 0) fail_at(first_blank, "タイトルの行に５つの項目がありません。");
            title(line_);
        }
    }

    void title(const std::string& text) {
        size_t commas[4];
        size_t from = 0;
        for (size_t& comma : commas) {
            comma = text.find(',', from);
            if (comma == std::string::npos) fail("タイトルの行に５つの項目がありません。");
            from = comma + 1;
        }
        const std::string f1 = text.substr(0, commas[0]);
        const std::string f2 = text.substr(commas[0] + 1, commas[1] - commas[0] - 1);
        const std::string f3 = text.substr(commas[1] + 1, commas[2] - commas[1] - 1);
        const std::string f4 = text.substr(commas[2] + 1, commas[3] - commas[2] - 1);

        OrderFileTitle t;
        if (!all_digits(f1) || f1.size() < 3 || f1.size() > 4)
            fail("１番目の項目が３桁か４桁の数字ではありません。");
        t.category = digit_at(f1, 0);
        if (t.category >= CATEGORY_COUNT) fail("書籍の種類が０～４ではありません。");
        t.edtype = digit_at(f1, 1);
        t.work = digit_at(f1, 2);
        // The entry screen offers three works; any other prices to 0 yen, and
        // an order with a 0-yen title writes no papers. 0 is a title that the
        // import brought and no one has opened yet: the program saves it so.
        if (t.work > 3) fail("作業内容が１～３ではありません。");
        // The kind group offers 1 and 2; 0 is the kind of a slot no one has
        // set (magazines and photo books, and imported titles).
        if (t.edtype > 2) fail("本の種別が１か２ではありません。");
        if (f1.size() == 4) t.comp = digit_at(f1, 3);
        if (t.comp > 1) fail("補償の項目が０か１ではありません。");
        if (!all_digits(f2) || f2.size() != 4)
            fail("２番目の項目（オプション）が４桁の数字ではありません。");
        for (size_t i = 0; i < 4; ++i) t.options[i] = digit_at(f2, i);
        for (rt::int16 option : t.options)
            if (option > 1) fail("２番目の項目（オプション）の数字が０か１ではありません。");
        std::optional<rt::int16> dpi = whole_number(f3);
        if (!dpi || *dpi < ORDER_FILE_DPI_MIN || *dpi > ORDER_FILE_DPI_MAX)
            fail("解像度が５０～６００の整数ではありません。");
        t.dpi = *dpi;
        std::optional<rt::int16> gift = whole_number(f4);
        if (!gift) fail("贈与の項目が数字ではありません。");
        if (*gift > 1) fail("贈与の項目が０か１ではありません。");
        t.gift = *gift;
        // The gift box is offered only for a title that is scanned.
        if (t.gift == 1 && t.work != 2 && t.work != 3)
            fail("データ化しないタイトルに贈与が付いています。");
        t.title = text.substr(commas[3] + 1);
        // An empty title marks a free slot and would hide every later title.
        if (t.title.empty()) fail("タイトル名がありません。");
        if (holds_control_byte(t.title))
            fail("タイトル名に制御文字（改行やタブなど）が入っています。");
        if (!rt::is_valid_cp932(t.title)) fail("タイトル名に Shift-JIS の文字でないバイトがあります。");
        if (t.title.size() > size_t(TITLE_MAX_BYTES)) fail(title_too_long_reason());
        if (++per_category_[size_t(t.category)] > SLOT_COUNT)
            fail("一つの種類のタイトルが１２１冊を超えています。");
        content_.titles.push_back(std::move(t));
    }

    rt::LineReader& lines_;
    std::string line_;   // the current line; empty at the end of the file
    bool have_ = false;  // a current line was read
    OrderFileContent content_;
    std::array<int, CATEGORY_COUNT> per_category_{};
};

OrderFileParse parse(rt::InputFile& file) {
    OrderFileParse parsed;
    try {
        if (file.size() > ORDER_FILE_MAX_BYTES) throw Refused{too_large_reason(ORDER_FILE_MAX_BYTES)};
        rt::Result<rt::LineEnd> ends = rt::line_end_of(file);
        if (!ends) throw Unreadable{ends.error()};
        rt::LineReader lines(file, ends.value());
        OrderFileContent content = Parser(lines).run();
        // A file written to meanwhile may be half the old order and half the new.
        if (rt::Status changed = file.unchanged()) throw Unreadable{*changed};
        parsed.content = std::move(content);
    } catch (Refused& refused) {
        parsed.refusal = std::move(refused.reason);
    } catch (Unreadable& unreadable) {
        parsed.read_error = std::move(unreadable.error);
    }
    return parsed;
}

}  // namespace

OrderFileParse parse_order_file(std::string bytes) {
    rt::InputFile file = rt::InputFile::of_bytes(bytes);
    return parse(file);
}

OrderFileParse read_order_file(const std::string& path) {
    rt::Result<rt::InputFile> file = rt::InputFile::open(path);
    if (!file) {
        OrderFileParse unreadable;
        unreadable.read_error = file.error();
        return unreadable;
    }
    return parse(file.value());
}

}  // namespace scanfee::files
