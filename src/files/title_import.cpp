#include "files/title_import.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/order_state.h"
#include "core/startup.h"
#include "files/file_steps.h"
#include "files/import_split.h"
#include "files/text_utils.h"
#include "files/utf8_detect.h"
#include "runtime/sjis.h"
#include "runtime/input_file.h"
#include "runtime/line_reader.h"
#include "runtime/text_file.h"
#include "screens/controls.h"
#include "screens/title_limit.h"
#include "screens/title_list.h"
#include "runtime/gcc12_false_positives.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

// What an import works on from reading the file until the next import.
struct ImportTables {
    int free_slots = 0;                         // R: room in the category at step 1
    std::vector<std::vector<std::string>> fields;  // fields[i][f] of lines 0..N; absent: empty
    std::vector<bool> offered;                  // per field 0..F: still in LIST2
    std::vector<int> parts;                     // fields making up the title, at most 2
    std::vector<int> source_rows;               // the field shown in each row of LIST2

    int field_count() const { return static_cast<int>(offered.size()); }
    const std::string& field(size_t line, int f) const {
        static const std::string empty;
        const std::vector<std::string>& row = fields[line];
        return size_t(f) < row.size() ? row[size_t(f)] : empty;
    }
};

ImportTables& tables() {
    static ImportTables the_tables;
    return the_tables;
}

constexpr size_t MAX_PARTS = 2;

// How the lines of an import file are read: their line end, and whether
// they are UTF-8 to be turned into Shift-JIS.
struct ImportForm {
    rt::LineEnd line_end = rt::LineEnd::CarriageReturn;
    bool utf8 = false;
    bool utf16 = false;  // refused: no line of it is text of ours
};

// The first pass: any CR in the file, and UTF-8 or not. It stops as soon as
// both answers are settled.
rt::Result<ImportForm> form_of(rt::InputFile& file) {
    Utf8Detector detector;
    bool carriage_return = false;
    std::string head;
    rt::Status failed = rt::look_through(file, [&](std::string_view piece) {
        if (head.size() < UTF16_LOOK_BYTES)
            head.append(piece.substr(0, UTF16_LOOK_BYTES - head.size()));
        detector.feed(piece);
        carriage_return = carriage_return || piece.find('\r') != std::string_view::npos;
        return !(carriage_return && detector.settled());
    });
    if (failed) return *failed;
    ImportForm form;
    form.line_end = carriage_return ? rt::LineEnd::CarriageReturn : rt::LineEnd::LineFeed;
    form.utf8 = detector.is_utf8();
    form.utf16 = !form.utf8 && looks_utf16(head);
    if (form.utf8 && detector.has_mark()) {
        char mark[UTF8_BOM.size()];
        rt::Result<std::size_t> skipped = file.read(mark, sizeof mark);
        if (!skipped) return skipped.error();
    }
    return form;
}

// The lines to import in the system's text, or why there are none: a
// refusal (Shift-JIS) or a failure of the file.
struct ImportLines {
    std::vector<std::string> lines;
    std::string refusal;
    std::optional<rt::FileError> error;
    bool ok() const { return refusal.empty() && !error; }
};

// The file's lines: line 0 and then, while the category has room, the lines
// after it. Reaching the room is told before the end of the file is looked
// at, so a file of exactly room + 1 lines gets the notice too. No more lines
// than that are ever read. A UTF-8 line may take three bytes for a
// character that Shift-JIS holds in one, so its limit applies once it is
// converted.
void read_lines(rt::LineReader& reader, const ImportForm& form, int room, int16 category,
                ImportLines& out) {
    for (;;) {
        rt::Result<std::string> line = reader.read_line();
        if (!line && line.error().number == rt::ERR_LINE_TOO_LONG) {
            out.refusal = line_too_long_reason(reader.lines_read() + 1);
            return;
        }
        if (!line) {
            out.error = line.error();
            return;
        }
        // Before the line is split: no field may end in a lead byte.
        std::string text = import_line(line.value(), form.utf8);
        if (text.size() > rt::MAX_LINE_BYTES) {
            out.refusal = line_too_long_reason(reader.lines_read());
            return;
        }
        out.lines.push_back(std::move(text));
        if (static_cast<int>(out.lines.size()) - 1 >= room) {
            screens::show_title_limit_message(category);
            return;
        }
        rt::Result<bool> end = reader.at_end();
        if (!end) {
            out.error = end.error();
            return;
        }
        if (end.value()) return;
    }
}

