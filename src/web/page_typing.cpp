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

// Whether the box's byte limit cut what it was given.
bool cut_by_limit(const ui::Control& box, const std::string& sjis) {
    if (box.max_length() <= 0) return false;
    ui::Control unlimited(box.kind(), box.name());
    unlimited.set_digits_only(box.digits_only());
    return unlimited.limit_input(sjis).size() > static_cast<size_t>(box.max_length());
}

}  // namespace

void type_into(const std::string& name, std::string_view utf8) {
    const ui::TypedText taken = ui::take_typed(utf8);
    std::string notice;
    auto add = [&](const std::string& line) { notice += (notice.empty() ? "" : "\n") + line; };
    auto type = [&](ui::Control& box) {
        // A digits-only box takes no key but digits, without a word.
        if (!taken.refused.empty() && !box.digits_only()) add(ui::refusal_notice(taken.refused));
        if (cut_by_limit(box, taken.text)) add(ui::limit_notice(box.digits_only(), box.max_length()));
        return ui::user_type(box, taken.text);
    };
    // The box keeps the user's own characters only when it took all of them.
    act(name, type, taken.refused.empty() ? &taken.text : nullptr);
    if (!notice.empty()) page_notice(ui::upper_name(name).c_str(), notice.c_str());
}

}  // namespace scanfee::web
