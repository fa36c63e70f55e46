#include "ui/reading_order.h"

#include <algorithm>
#include <climits>
#include <map>
#include <utility>

#include "ui/keyboard_order.h"

namespace scanfee::ui {

namespace {

// A combo box is placed by its edit field, one line high; its designed
// height reaches down over its dropped list.
constexpr int LINE_HEIGHT = 24;

int placed_height(const Control& c) {
    return c.kind() == Kind::Combo ? std::min(c.geometry().h, LINE_HEIGHT) : c.geometry().h;
}

using Place = std::pair<int, int>;  // row, left

// Rows from the top: a control whose top lies above the middle of a row's
// first control stands in that row.
std::map<const Control*, Place> places(const std::vector<const Control*>& controls) {
    std::vector<const Control*> by_top = controls;
    std::stable_sort(by_top.begin(), by_top.end(), [](const Control* a, const Control* b) {
        const Rect& ra = a->geometry();
        const Rect& rb = b->geometry();
        return ra.y != rb.y ? ra.y < rb.y : ra.x < rb.x;
    });
    std::map<const Control*, Place> place;
    int row = -1, row_middle = INT_MIN;
    for (const Control* c : by_top) {
        if (c->geometry().y >= row_middle) {
            ++row;
            row_middle = c->geometry().y + placed_height(*c) / 2;
        }
        place[c] = {row, c->geometry().x};
    }
    return place;
}

}  // namespace

std::vector<const Control*> reading_order(const Form& form) {
    std::vector<const Control*> order;
    const FormFocus* focus = focus_order(form.name());
    if (!focus) {
        for (const auto& c : form.controls()) order.push_back(c.get());
        return order;
    }

    // Radio buttons follow their group box; captions the control they name.
    std::map<const Control*, const Control*> caption_of;
    std::vector<const Control*> placed;
    for (const auto& c : form.controls()) {
        if (c->kind() == Kind::Radio && form.find(c->group())) continue;
        if (!c->labelled_by().empty())
            if (const Control* caption = form.find(c->labelled_by())) caption_of[c.get()] = caption;
        placed.push_back(c.get());
    }
    const std::map<const Control*, Place> place = places(placed);

    std::vector<const Control*> stops;
    for (const char* name : focus->chain)
        if (const Control* c = form.find(name)) stops.push_back(c);
    const size_t right = std::min(focus->right_column, stops.size());
    auto column_of_stop = [&](size_t i) { return right > 0 && i >= right ? 1 : 0; };
    int right_left = INT_MAX;
    for (size_t i = right; right > 0 && i < stops.size(); ++i)
        right_left = std::min(right_left, stops[i]->geometry().x);

    auto is_caption = [&](const Control* c) {
        for (const auto& [named, caption] : caption_of)
            if (caption == c) return true;
        return false;
    };
    // The controls read before each stop; the last list before none.
    std::vector<std::vector<const Control*>> before(stops.size() + 1);
    for (const Control* c : placed) {
        if (std::find(stops.begin(), stops.end(), c) != stops.end() || is_caption(c)) continue;
        const int column = c->geometry().x >= right_left ? 1 : 0;
        size_t at = column == 0 && right > 0 ? right : stops.size();
        for (size_t i = 0; i < stops.size(); ++i) {
            if (column_of_stop(i) == column && place.at(stops[i]) > place.at(c)) {
                at = i;
                break;
            }
        }
        before[at].push_back(c);
    }

    auto read = [&](const Control* c) {
        if (auto it = caption_of.find(c); it != caption_of.end()) order.push_back(it->second);
        order.push_back(c);
        if (c->kind() == Kind::Group)
            for (const Control* radio : radios_of(form, c->name())) order.push_back(radio);
    };
    for (size_t i = 0; i <= stops.size(); ++i) {
        std::stable_sort(before[i].begin(), before[i].end(),
                         [&](const Control* a, const Control* b) { return place.at(a) < place.at(b); });
        for (const Control* c : before[i]) read(c);
        if (i < stops.size()) read(stops[i]);
    }
    return order;
}

}  // namespace scanfee::ui
