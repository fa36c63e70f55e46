// The five screens as designed: every form and control with its kind,
// caption, place, size, font, colours, alignment, limits and first state.
#include "screens/screen_definitions.h"

#include "runtime/sjis.h"

namespace scanfee::screens {

using namespace ui;
using rt::to_sjis;

namespace {

void define_mainform(ScreenModel& model) {
    const std::string PGOTHIC = to_sjis("ＭＳ Ｐゴシック");
    const std::string GOTHIC = to_sjis("ＭＳ ゴシック");
    Form& f = model.add_form("MAINFORM", to_sjis("ミクリ計算総合画面"), 646, 418, FrameStyle::Resizable);
    f.add(Kind::Label, "TEXT1", to_sjis("作業代の合計"))
        .at(392, 96, 88, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT2")
        .at(496, 96, 104, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT3", to_sjis("メディア代"))
        .at(392, 128, 88, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT4")
        .at(496, 128, 104, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT5", to_sjis("返送料"))
        .at(392, 160, 88, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT6")
        .at(496, 160, 104, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT7", to_sjis("小計"))
        .at(392, 192, 88, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT8")
        .at(496, 192, 104, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT9", to_sjis("割引券の合計額"))
        .at(16, 256, 104, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT10")
        .at(136, 256, 104, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT11", to_sjis("総合計金額"))
        .at(344, 240, 112, 24)
        .with_font(PGOTHIC, 22)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT12", to_sjis("１０，０００円"))
        .at(472, 240, 136, 24)
        .with_font(PGOTHIC, 22)
        .with_colors(colors::black, colors::yellow)
        .aligned(Align::Right);
    f.add(Kind::Button, "BUTTON1", to_sjis("終　　　了"))
        .at(480, 312, 128, 48)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "BUTTON2", to_sjis("申込用データ出力"))
        .at(480, 48, 128, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "BUTTON3", to_sjis("セーブ"))
        .at(536, 16, 72, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "BUTTON4", to_sjis("ロード"))
        .at(448, 16, 80, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "BUTTON5", to_sjis("コミックの申込資料作成"))
        .at(24, 40, 216, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "BUTTON6", to_sjis("同人誌の申込資料作成"))
        .at(24, 72, 216, 24)
        .with_font(PGOTHIC, 14)
        .hidden();
    f.add(Kind::Button, "BUTTON7", to_sjis("中綴じ雑誌の申込資料作成"))
        .at(24, 168, 104, 24)
        .with_font(PGOTHIC, 14)
        .hidden();
    f.add(Kind::Button, "BUTTON8", to_sjis("無線綴じ雑誌の申込資料作成"))
        .at(24, 136, 104, 24)
        .with_font(PGOTHIC, 14)
        .hidden();
    f.add(Kind::Button, "BUTTON9", to_sjis("写真集・資料集等の申込資料作成"))
        .at(24, 104, 216, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT15", to_sjis("箱割りの額"))
        .at(32, 304, 88, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT16")
        .at(136, 304, 104, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT39", to_sjis("特別割りの額"))
        .at(16, 280, 104, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT40")
        .at(136, 280, 104, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Combo, "COMBO1")
        .at(24, 224, 104, 85)
        .with_font(GOTHIC, 14);
    f.add(Kind::Button, "BUTTON15", to_sjis("←　割引券番号登録"))
        .at(136, 224, 152, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT41")
        .at(248, 48, 96, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT42")
        .at(248, 80, 96, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right)
        .hidden();
    f.add(Kind::Label, "TEXT43")
        .at(136, 176, 96, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right)
        .hidden();
    f.add(Kind::Label, "TEXT44")
        .at(136, 144, 96, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right)
        .hidden();
    f.add(Kind::Label, "TEXT45")
        .at(248, 112, 96, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT46", to_sjis("作業代小計"))
        .at(256, 16, 72, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Center);
    f.add(Kind::Label, "TEXT49", to_sjis("作業代補償額"))
        .at(32, 328, 88, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT50")
        .at(136, 328, 104, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Edit, "EDIT4")
        .at(344, 272, 80, 24)
        .with_font(PGOTHIC, 14)
        .digits(6);
    f.add(Kind::Label, "TEXT51", to_sjis("前受け金"))
        .at(280, 280, 56, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Edit, "EDIT5")
        .at(344, 304, 80, 24)
        .with_font(PGOTHIC, 14)
        .digits(5);
    f.add(Kind::Label, "TEXT52", to_sjis("調整割引"))
        .at(280, 312, 56, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT53", to_sjis("差引合計"))
        .at(448, 280, 56, 16)
        .with_font(PGOTHIC, 14)
        .with_colors(colors::black, colors::cyan)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT54")
        .at(512, 280, 104, 16)
        .with_font(PGOTHIC, 14)
        .with_colors(colors::black, colors::cyan)
        .aligned(Align::Right);
    f.add(Kind::Edit, "EDIT7")
        .at(272, 352, 192, 24)
        .with_font(PGOTHIC, 14)
        .input_method(Ime::On);
    f.add(Kind::Label, "TEXT55", to_sjis("お客様の氏名"))
        .at(168, 360, 88, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::CheckBox, "CHECK8", to_sjis("特別割引適用"))
        .at(16, 352, 120, 24)
        .with_font(PGOTHIC, 14)
        .with_colors(colors::magenta, colors::white);
}

void define_form2(ScreenModel& model) {
    const std::string PGOTHIC = to_sjis("ＭＳ Ｐゴシック");
    const std::string MINCHO = to_sjis("ＭＳ 明朝");
    Form& f = model.add_form("FORM2", to_sjis("FORM2"), 646, 460, FrameStyle::Dialog);
    f.add(Kind::List, "LIST1")
        .at(16, 104, 608, 310)
        .with_font(MINCHO, 14);
    f.add(Kind::Button, "BUTTON10", to_sjis("ユーザーデータからタイトル名取得"))
        .at(16, 8, 216, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "BUTTON11", to_sjis("総合画面に戻る"))
        .at(472, 8, 136, 32)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT13", to_sjis("小合計"))
        .at(224, 56, 88, 24)
        .with_font(PGOTHIC, 22)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT14")
        .at(336, 56, 152, 24)
        .with_font(PGOTHIC, 22)
        .with_colors(colors::black, colors::yellow)
        .aligned(Align::Right);
    f.add(Kind::Button, "BUTTON20", to_sjis("全タイトル消去"))
        .at(24, 72, 152, 24)
        .with_font(PGOTHIC, 14);
}

void define_form3(ScreenModel& model) {
    const std::string PGOTHIC = to_sjis("ＭＳ Ｐゴシック");
    Form& f = model.add_form("FORM3", to_sjis("FORM3"), 646, 480, FrameStyle::Dialog);
    f.add(Kind::Radio, "RADIO1", to_sjis("通常版"))
        .at(216, 72, 96, 16)
        .with_font(PGOTHIC, 14)
        .checked_at_first()
        .in_group("GROUP1");
    f.add(Kind::Radio, "RADIO2", to_sjis("コンビニ版"))
        .at(216, 104, 96, 16)
        .with_font(PGOTHIC, 14)
        .in_group("GROUP1");
    f.add(Kind::Group, "GROUP1", to_sjis("本の種別"))
        .at(200, 48, 120, 80)
        .with_font(PGOTHIC, 14)
        .with_colors(colors::purple, colors::white);
    f.add(Kind::Radio, "RADIO3", to_sjis("解体のみ"))
        .at(448, 72, 104, 16)
        .with_font(PGOTHIC, 14)
        .in_group("GROUP2");
    f.add(Kind::Radio, "RADIO4", to_sjis("解体とデータ化"))
        .at(448, 88, 128, 16)
        .with_font(PGOTHIC, 14)
        .hidden()
        .in_group("GROUP2");
    f.add(Kind::Radio, "RADIO5", to_sjis("解体・データ化再製本"))
        .at(448, 104, 160, 16)
        .with_font(PGOTHIC, 14)
        .checked_at_first()
        .in_group("GROUP2");
    f.add(Kind::Group, "GROUP2", to_sjis("作業内容の指定"))
        .at(432, 48, 184, 88)
        .with_font(PGOTHIC, 14)
        .with_colors(colors::purple, colors::white);
    f.add(Kind::Edit, "EDIT1")
        .at(88, 16, 536, 24)
        .with_font(PGOTHIC, 14)
        .input_method(Ime::On);
    f.add(Kind::Edit, "EDIT2")
        .at(88, 64, 80, 24)
        .with_font(PGOTHIC, 14)
        .digits(5);
    f.add(Kind::Edit, "EDIT3")
        .at(88, 104, 80, 24)
        .with_font(PGOTHIC, 14)
        .digits(3);
    f.add(Kind::Label, "TEXT17", to_sjis("タイトル"))
        .at(24, 24, 48, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT18", to_sjis("表示価格"))
        .at(24, 72, 56, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT19", to_sjis("ページ数"))
        .at(24, 112, 56, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT20", to_sjis("基準価格"))
        .at(24, 152, 56, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT21")
        .at(96, 152, 112, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT22", to_sjis("基本金額"))
        .at(24, 216, 64, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT23")
        .at(96, 216, 112, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT24", to_sjis("解体料"))
        .at(40, 184, 48, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT25")
        .at(96, 184, 96, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT26", to_sjis("取り込み料"))
        .at(416, 160, 72, 16)
        .with_font(PGOTHIC, 14)
        .hidden();
    f.add(Kind::Label, "TEXT27")
        .at(496, 160, 96, 16)
        .with_font(PGOTHIC, 14)
        .hidden();
    f.add(Kind::Label, "TEXT28", to_sjis("データ化再製本料"))
        .at(240, 184, 112, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT29")
        .at(360, 184, 88, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT30", to_sjis("オプション料金の明細"))
        .at(24, 248, 144, 16)
        .with_font(PGOTHIC, 14)
        .with_colors(colors::purple, colors::white);
    f.add(Kind::Label, "TEXT31")
        .at(24, 272, 80, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT32")
        .at(24, 344, 80, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT33")
        .at(24, 296, 80, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT34")
        .at(24, 320, 80, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::Label, "TEXT35")
        .at(24, 368, 80, 16)
        .with_font(PGOTHIC, 14)
        .aligned(Align::Right);
    f.add(Kind::CheckBox, "CHECK1", to_sjis("目次の作品別に編集　（通常は１冊単位になります）"))
        .at(120, 272, 408, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::CheckBox, "CHECK2", to_sjis("モアレ除去しない　（ｄｐｉの設定加算額が小さくなります）"))
        .at(120, 344, 408, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::CheckBox, "CHECK3", to_sjis("見開きページ化しない　"))
        .at(120, 296, 408, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::CheckBox, "CHECK4", to_sjis("トリミングする"))
        .at(120, 320, 408, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT36", to_sjis("156 dpi (A5なら約912×1285ピクセル)"))
        .at(120, 368, 264, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT37", to_sjis("合計金額"))
        .at(248, 216, 96, 24)
        .with_font(PGOTHIC, 22);
    f.add(Kind::Label, "TEXT38")
        .at(360, 216, 224, 24)
        .with_font(PGOTHIC, 22)
        .with_colors(colors::black, colors::yellow);
    f.add(Kind::HScroll, "HSCROLL1")
        .at(120, 384, 264, 16)
        .with_colors(colors::black, colors::light_grey);
    f.add(Kind::Button, "button12", to_sjis("基本金額の計算を実行"))
        .at(240, 152, 168, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "button13", to_sjis("１５６ｄｐｉ"))
        .at(408, 368, 64, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "button14", to_sjis("終　了"))
        .at(544, 392, 80, 40)
        .with_font(PGOTHIC, 14);
    f.add(Kind::CheckBox, "CHECK6", to_sjis("補償"))
        .at(368, 248, 56, 16)
        .with_font(PGOTHIC, 14);
    f.add(Kind::CheckBox, "CHECK7", to_sjis("取込み作業後は贈与します"))
        .at(344, 416, 184, 16)
        .with_font(PGOTHIC, 14)
        .hidden();
    f.add(Kind::Label, "TEXT56")
        .at(24, 56, 360, 80)
        .with_font(PGOTHIC, 20)
        .with_colors(colors::magenta, colors::white);
}

void define_form4(ScreenModel& model) {
    const std::string PGOTHIC = to_sjis("ＭＳ Ｐゴシック");
    Form& f = model.add_form("FORM4", to_sjis("ユーザーデータの読み込み"), 544, 386, FrameStyle::Plain);
    f.add(Kind::List, "LIST2")
        .at(24, 64, 176, 282)
        .with_font(PGOTHIC, 14)
        .multiple_selection();
    f.add(Kind::List, "LIST3")
        .at(336, 64, 176, 106)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "BUTTON16", to_sjis("キャンセル"))
        .at(400, 304, 104, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "BUTTON17", to_sjis("→"))
        .at(224, 72, 80, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "BUTTON18", to_sjis("←"))
        .at(224, 104, 80, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "BUTTON19", to_sjis("データ転送　実行"))
        .at(344, 192, 168, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Label, "TEXT47", to_sjis("元データの項目"))
        .at(48, 32, 120, 16)
        .with_font(PGOTHIC, 16);
    f.add(Kind::Label, "TEXT48", to_sjis("抽出タイトル部"))
        .at(352, 32, 136, 16)
        .with_font(PGOTHIC, 16);
    f.add(Kind::CheckBox, "CHECK5", to_sjis("最初のデータは項目名"))
        .at(352, 232, 160, 16)
        .with_font(PGOTHIC, 14);
}

void define_form5(ScreenModel& model) {
    const std::string PGOTHIC = to_sjis("ＭＳ Ｐゴシック");
    const std::string MINCHO = to_sjis("ＭＳ 明朝");
    Form& f = model.add_form("FORM5", to_sjis("料金明細"), 800, 600, FrameStyle::Minimisable);
    f.add(Kind::Edit, "EDIT6")
        .at(16, 40, 760, 504)
        .with_font(MINCHO, 14)
        .multiline_read_only();
    f.add(Kind::Button, "button21", to_sjis("終了"))
        .at(712, 8, 64, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "button22", to_sjis("ファイルに出力"))
        .at(520, 8, 136, 24)
        .with_font(PGOTHIC, 14);
    f.add(Kind::Button, "button23", to_sjis("請求書・領収書のファイル出力"))
        .at(16, 8, 192, 24)
        .with_font(PGOTHIC, 14);
}

}  // namespace

void define_screens(ScreenModel& model) {
    define_mainform(model);
    define_form2(model);
    define_form3(model);
    define_form4(model);
    define_form5(model);
}

}  // namespace scanfee::screens
