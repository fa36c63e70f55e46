#include "screens/number_texts.h"

#include "files/text_utils.h"
#include "runtime/gcc12_false_positives.h"
#include "runtime/sjis.h"

namespace scanfee::screens {

using namespace rt::literals;

std::string plain_text(rt::single amount) { return rt::digits_single(amount); }

std::string full_width_amount(rt::single amount) {
    std::string text = plain_text(amount);
    files::全角数字化_SUB(text);
    return text;
}

std::string full_width_yen(rt::single amount) { return full_width_amount(amount) + "円"_sj; }

// "+" + text: GCC 12's false -Wrestrict (gcc12_false_positives.h).
SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")
std::string signed_option_text(rt::single charge) {
    if (charge > 0) return "+" + plain_text(charge);
    if (charge < 0) return "-" + plain_text(charge);
    return "0";
}
SCANFEE_GCC12_FALSE_POSITIVE_END

}  // namespace scanfee::screens
