#include "files/application_papers.h"
#include "files/paper_parts.h"
#include "runtime/sjis.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

// The request sheet is attached to the service contract: what the customer
// asks the shop to do with each book.
void fill_request_sheet(rt::TextFileWriter& file) {
    file.write(fw_spaces(10), "依　頼　事　項　書"_sj);
    file.write();
    file.write("今般、請負契約書に基きホシナギ書籍工房に対して私が依頼"_sj);
    file.write("する内容は下記の通りです。"_sj);
    file.write();
    file.write(date_line());
    file.write();
    file.write();
    file.write("依頼者　住所"_sj);
    file.write();
    file.write(name_seal_line());
    file.write();
    file.write();
    write_book_table(file, order_titles(), true);
}

}  // namespace

std::string request_sheet_bytes() { return paper_bytes(fill_request_sheet); }

bool OUTFILE1_SUB() { return write_paper(fill_request_sheet); }

}  // namespace scanfee::files
