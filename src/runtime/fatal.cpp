#include "runtime/fatal.h"

#include <new>

#include "runtime/sjis.h"

namespace scanfee::rt {

std::string error_message(int number) {
    const char* text = nullptr;
    switch (number) {
        case ERR_INVALID_ARGUMENT: text = "引数が正しくありません"; break;
        case ERR_OVERFLOW: text = "オーバーフローしました"; break;
        case ERR_OUT_OF_MEMORY: text = "メモリが不足しています"; break;
        case ERR_SUBSCRIPT: text = "インデックスが有効範囲にありません"; break;
        case ERR_DIVISION_BY_ZERO: text = "0 で除算しました"; break;
        case ERR_LINE_TOO_LONG: text = "行が長すぎます"; break;
        case ERR_BAD_FILE_NUMBER: text = "ファイル番号が正しくありません"; break;
        case ERR_BAD_FILE_MODE: text = "ファイルモードが正しくありません"; break;
        case ERR_FILE_IN_USE: text = "ファイルは既に使用中です"; break;
        case ERR_READ_PAST_END: text = "ファイルの終わりを越えて読み込もうとしました"; break;
        case ERR_BAD_FILE_NAME: text = "ファイル名が正しくありません"; break;
        case ERR_FILE_NOT_OPEN: text = "ファイルが開かれていません"; break;
        case ERR_EMPTY_NUMBER_FIELD: text = "数値の項目が空です"; break;
        case ERR_NOT_FOUND: text = "ファイルまたはフォルダが見つかりません"; break;
        case ERR_ALREADY_EXISTS: text = "ファイルは既に存在します"; break;
        case ERR_DISK_FULL: text = "ディスクがいっぱいです"; break;
        case ERR_ACCESS_DENIED: text = "アクセスが拒否されました"; break;
        case ERR_SYSTEM: text = "システムエラーが発生しました"; break;
        default: return {};
    }
    return to_sjis(text);
}

FatalError::FatalError(int number, std::string module, unsigned line)
    : std::runtime_error("fatal error " + std::to_string(number) + " in " + module + ":" +
                         std::to_string(line)),
      number_(number),
      module_(std::move(module)),
      line_(line) {}

std::string FatalError::caption() { return "SCANFEE.EXE"; }

std::string FatalError::report_text() const {
    std::string text = "\r\n" + module_ + " [" + std::to_string(line_) + to_sjis("行]:エラー[") +
                       std::to_string(number_) + "]";
    std::string message = error_message(number_);
    if (!message.empty()) text += "\r\n" + message;
    return text;
}

void fatal(int number, const char* module, unsigned line) {
    throw FatalError(number, module ? module : "?", line);
}

std::string last_resort_text(const std::string& module, unsigned line) {
    return to_sjis("続行不可能なエラーが発生しました ") + module + " [" + std::to_string(line) +
           to_sjis("行]") + "\r\n";
}

FatalReport fatal_report(std::exception_ptr error, const char* module, unsigned line) {
    FatalReport report;
    report.caption = FatalError::caption();
    const std::string place = module ? module : "?";
    try {
        std::rethrow_exception(error);
    } catch (const FatalError& e) {
        report.text = e.report_text();
    } catch (const std::bad_alloc&) {
        report.text = FatalError(ERR_OUT_OF_MEMORY, place, line).report_text();
    } catch (...) {
        report.last_resort = true;
        report.text = last_resort_text(place, line);
    }
    return report;
}

}  // namespace scanfee::rt
