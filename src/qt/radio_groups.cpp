#include "qt/radio_groups.h"

#include <algorithm>

namespace scanfee::qtview {

namespace {

// Whether the keyboard may stop at the radio button once its form is shown.
bool reachable(const ui::Control& c) { return c.visible() && c.enabled(); }

}  // namespace

std::vector<ui::Control*> radios_of(const ui::Form& form, std::string_view group) {
    std::vector<ui::Control*> radios;
    for (const auto& c : form.controls())
        if (c->kind() == ui::Kind::Radio && ui::same_name(c->group(), group))
            radios.push_back(c.get());
    std::stable_sort(radios.begin(), radios.end(), [](const ui::Control* a, const ui::Control* b) {
        const ui::Rect& ra = a->geometry();
        const ui::Rect& rb = b->geometry();
        return ra.y != rb.y ? ra.y < rb.y : ra.x < rb.x;
    });
    return radios;
}

ui::Control* radio_tab_stop(const std::vector<ui::Control*>& radios) {
    ui::Control* first = nullptr;
    for (ui::Control* r : radios) {
        if (!reachable(*r)) continue;
        if (r->checked() == 1) return r;
        if (!first) first = r;
    }
    return first;
}

ui::Control* radio_step(const std::vector<ui::Control*>& radios, const ui::Control& from,
                        bool forward) {
    const auto here = std::find(radios.begin(), radios.end(), &from);
    if (here == radios.end()) return nullptr;
    const auto n = static_cast<std::ptrdiff_t>(radios.size());
    const std::ptrdiff_t start = here - radios.begin();
    for (std::ptrdiff_t step = 1; step < n; ++step) {
        const std::ptrdiff_t i = ((start + (forward ? step : -step)) % n + n) % n;
        if (reachable(*radios[size_t(i)])) return radios[size_t(i)];
    }
    return nullptr;
}

}  // namespace scanfee::qtview
