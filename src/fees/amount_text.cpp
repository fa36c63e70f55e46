#include "fees/amount_text.h"

#include "runtime/sjis.h"

namespace scanfee::fees {
namespace {

const std::string& yen() {
    static const std::string text = rt::to_sjis("円");
    return text;
}

}  // namespace

std::string amount_text(rt::single amount) { return rt::digits_single(amount) + yen(); }

std::string balance_text(rt::single amount) { return rt::str_single(amount) + yen(); }

}  // namespace scanfee::fees
