// CP932 <-> UTF-8 of any bytes. Beyond "no crash": both directions give
// well-formed text of their encoding; text that came from CP932 goes back
// and forth unchanged; and the CP932 bytes of any text read as CP932.
#include "runtime/sjis.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "encodings.h"
#include "fuzz_check.h"

using namespace scanfee::rt;
using fuzzcheck::well_formed_cp932;
using fuzzcheck::well_formed_utf8;

namespace {

constexpr std::string_view REPLACEMENT = "\xEF\xBF\xBD";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = to_utf8(bytes);
    FUZZ_CHECK(well_formed_utf8(utf8));
    if (utf8.find(REPLACEMENT) == std::string::npos) {
        // Every character decoded from CP932 has CP932 bytes that decode to
        // it again (the NEC and IBM duplicates may change bytes, not text).
        const std::string back = to_sjis(utf8);
        FUZZ_CHECK(to_utf8(back) == utf8);
    }

    const std::string sjis = to_sjis(bytes);
    FUZZ_CHECK(well_formed_cp932(sjis));
    FUZZ_CHECK(well_formed_utf8(to_utf8(sjis)));
    return 0;
}
