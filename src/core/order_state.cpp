#include "core/order_state.h"

#include <memory>

#include "runtime/fatal.h"

namespace scanfee {
namespace {
std::unique_ptr<OrderState> the_order = std::make_unique<OrderState>();
}

// An index outside the arrays is the subscript-out-of-range fault of the
// original runtime; it ends the run through the fatal error report rather
// than touching memory that is not the order's.
template <class T>
size_t TitleField<T>::index(int slot, int category) {
    if (slot < 0 || slot >= SLOT_COUNT || category < 0 || category >= CATEGORY_COUNT)
        SCANFEE_FATAL(rt::ERR_SUBSCRIPT);
    return size_t(slot) * CATEGORY_COUNT + size_t(category);
}

template <class T>
size_t CategoryValue<T>::index(int category) {
    if (category < 0 || category >= CATEGORY_COUNT) SCANFEE_FATAL(rt::ERR_SUBSCRIPT);
    return size_t(category);
}

template class TitleField<std::string>;
template class TitleField<single>;
template class TitleField<int16>;
template class CategoryValue<single>;
template class CategoryValue<int16>;

OrderState& order() { return *the_order; }

void reset_order() { *the_order = std::move(*std::make_unique<OrderState>()); }

}  // namespace scanfee