ImportLines import_lines(const std::string& path, int room, int16 category) {
    ImportLines out;
    rt::Result<rt::InputFile> file = rt::InputFile::open(path);
    if (!file) {
        out.error = file.error();
        return out;
    }
    if (file.value().size() > IMPORT_FILE_MAX_BYTES) {
        out.refusal = too_large_reason(IMPORT_FILE_MAX_BYTES);
        return out;
    }
    rt::Result<ImportForm> form = form_of(file.value());
    if (!form) {
        out.error = form.error();
        return out;
    }
    if (form.value().utf16) {
        out.refusal = "UTF-16 のファイルです。Shift-JIS か UTF-8 で保存したファイルを選んでください。"_sj;
        return out;
    }
    rt::LineReader reader(file.value(), form.value().line_end,
                          form.value().utf8 ? 3 * rt::MAX_LINE_BYTES : rt::MAX_LINE_BYTES);
    rt::Result<bool> empty = reader.at_end();
    if (!empty) out.error = empty.error();
    else if (empty.value()) out.refusal = "データが１行もありません。"_sj;
    else read_lines(reader, form.value(), room, category, out);
    if (out.ok()) {
        if (rt::Status changed = file.value().unchanged()) out.error = *changed;
    }
    return out;
}

// Back to the title list after a file that gave nothing to import; the
// lists of the import screen are emptied by the main loop's refill.
void leave_import_screen() {
    tables() = ImportTables{};
    screens::scr().FORM2->show();
    screens::scr().FORM4->hide();
}

// Step 1.
void read_import_file() {
    OrderState& s = order();
    screens::Controls& c = screens::scr();
    const int16 category = s.CATEGORY;
    ImportTables& t = tables();
    t = ImportTables{};
    t.free_slots = s.TITLE_LIMIT(category) - s.TITLECOUNT(category);
    c.CHECK5->set_checked(1);

    ImportLines read = import_lines(s.FILENAME, t.free_slots, category);
    if (!read.ok()) {
        leave_import_screen();
        if (read.error) return report_read_failure(c.FORM2, *read.error);
        return report_bad_content(c.FORM2, s.FILENAME, read.refusal);
    }
    const std::vector<std::string>& text = read.lines;
    t.fields.resize(text.size());
    // The header offers one field more than it has separating commas: a
    // leading comma opens an empty first field, and a comma inside quotes
    // separates nothing.
    const int last_field = INDATA(text[0], 0, t.fields[0]);
    t.fields[0].resize(size_t(last_field) + 1);
    // A line with more fields than the header has no place for the extra ones.
    for (size_t i = 1; i < text.size(); ++i)
        INDATA(text[i], static_cast<int>(i), t.fields[i], size_t(last_field) + 1);
    t.offered.assign(size_t(last_field) + 1, true);
}

// Step 2 ("→"): the selected source fields, top to bottom, become the next
// parts of the title while there is room for all of them.
void add_parts() {
    screens::Controls& c = screens::scr();
    ImportTables& t = tables();
    if (c.LIST3->item_count() >= int(MAX_PARTS)) return;
    if (c.LIST2->item_count() == 0) return;
    if (c.LIST2->selected_count() > int(MAX_PARTS) - c.LIST3->item_count()) return;
    for (int row = 0; row < c.LIST2->item_count() && row < int(t.source_rows.size()); ++row) {
        if (!c.LIST2->is_item_selected(row)) continue;
        const int f = t.source_rows[size_t(row)];
        t.offered[size_t(f)] = false;
        t.parts.push_back(f);
    }
}

// Step 3 ("←"): the selected part goes back to the source list; the others
// keep their order.
void remove_parts() {
    screens::Controls& c = screens::scr();
    ImportTables& t = tables();
    if (c.LIST3->item_count() == 0) return;
    std::vector<int> kept;
    for (size_t row = 0; row < t.parts.size(); ++row) {
        if (c.LIST3->selected() == int(row)) t.offered[size_t(t.parts[row])] = true;
        else kept.push_back(t.parts[row]);
    }
    t.parts = std::move(kept);
}

