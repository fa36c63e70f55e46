#include <gtest/gtest.h>

#include <limits>

#include "files/import_split.h"
#include "runtime/sjis.h"

namespace scanfee::files {
namespace {

using rt::to_sjis;

TEST(Indata, SplitsQuotedAndPlainFields) {
    constexpr size_t ALL = std::numeric_limits<size_t>::max();
    const struct {
        const char* name;
        std::string line;
        int line_number;
        size_t room;
        std::vector<std::string> fields;
        int last;
    } cases[] = {
        {"header of three", to_sjis("番号,書名,巻"), 0, ALL,
         {to_sjis("番号"), to_sjis("書名"), to_sjis("巻")}, 2},
        {"data line", to_sjis("1,ＡＢＣ,3"), 1, ALL, {"1", to_sjis("ＡＢＣ"), "3"}, 2},
        {"header starting with a comma", ",a,b", 0, ALL, {to_sjis("（空白）"), "a", "b"}, 2},
        {"data line starting with a comma", ",a,b", 3, ALL, {"", "a", "b"}, 2},
        {"empty header field inside", "a,,b", 0, ALL, {"a", to_sjis("（空白）"), "b"}, 2},
        {"trailing comma adds no field", "a,b,", 0, ALL, {"a", "b"}, 2},
        {"empty line", "", 0, ALL, {}, 0},
        {"comma inside quotes", "\"x,y\",z", 1, ALL, {"x,y", "z"}, 1},
        {"escaped quotes stay doubled", "\"say \"\"hi\"\"\",next", 1, ALL,
         {"say \"\"hi\"\"", "next"}, 1},
        {"escaped quote before the closing one", "\"a\"\"\",b", 1, ALL, {"a\"\"", "b"}, 1},
        {"quoted field ending the line", "1,\"abc\"", 1, ALL, {"1", "abc"}, 1},
        {"empty quoted field", "\"\",b", 1, ALL, {"", "b"}, 1},
        {"no closing quote drops the last byte", "\"abc", 1, ALL, {"ab"}, 0},
        {"a lone quote reads nothing outside the line", "\"", 1, ALL, {""}, 0},
        {"quote then comma at the very end", "a,\",", 1, ALL, {"a", ""}, 1},
        {"pair before an unclosed comma", "\"a\"\",b\"", 1, ALL, {"a\"\",b"}, 0},
        {"quotes inside a plain field are kept", "a\"b,c", 1, ALL, {"a\"b", "c"}, 1},
        {"fields beyond the room are not kept", "1,2,3,4", 1, 2, {"1", "2"}, 3},
        {"two-byte characters never hide a comma", to_sjis("表,ソ,能"), 1, ALL,
         {to_sjis("表"), to_sjis("ソ"), to_sjis("能")}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> fields{"left over"};
        EXPECT_EQ(INDATA(c.line, c.line_number, fields, c.room), c.last);
        EXPECT_EQ(fields, c.fields);
    }
}

TEST(MojiSub, TurnsEveryMarkerIntoTwoQuotes) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"\xFF\xFF" "a" "\xFF\xFF", "\"\"a\"\""},
        {"\xFF\xFF\xFF", "\"\"\xFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        std::string field = c.in;
        MOJI_SUB(field);
        EXPECT_EQ(field, c.out);
    }
}

}  // namespace
}  // namespace scanfee::files
