#include "web/page_hooks.h"

namespace scanfee::web {

PageHooks& page_hooks() {
    static PageHooks hooks;
    return hooks;
}

}  // namespace scanfee::web