// The title of one line: the first part ("?" when it is empty there), then
// "[" + part + "]" for every further part the line has, all in full width.
std::string title_of_line(const ImportTables& t, size_t line) {
    if (t.parts.empty()) return {};
    std::string title = t.field(line, t.parts[0]);
    if (title.empty()) title = "?";
    for (size_t p = 1; p < t.parts.size(); ++p) {
        const std::string& part = t.field(line, t.parts[p]);
        if (!part.empty()) title += "[" + part + "]";
    }
    std::string wide = full_width(title);
    // The full-width form holds only two-byte characters, so an even cut
    // never splits one.
    if (wide.size() > IMPORT_TITLE_MAX_BYTES) wide.resize(IMPORT_TITLE_MAX_BYTES);
    return wide;
}

// Step 4 ("データ転送　実行"): one title per line after the slots in use.
void transfer_titles() {
    OrderState& s = order();
    screens::Controls& c = screens::scr();
    const ImportTables& t = tables();
    const int16 category = s.CATEGORY;
    const size_t first = c.CHECK5->checked() == 1 ? 1 : 0;
    size_t count = t.fields.size() > first ? t.fields.size() - first : 0;
    if (first == 0) count = std::min(count, size_t(std::max(t.free_slots, 0)));
    // The slots taken meanwhile and the slots that exist bound it as well.
    const int start = s.TITLECOUNT(category);
    const int room = std::min<int>(s.TITLE_LIMIT(category), SLOT_COUNT) - start;
    count = std::min(count, size_t(std::max(room, 0)));

    for (size_t m = 0; m < count; ++m) {
        s.CURTITLE = static_cast<int16>(start + int(m));
        s.TITLE(s.CURTITLE, category) = title_of_line(t, first + m);
        SETDPI_SUB();
    }
    screens::LIST1_ADD();
    c.FORM2->show();
    c.FORM4->hide();
    c.LIST2->clear_items();
    c.LIST3->clear_items();
}

std::string import_caption(int16 category) {
    static const char* const names[CATEGORY_COUNT] = {
        "コミック", "同人誌", "中綴じ雑誌", "無線綴じ雑誌", "写真集・資料集等",
    };
    return "ユーザーデータの読み込み（"_sj + rt::to_sjis(names[category]) + "のタイトル作成）"_sj;
}

}  // namespace

void BUTTON10_ON() {
    OrderState& s = order();
    screens::Controls& c = screens::scr();
    if (s.TITLECOUNT(s.CATEGORY) >= s.TITLE_LIMIT(s.CATEGORY)) return;
    if (!choose_open_file(c.FORM2, "データファイルの読み込み"_sj, "/", "ﾃｷｽﾄ形式(*.TXT,*.CSV)"_sj))
        return;
    c.MAINFORM->hide();
    c.FORM2->hide();
    c.FORM4->show();
    s.PENDING_ACTION = 1;
    c.FORM4->set_text(import_caption(s.CATEGORY));
}

// The import steps inlined here join literals to std::string: GCC 12's
// false -Wrestrict (runtime/gcc12_false_positives.h).
SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")
void run_import_step(rt::int16 code) {
    switch (code) {
        case 1: return read_import_file();
        case 2: return add_parts();
        case 3: return remove_parts();
        case 4: return transfer_titles();
        default: return;
    }
}
SCANFEE_GCC12_FALSE_POSITIVE_END

void LIST_RESET() {
    screens::Controls& c = screens::scr();
    ImportTables& t = tables();
    c.LIST2->clear_items();
    c.LIST3->clear_items();
    t.source_rows.clear();
    for (int f = 0; f < t.field_count(); ++f) {
        if (!t.offered[size_t(f)]) continue;
        c.LIST2->add_item(t.field(0, f));
        t.source_rows.push_back(f);
    }
    for (int f : t.parts) c.LIST3->add_item(t.field(0, f));
}

void reset_import() { tables() = ImportTables{}; }

void register_import(ui::EventTable& events) { events.on("BUTTON10_ON", BUTTON10_ON); }

}  // namespace scanfee::files
