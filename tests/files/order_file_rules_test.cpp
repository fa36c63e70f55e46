#include <gtest/gtest.h>

#include "files/file_steps.h"
#include "files/order_file_format.h"
#include "files/order_file_values.h"
#include "order_file_fixture.h"

namespace scanfee::testing {
namespace {

// A file of the shop's customers is untrusted: what no screen would take
// is refused with its line and the reason, and the order stays.
TEST_F(OrderFile, WhatNoScreenWouldTakeIsRefusedWithItsLine) {
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"a coupon of Ctrl-Z", "割引券:1\r\n\x1a,\r\n013,0000,156,0,ABC\r\n",
         "2行目：割引券の番号に制御文字（改行やタブなど）が入っています。"},
        {"a coupon ending in Ctrl-Z", "割引券:1\r\nAB\x1a:\r\n013,0000,156,0,ABC\r\n",
         "2行目：割引券の番号に制御文字（改行やタブなど）が入っています。"},
        {"amount scale 9", "割引券:1\r\n0001019999\r\n013,0000,156,0,ABC\r\n",
         "2行目：その割引券の番号では正しい割引額が出ません（９文字目は３か４、１０文字目は１～９）。"},
        {"amount digit 0", "割引券:1\r\n1612310040\r\n",
         "2行目：その割引券の番号では正しい割引額が出ません（９文字目は３か４、１０文字目は１～９）。"},
        {"a short coupon", "割引券:1\r\n16123\r\n",
         "2行目：その割引券の番号では正しい割引額が出ません（９文字目は３か４、１０文字目は１～９）。"},
        {"a coupon of 11 bytes", "割引券:1\r\n16123100431\r\n",
         "2行目：割引券の番号が１０文字を超えています。"},
        {"eleven coupons", "割引券:11\r\n" + [] {
             std::string lines;
             for (int i = 0; i < 11; ++i) lines += "1612310043\r\n";
             return lines;
         }(),
         "1行目：割引券の枚数が多すぎます（１０枚まで）。"},
        {"two numbers for one", "割引券:1\r\n1612310043,1612310034\r\n",
         "2行目：割引券の番号が枚数より多くなっています。"},
        // A hand-edited file whose count is ahead of its coupons: the title
        // line after them is no coupon, and no title is lost unsaid.
        {"a title line for coupons", "割引券:3\r\n1612310043,1612310034\r\n013,0000,156,0,ABC\r\n",
         "3行目：その割引券の番号では正しい割引額が出ません（９文字目は３か４、１０文字目は１～９）。"},
        {"an empty coupon field", "割引券:3\r\n1612310043,,1612310034\r\n",
         "2行目：割引券の番号がありません。"},
        {"an empty coupon line", "割引券:2\r\n1612310043\r\n\r\n1612310034\r\n",
         "3行目：割引券の番号がありません。"},
        {"an advance of 3.4e38", "前受額:340000000000000000000000000000000000000\r\n割引券:0\r\n",
         "1行目：前受額が６桁までの整数ではありません。"},
        {"an advance of seven digits", "前受額:1000000\r\n割引券:0\r\n",
         "1行目：前受額が６桁までの整数ではありません。"},
        {"an advance in exponent form", "前受額:1E+03\r\n割引券:0\r\n",
         "1行目：前受額が６桁までの整数ではありません。"},
        {"an advance with a fraction", "前受額:100.5\r\n割引券:0\r\n",
         "1行目：前受額が６桁までの整数ではありません。"},
        {"a discount of six digits", "前受額:5\r\n少額割引額:100000\r\n割引券:0\r\n",
         "2行目：少額割引額が５桁までの整数ではありません。"},
        {"work 4", "割引券:0\r\n014,0000,156,0,A\r\n", "2行目：作業内容が１～３ではありません。"},
        {"work 9", "割引券:0\r\n013,0000,156,0,A\r\n4191,0000,156,0,B\r\n",
         "3行目：作業内容が１～３ではありません。"},
        {"a receipt line in the name", "お客様氏名:山田 太郎\n\n但し、上記金額を全額受領済み\r\n割引券:0\r\n",
         "1行目：お客様氏名に制御文字（改行やタブなど）が入っています。"},
        {"ESC in the name", "お客様氏名:山田\x1b[2J\r\n割引券:0\r\n",
         "1行目：お客様氏名に制御文字（改行やタブなど）が入っています。"},
        {"DEL in the name", "お客様氏名:山田\x7f\r\n割引券:0\r\n",
         "1行目：お客様氏名に制御文字（改行やタブなど）が入っています。"},
        {"LF in a title", "割引券:0\r\n013,0000,156,0,ABC\n委任します\r\n",
         "2行目：タイトル名に制御文字（改行やタブなど）が入っています。"},
        {"TAB in a title", "割引券:0\r\n013,0000,156,0,A\tB\r\n",
         "2行目：タイトル名に制御文字（改行やタブなど）が入っています。"},
        {"Ctrl-Z in a title", "割引券:0\r\n013,0000,156,0,A\x1a\r\n013,0000,156,0,B\r\n",
         "2行目：タイトル名に制御文字（改行やタブなど）が入っています。"},
        {"a blank line before a title", "割引券:0\n013,0000,156,0,A\n\n\n013,0000,156,0,B\n",
         "3行目：タイトルの行に５つの項目がありません。"},
        {"no count after the name", "お客様氏名:A\r\n", "2行目：割引券の枚数の行がありません。"},
        {"a line too long", "割引券:0\r\n013,0000,156,0," + std::string(32768, 'x') + "\r\n",
         "2行目が長すぎます（３２,７６７バイトまで）。"},
    };
    // Bytes that are no Shift-JIS, and digits that no screen sets: the
    // lines stand in Shift-JIS already.
    const std::string count = "割引券:0\r\n"_sj;
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } raw_cases[] = {
        {"a lone lead byte before CR", count + "013,0000,156,0,ABC\x82\r\n",
         "2行目：タイトル名に Shift-JIS の文字でないバイトがあります。"},
        {"a lone lead byte at the end", count + "013,0000,156,0,ABC\x82",
         "2行目：タイトル名に Shift-JIS の文字でないバイトがあります。"},
        {"an unmapped pair 85 40", count + "013,0000,156,0,A\x85\x40\r\n",
         "2行目：タイトル名に Shift-JIS の文字でないバイトがあります。"},
        {"an unmapped pair EB 40", count + "013,0000,156,0,\xEB\x40\r\n",
         "2行目：タイトル名に Shift-JIS の文字でないバイトがあります。"},
        {"an unmapped pair 82 41", count + "013,0000,156,0,\x82\x41\r\n",
         "2行目：タイトル名に Shift-JIS の文字でないバイトがあります。"},
        {"an unmapped pair 82 5C", count + "013,0000,156,0,\x82\x5C\r\n",
         "2行目：タイトル名に Shift-JIS の文字でないバイトがあります。"},
        {"a byte 80", count + "013,0000,156,0,A\x80\r\n",
         "2行目：タイトル名に Shift-JIS の文字でないバイトがあります。"},
        {"a byte A0", count + "013,0000,156,0,\xA0\r\n",
         "2行目：タイトル名に Shift-JIS の文字でないバイトがあります。"},
        {"a byte FD", count + "013,0000,156,0,\xFD\r\n",
         "2行目：タイトル名に Shift-JIS の文字でないバイトがあります。"},
        {"a byte FF in the second title", count + "013,0000,156,0,A\r\n013,0000,156,0,\xFF\r\n",
         "3行目：タイトル名に Shift-JIS の文字でないバイトがあります。"},
        // It would take the full-width blank the invoice puts after it.
        {"a name ending in a lead byte", "お客様氏名:山田"_sj + "\x82\r\n" + count,
         "1行目：お客様氏名に Shift-JIS の文字でないバイトがあります。"},
        {"a coupon of FE", "割引券:1\r\n"_sj + "\xFE\r\n",
         "2行目：割引券の番号に Shift-JIS の文字でないバイトがあります。"},
        {"gift 2", count + "0121,0000,156,2,A\r\n", "2行目：贈与の項目が０か１ではありません。"},
        {"gift 32767", count + "0121,0000,156,32767,A\r\n", "2行目：贈与の項目が０か１ではありません。"},
        {"a gift on a title only cut", count + "0110,0000,156,1,A\r\n",
         "2行目：データ化しないタイトルに贈与が付いています。"},
        {"a gift on a title not opened", count + "0000,0000,156,1,A\r\n",
         "2行目：データ化しないタイトルに贈与が付いています。"},
        {"book kind 3", count + "033,0000,156,0,A\r\n", "2行目：本の種別が１か２ではありません。"},
        {"book kind 9", count + "493,0000,156,0,A\r\n", "2行目：本の種別が１か２ではありません。"},
        {"compensation 2", count + "0122,0000,156,0,A\r\n", "2行目：補償の項目が０か１ではありません。"},
        {"option 2", count + "012,0200,156,0,A\r\n",
         "2行目：２番目の項目（オプション）の数字が０か１ではありません。"},
        {"option 9", count + "012,0009,156,0,A\r\n",
         "2行目：２番目の項目（オプション）の数字が０か１ではありません。"},
    };
    start(EDITION_SHOP);
    enter_order();
    type(c().EDIT7, "顧客"_sj);
    save_as(tmp.path("good.SAV"));
    const std::string before = snapshot();
    auto refused = [&](const std::string& bytes, const char* reason) {
        dialogs.seen.clear();
        load_bytes(bytes);
        ASSERT_EQ(dialogs.seen.size(), 2u);
        EXPECT_EQ(rt::to_utf8(dialogs.seen[1].text),
                  rt::to_utf8(files::bad_content_text(tmp.path("in.SAV"), rt::to_sjis(reason))));
        EXPECT_EQ(snapshot(), before);
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        refused(rt::to_sjis(k.bytes), k.reason);
    }
    for (const auto& k : raw_cases) {
        SCOPED_TRACE(k.name);
        refused(k.bytes, k.reason);
    }
}

