#include "files/application_papers.h"
#include "files/paper_parts.h"
#include "runtime/sjis.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

// The request sheet is attached to the service contract: what the customer
// asks the shop to do with each book.
void fill_request_sheet(rt::TextFileWriter& file) {
    write_lines(file, {fw_spaces(10) + "依　頼　事　項　書"_sj, "",
                       "今般、請負契約書に基きホシナギ書籍工房に対して私が依頼"_sj,
                       "する内容は下記の通りです。"_sj, ""});
    write_date_block(file);
    write_signer_block(file, "依頼者"_sj);
    write_book_table(file, order_titles(), true);
}

}  // namespace

std::string request_sheet_bytes() { return paper_bytes(fill_request_sheet); }

bool OUTFILE1_SUB() { return write_paper(fill_request_sheet); }

}  // namespace scanfee::files
