#pragma once
// What the application papers share: column alignment of any number of
// cells through ALIGN_LINES, the names of categories and work contents, the
// titles of the order in paper order, the table of books that ends every
// letter, and the step that puts a paper on the disk.
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/numbers.h"
#include "runtime/text_file.h"

namespace scanfee::files {

// Pads `cells` to one common byte width with 文字列整理_SUB (mode 0 left,
// 1 centre, other right) and returns the blank cell of that width. A column
// longer than ALIGN_LINES holds is aligned in parts that carry the common
// width, so it comes out exactly as one call would leave it.
std::string align_column(rt::int16 mode, std::vector<std::string>& cells);

// "解体のみ", "解体・データ化", "解体・データ化再製本"; empty for any other value.
std::string work_content_name(rt::int16 work);
// The category as the letters name it: コミック, 同人誌, 雑誌, 写真・資料集等.
std::string letter_category_name(int category);

struct TitleRef {
    int slot;
    int category;
};
// The titles in the order every paper lists them: categories 0 to 4, and
// the titles of each in their order.
std::vector<TitleRef> order_titles();
std::vector<TitleRef> order_titles_where(const std::function<bool(int slot, int category)>& keep);

// The full-width space.
std::string fw_spaces(int count);
// Lines of fixed text, each ended by CR LF ("" is an empty line).
void write_lines(rt::TextFileWriter& file, std::initializer_list<std::string> lines);
// What every letter leaves to be filled in by hand: the date line, and the
// signer's address and name with the seal mark (`role` is 依頼者, 委任者 or
// 贈与者), each followed by two empty lines.
void write_date_block(rt::TextFileWriter& file);
void write_signer_block(rt::TextFileWriter& file, const std::string& role);

// The table of books of a letter: a header line and one line per title,
// the columns aligned and separated by a full-width space. The request
// sheet puts the work content and detail code in front of the category.
void write_book_table(rt::TextFileWriter& file, const std::vector<TitleRef>& titles,
                      bool with_work_detail);

// Fills a writer for FILENAME and commits it; a failure is reported by a
// message box naming the file. Returns whether the file was written.
bool write_paper(const std::function<void(rt::TextFileWriter&)>& fill);
// The same lines as bytes, for building a paper without the disk.
std::string paper_bytes(const std::function<void(rt::TextFileWriter&)>& fill);

}  // namespace scanfee::files
