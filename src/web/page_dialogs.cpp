#include "web/page_dialogs.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

#include "runtime/file_filter.h"
#include "runtime/paths.h"
#include "runtime/sjis.h"
#include "runtime/text_file.h"
#include "ui/model_json.h"
#include "ui/typed_text.h"
#include "web/page_files.h"

namespace scanfee::web {
namespace {

// Each takes and gives UTF-8; a cancelled dialog gives a null pointer.
EM_ASYNC_JS(int, page_message_box, (const char* caption, const char* text, int buttons, int icon), {
    return await Module.page.messageBox(UTF8ToString(caption), UTF8ToString(text), buttons, icon);
});

EM_ASYNC_JS(char*, page_text_dialog, (const char* request), {
    const answer = await Module.page.textDialog(JSON.parse(UTF8ToString(request)));
    return answer === null ? 0 : allocateUTF8(answer);
});

// The chosen file goes into the files folder under its own name.
EM_ASYNC_JS(char*, page_open_dialog, (const char* request), {
    const chosen = await Module.page.openDialog(JSON.parse(UTF8ToString(request)));
    if (chosen === null) return 0;
    FS.writeFile(chosen.name, chosen.bytes);
    return allocateUTF8(chosen.name);
});

std::string answer_of(char* answer) {
    if (!answer) return ui::CANCEL_MARK;
    std::unique_ptr<char, decltype(&std::free)> owned(answer, &std::free);
    return owned.get();
}

std::string shown(const std::string& sjis) { return rt::to_utf8_lf(sjis); }

// The filter's choices, each a caption and its patterns, and the one
// chosen first.
std::string filter_fields(const rt::FilterList& list) {
    std::string filters = "[";
    for (const rt::FileFilter& f : list.filters) {
        std::string patterns = "[";
        for (const std::string& p : f.patterns)
            patterns += (patterns.size() > 1 ? "," : "") + ui::json_string(rt::to_utf8(p));
        filters += (filters.size() > 1 ? "," : "") + std::string("{\"caption\":") +
                   ui::json_string(rt::to_utf8(f.caption)) + ",\"patterns\":" + patterns + "]}";
    }
    return "\"filters\":" + filters + "],\"selected\":" + std::to_string(list.selected);
}

// The name the download gets: the program adds the filter's extension to a
// name typed without one.
std::string download_name(const std::string& typed, const rt::FilterList& filters) {
    if (!rt::split_path(typed).extension.empty()) return typed;
    const rt::FileFilter& shown_filter = filters.filters[filters.selected];
    if (shown_filter.patterns.empty()) return typed;
    const std::string& pattern = shown_filter.patterns.front();
    return pattern.starts_with("*.") ? typed + rt::to_utf8(pattern.substr(1)) : typed;
}

}  // namespace

int PageDialogs::message_box(const ui::Form*, const std::string& caption, const std::string& text,
                             ui::Buttons buttons, ui::Icon icon) {
    before_();
    return page_message_box(shown(caption).c_str(), shown(text).c_str(), static_cast<int>(buttons),
                            static_cast<int>(icon));
}

std::string PageDialogs::save_dialog(const ui::Form*, const std::string& title,
                                     const std::string& default_path, const std::string& filter) {
    before_();
    const rt::FilterList filters = rt::parse_filter_text(filter);
    std::string name = rt::split_default_path(default_path).file_name, error;
    for (;;) {
        const std::string request = "{\"kind\":\"save\",\"title\":" + ui::json_string(shown(title)) + "," +
                                    filter_fields(filters) + ",\"name\":" + ui::json_string(name) +
                                    ",\"error\":" + ui::json_string(error) + "}";
        const std::string typed = answer_of(page_text_dialog(request.c_str()));
        if (typed == ui::CANCEL_MARK) return typed;
        // A name the download cannot carry is refused here, while the order
        // is not yet counted as saved, and the dialog shown again with it.
        error = rt::to_utf8(rt::save_name_refusal(typed));
        if (error.empty() && download_name(typed, filters).size() > DOWNLOAD_NAME_MAX_BYTES)
            error = "ファイル名が長すぎます（拡張子を含めて " + std::to_string(DOWNLOAD_NAME_MAX_BYTES) +
                    " バイト、全角でおよそ " + std::to_string(DOWNLOAD_NAME_MAX_BYTES / 3) +
                    " 文字まで）。短い名前にしてください。";
        if (error.empty()) return typed;
        name = typed;
    }
}

std::string PageDialogs::open_dialog(const ui::Form*, const std::string& title,
                                     const std::string& default_path, const std::string& filter) {
    before_();
    const std::string request =
        "{\"kind\":\"open\",\"title\":" + ui::json_string(shown(title)) + "," +
        filter_fields(rt::open_dialog_filters(rt::parse_filter_text(filter))) +
        ",\"name\":" + ui::json_string(rt::split_default_path(default_path).file_name) +
        ",\"limit\":" + std::to_string(rt::MAX_TEXT_FILE_BYTES) + "}";
    std::string chosen = answer_of(page_open_dialog(request.c_str()));
    if (chosen != ui::CANCEL_MARK) note_opened_file(chosen);
    return chosen;
}

std::string PageDialogs::input_box(const ui::Form*, const std::string& caption,
                                   const std::string& prompt, const std::string& default_text) {
    before_();
    std::string value = rt::to_utf8(default_text), error;
    for (;;) {
        const std::string request = "{\"kind\":\"input\",\"title\":" + ui::json_string(shown(caption)) +
                                    ",\"text\":" + ui::json_string(shown(prompt)) +
                                    ",\"value\":" + ui::json_string(value) +
                                    ",\"error\":" + ui::json_string(error) +
                                    ",\"limit\":" + std::to_string(ui::DIALOG_TEXT_LIMIT) + "}";
        const std::string typed = answer_of(page_text_dialog(request.c_str()));
        if (typed == ui::CANCEL_MARK) return typed;
        // What the box cannot hold is named, and the box shown again with
        // what it will keep, as the window program's box does.
        const ui::TypedText taken = ui::take_typed(typed);
        error.clear();
        if (!taken.refused.empty()) error = ui::refusal_notice(taken.refused);
        std::string kept = taken.text;
        if (kept.size() > ui::DIALOG_TEXT_LIMIT) {
            kept = ui::fit_edit("", kept, ui::DIALOG_TEXT_LIMIT).value_or(std::string());
            error += (error.empty() ? "" : "\n") + ui::limit_notice(false, int(ui::DIALOG_TEXT_LIMIT));
        }
        if (error.empty()) return kept;
        value = rt::to_utf8(kept);
    }
}

}  // namespace scanfee::web
