#include "files/recovery.h"

#include <utility>

#include "files/file_steps.h"
#include "files/order_file.h"
#include "files/order_file_format.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "summary/summary_screen.h"
#include "ui/dialogs.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

struct Recovery {
    std::unique_ptr<RecoveryStore> store;
    std::string saved;  // the order last saved or loaded, as the copy would hold it
    std::string empty;  // the fresh order of the start
    // What the copy on the disk holds; nothing while no copy of ours is there.
    std::optional<std::string> written;
    // A copy of an earlier run may lie there until it has been looked at.
    bool earlier_copy_possible = true;
    // One message per run of failures in a row: a full disk must not stop
    // every keystroke with a box.
    bool failure_reported = false;
};

std::unique_ptr<Recovery>& recovery() {
    static std::unique_ptr<Recovery> the_recovery;
    return the_recovery;
}

bool holds_an_order(const OrderFileContent& content) {
    return !content.titles.empty() || !content.coupons.empty() || content.name ||
           (content.advance && *content.advance > 0) || (content.discount && *content.discount > 0);
}

std::string utf8_line(const std::string& text) { return rt::to_sjis(text) + "\r\n"; }

// The shop's "特別割引適用" tick has no place in the order file, yet it is part
// of what the user entered: the copy carries it as a last line of its own,
// which only the recovery reads.
std::string special_discount_line() { return "特別割引適用:1"_sj + "\r\n"; }

bool special_discount_ticked() {
    const ui::Control* tick = screens::scr().CHECK8;
    return tick && tick->checked() == 1;
}

std::string copy_of(const std::string& order) {
    return special_discount_ticked() ? order + special_discount_line() : order;
}

// The order file inside a copy, and whether the copy carries the tick.
std::pair<std::string, bool> split_copy(const std::string& copy) {
    const std::string line = special_discount_line();
    if (copy.size() >= line.size() && copy.ends_with(line))
        return {copy.substr(0, copy.size() - line.size()), true};
    return {copy, false};
}

void report(const std::string& text) {
    ui::message_box(screens::scr().MAINFORM, recovery_caption(), text, ui::Buttons::Ok,
                    ui::Icon::Exclamation);
}

// A copy that cannot be taken back is moved out of the way and named.
void set_aside(Recovery& r, const std::string& why) {
    std::string text = "前回の注文の控えを読み込めませんでした。"_sj + "\r\n" +
                       utf8_line(r.store->where()) + "理由："_sj + why + "\r\n";
    rt::Result<std::string> moved = r.store->set_aside();
    if (moved) {
        text += "控えは次の名前で残してあります。"_sj + "\r\n" + rt::to_sjis_shown(moved.value());
    } else {
        text += "控えを別の名前に移せませんでした。"_sj + "\r\n" + "理由："_sj +
                failure_reason(moved.error());
        r.store->remove();
    }
    report(text);
}

void write_failed(Recovery& r, const rt::FileError& error) {
    if (r.failure_reported) return;
    r.failure_reported = true;
    report("注文の控えを保存できません。"_sj + "\r\n" + utf8_line(r.store->where()) + "理由："_sj +
           failure_reason(error) + "\r\n" + "注文はこまめにセーブしてください。"_sj);
}

}  // namespace

std::string recovery_caption() { return "注文の控え"_sj; }

std::string recovery_question(int titles, int coupons) {
    return rt::to_sjis("前回、セーブされないまま終わった注文が残っています。\r\n（タイトル " +
                       std::to_string(titles) + " 件、割引券 " + std::to_string(coupons) +
                       " 枚）\r\n\r\nこの注文を元に戻しますか？\r\n「いいえ」を選ぶと、"
                       "残っていた注文は破棄されます。");
}

void start_recovery(std::unique_ptr<RecoveryStore> store) {
    auto r = std::make_unique<Recovery>();
    r->store = std::move(store);
    r->empty = order_on_screen_bytes();
    r->saved = r->empty;
    recovery() = std::move(r);
}

void stop_recovery() { recovery().reset(); }

bool recovery_active() { return recovery() != nullptr; }

void offer_recovery() {
    if (!recovery()) return;
    Recovery& r = *recovery();
    r.earlier_copy_possible = false;
    rt::Result<std::optional<std::string>> copy = r.store->read();
    if (!copy) return set_aside(r, failure_reason(copy.error()));
    if (!copy.value()) return;
    const auto [order_bytes, ticked] = split_copy(*copy.value());
    OrderFileParse parsed = parse_order_file(order_bytes);
    if (!parsed.content) return set_aside(r, parsed.refusal);
    r.written = *copy.value();
    const OrderFileContent& content = *parsed.content;
    if (!holds_an_order(content)) {
        keep_recovery_copy();
        return;
    }
    int answer = ui::message_box(screens::scr().MAINFORM, recovery_caption(),
                                 recovery_question(int(content.titles.size()),
                                                   int(content.coupons.size())),
                                 ui::Buttons::YesNo, ui::Icon::Question);
    if (answer == ui::ANSWER_YES) {
        apply_order_file(content);
        if (ticked && screens::scr().CHECK8) screens::scr().CHECK8->set_checked(1);
        summary::総合画面_SETSUB();
    }
    // No: the order on screen is the fresh one, so the copy goes.
    keep_recovery_copy();
}

void keep_recovery_copy() {
    if (!recovery()) return;
    Recovery& r = *recovery();
    // Nothing is written over a copy of an earlier run before it was offered.
    if (r.earlier_copy_possible) return;
    const std::string now = order_on_screen_bytes();
    if (now == r.saved || now == r.empty) {
        if (!r.written) return;
        if (rt::Status failed = r.store->remove(); failed && failed->number != rt::ERR_NOT_FOUND)
            return write_failed(r, *failed);
        r.written.reset();
        r.failure_reported = false;
        return;
    }
    // The tick alone makes no unsaved order (no file holds it), but a copy
    // kept for an unsaved order carries it.
    const std::string copy = copy_of(now);
    if (r.written && *r.written == copy) return;
    if (rt::Status failed = r.store->write(copy)) return write_failed(r, *failed);
    r.written = copy;
    r.failure_reported = false;
}

void note_order_saved() {
    if (recovery()) recovery()->saved = order_on_screen_bytes();
}

}  // namespace scanfee::files
