// Ctrl+P on the statement screen prints what it shows: A4 pages whose text
// holds every line, with the columns lined up and a page number at the foot.
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

#include "keyboard.h"
#include "pdf_text.h"
#include "qt/paper_printer.h"
#include "qt/qt_text.h"
#include "qt/view_fixture.h"

namespace scanfee::qtview::testing {
namespace {

// Half-width cells of a text as the statement counts them.
int cells(const QString& text) { return static_cast<int>(system_bytes(text)); }

QString padded(const QString& text, int width, bool right) {
    const QString blanks(std::max(0, width - cells(text)), QLatin1Char(' '));
    return right ? blanks + text : text + blanks;
}

// A statement-like text: a heading with ideographic spaces, then one row per
// title with its name left-aligned and its amount right-aligned, CR LF ends.
QString statement(int rows, int name_width = 40) {
    QString text = QString::fromUtf8("　　　タイトル名　　　　　　　　　　　　　金額\r\n");
    for (int i = 1; i <= rows; ++i) {
        const QString name = QString::fromUtf8("コミック第%1巻 ONE PIECE").arg(i);
        const QString amount = QLocale(QLocale::English).toString(i * 137) + QString::fromUtf8("円");
        text += padded(name, name_width, false) + padded(amount, 14, true) + QStringLiteral("\r\n");
    }
    return text;
}

QString without_blanks(QString line) {
    line.remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}]")));
    return line;
}

TEST(StatementLinesTest, LineEndsOfEveryKindSplitTheText) {
    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(paper_lines(QString::fromUtf8(c.text)), c.lines);
    }
}

class StatementPrintTest : public ViewTest {
protected:
    void SetUp() override {
        if (pdftotext_tool().isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(dir_.isValid());
        pdf_ = dir_.filePath(QStringLiteral("statement.pdf"));
    }

    PrintLayout print_to_pdf(const QString& text) {
        QPrinter printer(QPrinter::HighResolution);
        prepare_paper_device(printer, text);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf_);
        orientation_ = printer.pageLayout().orientation();
        return print_paper(printer, text);
    }

    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    QTemporaryDir dir_;
    QString pdf_;
};

TEST_F(StatementPrintTest, CtrlPPrintsEveryLineOfTheStatementOverPages) {
    start();
    const QString text = statement(150);
    control("EDIT6").set_text(to_system(text));
    control("FORM5").show();
    PrintLayout layout;
    on_print_ = [&](const QString& shown) { layout = print_to_pdf(shown); };
    press(view_->widget("FORM5"), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(printed_.size(), 1u);
    EXPECT_EQ(printed_[0], text);
    ASSERT_TRUE(QFile::exists(pdf_));
    EXPECT_GT(layout.pages, 1);
    EXPECT_DOUBLE_EQ(layout.point_size, 10.5);
    EXPECT_EQ(orientation_, QPageLayout::Portrait);

    const QStringList pages = layout_pages(pdf_);
    ASSERT_EQ(pages.size(), layout.pages);
    QStringList found;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const QString foot = QStringLiteral("%1 / %2").arg(p + 1).arg(layout.pages);
        EXPECT_TRUE(pages[p].contains(foot)) << foot.toStdString();
        for (const QString& line : pages[p].split(QLatin1Char('\n')))
            if (!without_blanks(line).isEmpty() && !line.contains(foot)) found << without_blanks(line);
    }
    QStringList expected;
    for (const QString& line : paper_lines(text))
        if (!without_blanks(line).isEmpty()) expected << without_blanks(line);
    EXPECT_EQ(found, expected);
}

TEST_F(StatementPrintTest, AmountsEndInOneColumnOnPaper) {
    print_to_pdf(statement(40));
    std::vector<double> amount_ends, name_starts;
    for (const PdfWord& w : pdf_words(pdf_)) {
        if (w.text.endsWith(QString::fromUtf8("円"))) amount_ends.push_back(w.x_end);
        if (w.text.startsWith(QString::fromUtf8("コミック"))) name_starts.push_back(w.x);
    }
    ASSERT_EQ(amount_ends.size(), 40u);
    ASSERT_EQ(name_starts.size(), 40u);
    const auto [low, high] = std::minmax_element(amount_ends.begin(), amount_ends.end());
    EXPECT_LT(*high - *low, 0.5);
    const auto [left, right] = std::minmax_element(name_starts.begin(), name_starts.end());
    EXPECT_LT(*right - *left, 0.5);
}

TEST_F(StatementPrintTest, AWideStatementTurnsThePageThenPrintsSmallerNotCut) {
    const PrintLayout across = print_to_pdf(statement(5, 100));
    EXPECT_EQ(orientation_, QPageLayout::Landscape);
    EXPECT_DOUBLE_EQ(across.point_size, 10.5);
    const PrintLayout layout = print_to_pdf(statement(5, 140));
    EXPECT_EQ(orientation_, QPageLayout::Landscape);
    EXPECT_LT(layout.point_size, 10.5);
    EXPECT_TRUE(without_blanks(layout_pages(pdf_).join(QString())).contains(QString::fromUtf8("685円")));
}

TEST(StatementPrinterTest, AFileThatCannotBeCreatedPrintsNoPage) {
    QPrinter printer(QPrinter::HighResolution);
    prepare_paper_device(printer, statement(3));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/statement.pdf"));
    EXPECT_EQ(print_paper(printer, statement(3)).pages, 0);
}

}  // namespace
}  // namespace scanfee::qtview::testing
