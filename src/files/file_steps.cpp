#include "files/file_steps.h"

#include "core/order_state.h"
#include "files/text_utils.h"
#include "runtime/paths.h"
#include "runtime/sjis.h"
#include "ui/dialogs.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

// Where a dialog opens: the remembered folder and the proposed name. A name
// that stands for the folder itself ("/") adds no second slash to it.
std::string default_path(const std::string& name) {
    const std::string& folder = order().LASTDIR;
    if (!folder.empty() && folder.back() == '/' && !name.empty() && name.front() == '/')
        return folder + name.substr(1);
    return folder + name;
}

// A byte count in full-width digits, grouped by three.
std::string byte_count(std::uint64_t bytes) {
    std::string digits = std::to_string(bytes);
    全角数字化_SUB(digits);
    return digits + "バイト"_sj;
}

}  // namespace

std::string failure_text(const char* what, const rt::FileError& error) {
    return rt::to_sjis(what) + "\r\n" + rt::to_sjis_shown(error.path) + "\r\n" + "理由："_sj +
           failure_reason(error);
}

std::string too_large_reason(std::uint64_t limit_bytes) {
    return "ファイルが大きすぎます（"_sj + byte_count(limit_bytes) + "まで）。"_sj;
}

std::string line_too_long_reason(std::size_t line_number) {
    return std::to_string(line_number) + "行目が長すぎます（"_sj + byte_count(rt::MAX_LINE_BYTES) +
           "まで）。"_sj;
}

std::string line_reason(std::size_t line_number, const std::string& reason) {
    return std::to_string(line_number) + "行目："_sj + reason;
}

std::string failure_reason(const rt::FileError& error) { return error.reason(); }

std::string file_error_caption() { return "ファイルエラーメッセージ"_sj; }

std::string write_failure_text(const rt::FileError& error) {
    return failure_text("次のファイルを保存できませんでした。", error);
}

std::string read_failure_text(const rt::FileError& error) {
    return failure_text("次のファイルを読み込めませんでした。", error);
}

std::string bad_content_text(const std::string& path, const std::string& reason) {
    return "次のファイルは読み込めない形式です。"_sj + "\r\n" + rt::to_sjis_shown(path) + "\r\n" +
           "理由："_sj + reason;
}

void report_write_failure(const ui::Form* owner, const rt::FileError& error) {
    ui::message_box(owner, file_error_caption(), write_failure_text(error), ui::Buttons::Ok,
                    ui::Icon::Stop);
}

void report_read_failure(const ui::Form* owner, const rt::FileError& error) {
    ui::message_box(owner, file_error_caption(), read_failure_text(error), ui::Buttons::Ok,
                    ui::Icon::Stop);
}

void report_bad_content(const ui::Form* owner, const std::string& path, const std::string& reason) {
    ui::message_box(owner, file_error_caption(), bad_content_text(path, reason), ui::Buttons::Ok,
                    ui::Icon::Stop);
}

bool choose_save_file(const ui::Form* owner, const std::string& title,
                      const std::string& default_name, const std::string& filter,
                      const std::string& extension) {
    OrderState& s = order();
    std::string chosen =
        ui::save_dialog(owner, title, default_path(rt::to_utf8(default_name)), filter);
    if (chosen == ui::CANCEL_MARK) return false;
    rt::PathParts parts = rt::split_path(chosen);
    s.LASTDIR = parts.drive + parts.folder;
    s.FILENAME = chosen;
    if (parts.extension.empty()) s.FILENAME = s.LASTDIR + parts.name + extension;
    return true;
}

bool choose_open_file(const ui::Form* owner, const std::string& title,
                      const std::string& default_name, const std::string& filter) {
    OrderState& s = order();
    std::string chosen =
        ui::open_dialog(owner, title, default_path(rt::to_utf8(default_name)), filter);
    if (chosen == ui::CANCEL_MARK) return false;
    s.FILENAME = chosen;
    rt::PathParts parts = rt::split_path(chosen);
    s.LASTDIR = parts.drive + parts.folder;
    return true;
}

namespace {

FileHandover& handover() {
    static FileHandover the_handover;
    return the_handover;
}

}  // namespace

void set_file_handover(FileHandover next) { handover() = std::move(next); }

bool commit_file(const ui::Form* owner, const rt::TextFileWriter& writer) {
    rt::Status failed = rt::write_file_atomically(writer.path(), writer.bytes(), rt::WriteMode::Replace);
    if (!failed && handover()) failed = handover()(writer.path());
    if (failed) {
        report_write_failure(owner, *failed);
        return false;
    }
    return true;
}

}  // namespace scanfee::files