// What loads saves to a file that loads to the same order and saves to the
// same bytes.
TEST_F(OrderFile, WhatLoadsSavesBack) {
    const struct {
        const char* name;
        std::string bytes;
        int coupons;
    } cases[] = {
        {"two coupons on one line", "割引券:2\r\n1612310043,1612310034\r\n013,0000,156,0,ABC\r\n", 2},
        {"coupons over two lines", "割引券:3\r\n1612310043:1612310034\r\n 1612310041\r\n", 3},
        {"a separator after the last coupon", "割引券:2\r\n1612310043,\r\n1612310034,\r\n", 2},
        {"ten coupons", "割引券:10\r\n" + [] {
             std::string lines;
             for (int i = 0; i < 10; ++i) lines += "1612310043\r\n";
             return lines;
         }(), 10},
        {"LF line ends", "お客様氏名:山田 太郎\n前受額:999999\n少額割引額:99999\n割引券:1\n1612310043\n"
                         "013,0000,156,0,ABC\n4130,1011,400,1,写真集: 続\n", 1},
        {"LF line ends and a Ctrl-Z", "割引券:0\n013,0000,156,0,ABC\n\n\x1a", 0},
        {"leading zeros and blanks", "前受額: 000123 \r\n割引券:0\r\n", 0},
        {"blank lines at the end", "割引券:0\r\n013,0000,156,0,A\r\n\r\n\r\n", 0},
        // Work 0: a title the import brought and no one has opened yet.
        {"work 0", "割引券:0\r\n000,0000,156,0,A\r\n", 0},
        // Kind 0 and the reset works of a cleared slot, gifts on the scanned.
        {"kinds and works a slot can hold",
         "割引券:0\r\n0131,0000,156,0,A\r\n1120,1111,120,1,B\r\n202,0000,120,0,C\r\n"
         "3030,0000,156,1,D\r\n401,0000,156,0,E\r\n", 0},
        {"a name of blanks and colons", "お客様氏名:  山田:太郎  \r\n割引券:0\r\n", 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        start(EDITION_SHOP);
        dialogs.seen.clear();
        load_bytes(rt::to_sjis(k.bytes));
        ASSERT_TRUE(dialogs.seen.size() == 1u) << rt::to_utf8(dialogs.seen.back().text);
        EXPECT_EQ(s().COUPONCOUNT, k.coupons);
        const std::string first = snapshot();
        const std::string saved = files::order_file_bytes();
        load_bytes(saved);
        EXPECT_EQ(snapshot(), first);
        EXPECT_EQ(files::order_file_bytes(), saved);
    }
}

TEST_F(OrderFile, RemovingATitleOfAFullCategorySavesEachOtherOnce) {
    std::string bytes = "割引券:0\r\n"_sj;
    for (int i = 0; i < SLOT_COUNT; ++i) bytes += "013,0000,156,0,T" + std::to_string(i) + "\r\n";
    start(EDITION_CUSTOMER);
    load_bytes(bytes);
    ASSERT_EQ(s().TITLECOUNT(0), SLOT_COUNT);
    click(c().BUTTON5);
    select(c().LIST1, 0);
    type(c().EDIT1, "");
    click(c().BUTTON14);
    click(c().BUTTON11);
    std::string expected = "割引券:0\r\n"_sj;
    for (int i = 1; i < SLOT_COUNT; ++i) expected += "013,0000,156,0,T" + std::to_string(i) + "\r\n";
    EXPECT_EQ(files::order_file_bytes(), expected);
}

TEST_F(OrderFile, TenCouponsAllCount) {
    std::string bytes = "割引券:10\r\n"_sj;
    for (int i = 0; i < 5; ++i) bytes += "1612310043,1612310034\r\n";
    start(EDITION_CUSTOMER);
    load_bytes(bytes);
    EXPECT_EQ(s().COUPONCOUNT, 10);
    EXPECT_EQ(s().COUPON_DISC, 5 * 3000 + 5 * 400);
    EXPECT_EQ(c().COMBO1->item_count(), 10);
}

TEST_F(OrderFile, LfLinesLoadAsCrLfLines) {
    const std::string crlf = "お客様氏名:山田\r\n前受額:500\r\n割引券:1\r\n1612310043\r\n"
                             "0131,0000,156,0,ABC\r\n413,1011,400,1,DEF\r\n"_sj;
    std::string lf = crlf;
    for (size_t at = lf.find("\r\n"); at != std::string::npos; at = lf.find("\r\n", at))
        lf.erase(at, 1);
    start(EDITION_SHOP);
    load_bytes(crlf);
    const std::string from_crlf = snapshot();
    start(EDITION_SHOP);
    load_bytes(lf);
    EXPECT_EQ(snapshot(), from_crlf);
    EXPECT_EQ(files::order_file_bytes(), crlf);
}

TEST_F(OrderFile, AFileLargerThanAnyOrderIsRefusedUnread) {
    EXPECT_EQ(files::ORDER_FILE_MAX_BYTES, 619u * 32769 + 1);
    start(EDITION_SHOP);
    enter_order();
    const std::string before = snapshot();
    const std::string path = tmp.path("huge.SAV");
    TempDir::write(path, "割引券:0\r\n"_sj);
    fs::resize_file(path, files::ORDER_FILE_MAX_BYTES + 1);  // sparse: no disk taken
    dialogs.seen.clear();
    load(path);
    ASSERT_EQ(dialogs.seen.size(), 2u);
    EXPECT_EQ(dialogs.seen[1].text,
              files::bad_content_text(path, "ファイルが大きすぎます（２０,２８４,０１２バイトまで）。"_sj));
    EXPECT_EQ(snapshot(), before);
}

// A name with a character Shift-JIS lacks is shown as it is in the box.
TEST_F(OrderFile, ARefusedFileIsNamedAsItIs) {
    start(EDITION_SHOP);
    const std::string path = tmp.path("😀壊れ.SAV");
    TempDir::write(path, "not an order");
    dialogs.seen.clear();
    load(path);
    ASSERT_EQ(dialogs.seen.size(), 2u);
    EXPECT_NE(rt::to_utf8(dialogs.seen[1].text).find("\n" + path + "\r\n"), std::string::npos);
}

// The payment boxes' own limits are those the file is held to.
TEST_F(OrderFile, PaymentLimitsAreThoseOfTheBoxes) {
    start(EDITION_SHOP);
    EXPECT_EQ(c().EDIT4->max_length(), files::ADVANCE_DIGITS);
    EXPECT_EQ(c().EDIT5->max_length(), files::DISCOUNT_DIGITS);
    EXPECT_EQ(c().COMBO1->max_length(), int(files::COUPON_BYTES));
}

}  // namespace
}  // namespace scanfee::testing
