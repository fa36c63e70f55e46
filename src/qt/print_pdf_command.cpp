#include "qt/print_pdf_command.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdio>
#include <cstring>
#include <string>

#include "files/file_steps.h"
#include "qt/font_map.h"
#include "qt/paper_file.h"
#include "qt/paper_printer.h"
#include "qt/qt_text.h"
#include "runtime/sjis.h"
#include "runtime/text_file.h"

namespace scanfee::qtview {

namespace {

constexpr const char* OPTION = "--print-pdf";

int fail(const std::string& sjis_message) {
    // The message box's line ends as the terminal's.
    const QString text = unix_line_ends(QString::fromStdString(rt::to_utf8(sjis_message)));
    std::fprintf(stderr, "scanfee: %s\n", text.toUtf8().constData());
    return 1;
}

}  // namespace

std::optional<int> run_print_pdf_command(int argc, char** argv) {
    bool asked = false;
    for (int i = 1; i < argc; ++i) asked = asked || std::strcmp(argv[i], OPTION) == 0;
    if (!asked) return std::nullopt;
    if (argc != 4 || std::strcmp(argv[1], OPTION) != 0) {
        std::fprintf(stderr, "scanfee: %s takes a paper and the PDF file to write\n"
                             "usage: scanfee --print-pdf PAPER.TXT OUT.pdf\n", OPTION);
        return 2;
    }
    const std::string paper_path = argv[2], pdf_path = argv[3];

    // No window is shown: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int app_argc = 1;
    QGuiApplication app(app_argc, argv);
    install_font_substitutions();

    const PaperRead read = read_paper(paper_path);
    if (!read.paper) return fail(read.refusal);

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(read.paper->name);
        writer.setCreator(QStringLiteral("scanfee"));
        prepare_paper_device(writer, read.paper->text);
        if (print_paper(writer, read.paper->text).pages == 0)
            return fail(files::write_failure_text(rt::FileError{rt::ERR_SYSTEM, pdf_path, "pdf"}));
    }
    // Written whole or not at all: a PDF of that name stays as it was until
    // the new one is complete.
    const QByteArray& bytes = pdf.data();
    if (const rt::Status failed = rt::write_file_atomically(
            pdf_path, std::string_view(bytes.constData(), size_t(bytes.size())), rt::WriteMode::Replace))
        return fail(files::write_failure_text(*failed));
    return 0;
}

}  // namespace scanfee::qtview
