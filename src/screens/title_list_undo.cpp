#include "screens/title_list_undo.h"

#include <array>
#include <optional>
#include <vector>

#include "core/order_state.h"
#include "screens/title_list.h"

namespace scanfee::screens {
namespace {

// Every per-title field of the order, each named once.
#define SCANFEE_TITLE_FIELDS(X)                                                                  \
    X(TITLE) X(PRICE) X(PAGES) X(EDTYPE) X(WORK) X(OPT_EDIT) X(OPT_NOMOIRE) X(OPT_SINGLE)        \
    X(OPT_TRIM) X(DPI) X(OPT_COMP) X(COMP_AMOUNT) X(GIFT) X(TITLE_TOTAL)

// One title slot of a category, every field of it.
struct Slot {
#define SCANFEE_SLOT_MEMBER(name) std::decay_t<decltype(order().name(0, 0))> name{};
    SCANFEE_TITLE_FIELDS(SCANFEE_SLOT_MEMBER)
#undef SCANFEE_SLOT_MEMBER
    bool operator==(const Slot&) const = default;
};

// A whole category: its slots and its counts.
struct CategoryImage {
    std::vector<Slot> slots;
    int16 titlecount = 0;
    int16 giftcount = 0;
    single subtotal = 0;
    bool operator==(const CategoryImage&) const = default;
};

CategoryImage image_of(int category) {
    const OrderState& s = order();
    CategoryImage image;
    image.slots.resize(SLOT_COUNT);
    for (int i = 0; i < SLOT_COUNT; ++i) {
#define SCANFEE_TAKE(name) image.slots[size_t(i)].name = s.name(i, category);
        SCANFEE_TITLE_FIELDS(SCANFEE_TAKE)
#undef SCANFEE_TAKE
    }
    image.titlecount = s.TITLECOUNT(category);
    image.giftcount = s.GIFTCOUNT(category);
    image.subtotal = s.CAT_SUBTOTAL(category);
    return image;
}

void restore(int category, const CategoryImage& image) {
    OrderState& s = order();
    for (int i = 0; i < SLOT_COUNT; ++i) {
#define SCANFEE_PUT(name) s.name(i, category) = image.slots[size_t(i)].name;
        SCANFEE_TITLE_FIELDS(SCANFEE_PUT)
#undef SCANFEE_PUT
    }
    s.TITLECOUNT(category) = image.titlecount;
    s.GIFTCOUNT(category) = image.giftcount;
    s.CAT_SUBTOTAL(category) = image.subtotal;
}

struct Removal {
    CategoryImage before;  // the category with its titles
    CategoryImage after;   // as the button left it
};

std::array<std::optional<Removal>, CATEGORY_COUNT>& removals() {
    static std::array<std::optional<Removal>, CATEGORY_COUNT> kept;
    return kept;
}

bool valid_category(int category) { return category >= 0 && category < CATEGORY_COUNT; }

}  // namespace

void BUTTON20_ON_KEEPING_TITLES() {
    const int category = order().CATEGORY;
    if (!valid_category(category)) return BUTTON20_ON();
    CategoryImage before = image_of(category);
    BUTTON20_ON();
    // Emptying an empty category removes nothing worth bringing back, and
    // must not forget titles an earlier press removed.
    if (before.titlecount == 0) return;
    removals()[size_t(category)] = Removal{std::move(before), image_of(category)};
}

bool LIST1_UNDO() {
    const int category = order().CATEGORY;
    if (!valid_category(category)) return false;
    std::optional<Removal>& removal = removals()[size_t(category)];
    if (!removal) return false;
    if (!(image_of(category) == removal->after)) {
        // Something changed the category since: its titles stay as they are.
        removal.reset();
        return false;
    }
    restore(category, removal->before);
    removal.reset();
    LIST1_ADD();
    return true;
}

void forget_removed_titles() {
    for (auto& removal : removals()) removal.reset();
}

void register_title_list_undo(ui::EventTable& events) {
    events.on("BUTTON20_ON", BUTTON20_ON_KEEPING_TITLES);
    events.on("LIST1_UNDO", [] { LIST1_UNDO(); });
}

}  // namespace scanfee::screens
