#include "web/page_typing.h"

#include <emscripten.h>

#include <vector>

#include "ui/model.h"
#include "ui/typed_text.h"
#include "ui/user_actions.h"
#include "web/page_run.h"

namespace scanfee::web {
namespace {

EM_JS(void, page_notice, (const char* name, const char* text), {
    Module.page.notice(UTF8ToString(name), UTF8ToString(text));
});

}  // namespace

void type_into(const std::string& name, std::string_view utf8) {
    const ui::TypedText taken = ui::take_typed(utf8);
    std::string notice;
    auto add = [&](const std::string& line) { notice += (notice.empty() ? "" : "\n") + line; };
    auto type = [&](ui::Control& box) {
        // A digits-only box takes no key but digits, without a word.
        if (!taken.refused.empty() && !box.digits_only()) add(ui::refusal_notice(taken.refused));
        std::string text = box.filter_input(taken.text);
        if (box.max_length() > 0 && text.size() > static_cast<size_t>(box.max_length())) {
            add(ui::limit_notice(box.digits_only(), box.max_length()));
            // What the box held stays; what was typed or pasted is cut.
            text = ui::fit_edit(box.text(), text, static_cast<size_t>(box.max_length())).value_or(box.text());
        }
        return ui::user_type(box, text);
    };
    // The box keeps the user's own characters only when it took all of them.
    act(name, type, taken.refused.empty() ? &taken.text : nullptr);
    if (!notice.empty()) page_notice(ui::upper_name(name).c_str(), notice.c_str());
}

}  // namespace scanfee::web
