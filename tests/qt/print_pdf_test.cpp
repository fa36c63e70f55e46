// `scanfee --print-pdf PAPER OUT.pdf` prints every paper the end-to-end
// sessions write as Ctrl+P does, without a display; a file it cannot read or
// write is named on standard error with a non-zero status.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "pdf_text.h"
#include "runtime/sjis.h"

namespace scanfee::qtview::testing {
namespace {

using rt::literals::operator""_sj;

struct Outcome {
    int status = -1;
    QString out, err;
};

// A program run without a display, with a scratch runtime folder.
Outcome run(const QString& program, const QStringList& args, const QString& folder) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write_all(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList e2e_sessions() {
    return QDir(QStringLiteral(SCANFEE_E2E_DIR)).entryList({QStringLiteral("*.run")}, QDir::Files, QDir::Name);
}

class PrintPdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (pdftotext_tool().isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(work_.isValid());
        QFile::setPermissions(work_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QTemporaryDir work_;
};

// The session played through the driver as the end-to-end test plays it.
QStringList papers_of(const QString& session, const QString& folder) {
    const QString script = QStringLiteral(SCANFEE_E2E_DIR "/") + session;
    QStringList args;
    QFile file(script);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("# args: "))
            args = QString::fromUtf8(line.mid(8).trimmed()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QDir(folder).mkdir(QStringLiteral("data"));
    const QDir data(QStringLiteral(SCANFEE_E2E_DIR "/data"));
    for (const QString& name : data.entryList(QDir::Files))
        QFile::copy(data.filePath(name), folder + QStringLiteral("/data/") + name);
    run(QStringLiteral(SCANFEE_DRIVER), args << script, folder);
    // The papers: every text file the session wrote.
    QStringList papers;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
        if (name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) papers << name;
    return papers;
}

TEST_F(PrintPdfTest, EveryPaperOfTheSessionsPrintsWithItsColumnsAndPageNumbers) {
    int papers = 0;
    for (const QString& session : e2e_sessions()) {
        SCOPED_TRACE(session.toStdString());
        const QTemporaryDir folder(work_.filePath(QStringLiteral("session-XXXXXX")));
        for (const QString& name : papers_of(session, folder.path())) {
            SCOPED_TRACE(name.toStdString());
            ++papers;
            const QString pdf = folder.filePath(name + QStringLiteral(".pdf"));
            const Outcome printed = run(QStringLiteral(SCANFEE_PROGRAM),
                                        {QStringLiteral("--print-pdf"), name, pdf}, folder.path());
            EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
            EXPECT_TRUE(printed.out.isEmpty()) << printed.out.toStdString();
            ASSERT_TRUE(QFile::exists(pdf));
            const QByteArray paper = read_all(folder.filePath(name));
            const QStringList faults = printed_faults(paper.toStdString(), pdf);
            EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
        }
    }
    // Request sheet, power of attorney, management data, gift deed,
    // statement, estimate, invoice, receipt and mail attachment at least.
    EXPECT_GE(papers, 9);
}

struct RefusalCase {
    const char* name;
    QByteArray paper;       // written as PAPER.TXT; empty: no file at all
    const char* pdf;        // the PDF asked for, in the scratch folder
    const char* named;      // what the message names
    const char* reason;     // and why
};

class PrintPdfRefusalTest : public PrintPdfTest {};

TEST_F(PrintPdfRefusalTest, AFileThatCannotBeReadOrWrittenIsNamedAndTheOldPdfStays) {
    const QByteArray paper = QByteArray::fromStdString("請求書\r\n\\1400\r\n"_sj);
    const RefusalCase cases[] = {
        {"a missing paper", {}, "out.pdf", "PAPER.TXT", "見つかりません"},
        {"a paper in UTF-8", QByteArray("\xe8\xab\x8b\xe6\xb1\x82\r\n\xff\r\n"), "out.pdf", "PAPER.TXT",
         "1行目：Shift-JIS の文字でないバイトがあります"},
        {"a control character", QByteArray("ok\r\nbell\a\r\n"), "out.pdf", "PAPER.TXT", "2行目：制御文字（0x07）"},
        {"half a two-byte character", QByteArray("ok\r\n\x81"), "out.pdf", "PAPER.TXT",
         "2行目：Shift-JIS の文字でないバイトがあります"},
        {"a paper far too large", QByteArray(1024 * 1024 + 1, 'a'), "out.pdf", "PAPER.TXT", "大きすぎます"},
        {"too many lines", QByteArray(20001 * 2, '\n').replace("\n\n", "a\n"), "out.pdf", "PAPER.TXT",
         "行が多すぎます"},
        {"a folder that does not exist", paper, "missing/out.pdf", "missing/out.pdf", "保存できませんでした"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString paper_path = work_.filePath(QStringLiteral("PAPER.TXT"));
        QFile::remove(paper_path);
        if (!c.paper.isNull()) write_all(paper_path, c.paper);
        const QString pdf = work_.filePath(QString::fromUtf8(c.pdf));
        write_all(work_.filePath(QStringLiteral("out.pdf")), "the PDF printed before");
        const Outcome printed = run(QStringLiteral(SCANFEE_PROGRAM),
                                {QStringLiteral("--print-pdf"), paper_path, pdf}, work_.path());
        EXPECT_EQ(printed.status, 1);
        EXPECT_TRUE(printed.err.contains(QString::fromUtf8(c.named))) << printed.err.toStdString();
        EXPECT_TRUE(printed.err.contains(QString::fromUtf8(c.reason))) << printed.err.toStdString();
        EXPECT_EQ(read_all(work_.filePath(QStringLiteral("out.pdf"))), "the PDF printed before");
    }
}

TEST_F(PrintPdfRefusalTest, AWrongCommandLineIsUsage) {
    for (const QStringList& args : {QStringList{QStringLiteral("--print-pdf"), QStringLiteral("a.TXT")},
                                    QStringList{QStringLiteral("--edition"), QStringLiteral("shop"),
                                                QStringLiteral("--print-pdf"), QStringLiteral("a"),
                                                QStringLiteral("b")}}) {
        const Outcome printed = run(QStringLiteral(SCANFEE_PROGRAM), args, work_.path());
        EXPECT_EQ(printed.status, 2);
        EXPECT_TRUE(printed.err.contains(QStringLiteral("usage: scanfee --print-pdf PAPER.TXT OUT.pdf")));
    }
}

}  // namespace
}  // namespace scanfee::qtview::testing
