#include "files/import_split.h"

#include "runtime/sjis.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

constexpr std::string_view QUOTE_PAIR = "\"\"";
constexpr std::string_view QUOTE_COMMA = "\",";

// A quoted field starting at `pos` (just after its opening quote) of `work`.
// Pairs of quotes before the quote that closes the field are overwritten
// with the marker. Returns where the closing quote stands, npos when no
// quote followed by a comma is left in the line.
std::size_t close_quoted(std::string& work, std::size_t pos) {
    std::size_t pair = work.find(QUOTE_PAIR, pos);
    std::size_t close = work.find(QUOTE_COMMA, pos);
    while (pair != std::string::npos && (close == std::string::npos || pair < close)) {
        work.replace(pair, QUOTE_MARKER.size(), QUOTE_MARKER);
        // The marker holds no quote, so the searches go on after it; the
        // closing quote may have been the second quote of the pair.
        const std::size_t after = pair + QUOTE_MARKER.size();
        if (close == pair + 1) close = work.find(QUOTE_COMMA, after);
        pair = work.find(QUOTE_PAIR, after);
    }
    return close;
}

}  // namespace

void MOJI_SUB(std::string& field) {
    for (std::size_t p = field.find(QUOTE_MARKER); p != std::string::npos;
         p = field.find(QUOTE_MARKER, p + QUOTE_PAIR.size()))
        field.replace(p, QUOTE_MARKER.size(), QUOTE_PAIR);
}

int INDATA(std::string_view line, int line_number, std::vector<std::string>& fields,
           std::size_t room) {
    fields.clear();
    std::string work(line);
    std::size_t pos = 0;
    int j = 0;
    auto store = [&](std::string field, int number) {
        if (static_cast<std::size_t>(number) >= room) return;
        if (fields.size() <= static_cast<std::size_t>(number)) fields.resize(size_t(number) + 1);
        fields[size_t(number)] = std::move(field);
    };

    while (pos < work.size()) {
        const int number = j;
        std::string field;
        if (work[pos] == '"') {
            ++pos;
            std::size_t close = close_quoted(work, pos);
            if (close == std::string::npos) {
                // No closing quote before a comma: the rest of the line
                // without its last byte, the closing quote when there is one.
                if (pos < work.size()) field = work.substr(pos, work.size() - pos - 1);
                pos = work.size();
            } else {
                field = work.substr(pos, close - pos);
                pos = close + QUOTE_COMMA.size();
                ++j;
            }
            MOJI_SUB(field);
        } else {
            std::size_t comma = work.find(',', pos);
            if (comma == std::string::npos) {
                field = work.substr(pos);
                pos = work.size();
            } else {
                if (comma == pos && line_number == 0) field = "（空白）"_sj;
                else field = work.substr(pos, comma - pos);
                pos = comma + 1;
                ++j;
            }
        }
        store(std::move(field), number);
    }
    return j;
}

}  // namespace scanfee::files
