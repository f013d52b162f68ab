// programmer-cli as a user runs it: a separate process, and for read and
// write a simulated radio on a pseudo-terminal, so the real port code runs.
#include "document/param_file.h"
#include "link/core/pty_sim_server.h"
#include "link/core/sim_radio.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>

namespace {

const QString kCli = QStringLiteral(PROGRAMMER_BIN_DIR "/programmer-cli");

struct CliRun {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

CliRun Cli(const QStringList& args)
{
    QProcess p;
    p.start(kCli, args);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// A simulated radio served on a pseudo-terminal from a thread of its own.
class RadioOnPty {
public:
    explicit RadioOnPty(const RadioImage& memory, SimRadio::Faults faults = {}) : radio(memory, faults), server(radio)
    {
        std::string error;
        EXPECT_TRUE(server.open(&error)) << error;
        thread = std::thread([this] { server.serve(); });
    }
    ~RadioOnPty()
    {
        server.stop();
        thread.join();
    }
    QString path() const { return QString::fromStdString(server.devicePath()); }
    SimRadio radio;
    PtySimServer server;
    std::thread thread;
};

std::unique_ptr<RadioImage> Pattern(unsigned mul)
{
    auto m = std::make_unique<RadioImage>();
    for (std::size_t i = 0; i < kImageSize; ++i)
        (*m)[i] = static_cast<std::uint8_t>(i * mul + 3);
    (*m)[0xCC08] = 0;
    return m;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const char* name) const { return m_dir.path() + "/" + name; }
    void write(const char* name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const char* name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

TEST_F(CliTest, FileCommandsAndTheirFailures)
{
    EXPECT_EQ(Cli({"new", path("n.dat")}).code, 0);
    QFile n(path("n.dat"));
    ASSERT_TRUE(n.open(QIODevice::ReadOnly));
    const QByteArray bytes = n.readAll();
    ASSERT_EQ(bytes.size(), static_cast<qsizetype>(kParamFileSize));
    EXPECT_EQ(bytes.left(16), QByteArray("QM4410\xFF\xFF\x56\x02\x00\x07\xFF\xFF\xFF\xFF", 16));

    CliRun info = Cli({"info", path("n.dat")});
    EXPECT_EQ(info.code, 0);
    EXPECT_TRUE(info.out.contains("Channels present:  bank A 1, bank B 1")) << info.out.toStdString();

    CliRun dump = Cli({"dump", path("n.dat"), "0xFF30", "0xFF38"});
    EXPECT_EQ(dump.code, 0);
    EXPECT_EQ(dump.out, QByteArray("FF30: 00 00 60 02 00 00 30 03\n"));

    QFile bad(path("bad.dat"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(100, 'x'));
    bad.close();
    const struct {
        QStringList args;
        int code;
        const char* message;
    } failures[] = {
        {{"info", path("missing.dat")}, 1, "No such file"},
        {{"info", path("bad.dat")}, 1, "File does not match"},
        {{"dump", path("n.dat"), "0x10", "0x8"}, 2, "not a range"},
        {{"dump", path("n.dat"), "0", "0x10001"}, 2, "not a range"},
        {{"dump", path("n.dat")}, 2, "usage"},
        {{"frobnicate"}, 2, "unknown command"},
        {{}, 2, "usage"},
        {{"new", path("no/such/dir/x.dat")}, 1, "x.dat"},
    };
    for (const auto& f : failures) {
        CliRun r = Cli(f.args);
        EXPECT_EQ(r.code, f.code) << f.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(f.message)) << r.err.toStdString();
    }
}

TEST_F(CliTest, CsvImportAndExport)
{
    ASSERT_EQ(Cli({"new", path("n.dat")}).code, 0);
    write("exact.csv", "Location,Frequency,Name\n2,146.52,CALL\n");
    write("adjusted.csv", "Location,Frequency\n3,145.5137\n4,1000\n");
    write("paste.csv", "Frequency\tDuplex\tOffset\n146.94\t-\t0.6\n");
    write("nofreq.csv", "Location,Name\n2,CALL\n");

    CliRun exact = Cli({"import-csv", path("exact.csv"), path("n.dat"), path("a.dat")});
    EXPECT_EQ(exact.code, 0) << exact.err.toStdString();
    EXPECT_TRUE(exact.err.isEmpty()) << exact.err.toStdString();
    EXPECT_EQ(exact.out, "rows taken: 1, skipped: 0\n");
    // Channel 2 at 0x0120 in the image, after the 4,096-byte header.
    EXPECT_EQ(read("a.dat").mid(4096 + 0x120, 4), QByteArray("\x00\x20\x65\x14", 4));

    CliRun adjusted = Cli({"import-csv", path("adjusted.csv"), path("n.dat"), path("b.dat")});
    EXPECT_EQ(adjusted.code, 3);
    EXPECT_EQ(adjusted.err, "row 1, Frequency, 145.5137: snapped to 145.51250\n"
                            "row 2, Frequency, 1000: skipped: outside the band plan\n");
    EXPECT_EQ(read("b.dat").mid(4096 + 0x140, 4), QByteArray("\x50\x12\x55\x14", 4));

    CliRun first = Cli({"import-csv", path("paste.csv"), path("n.dat"), path("c.dat"), "--first", "7"});
    EXPECT_EQ(first.code, 0) << first.err.toStdString();

    CliRun exported = Cli({"export-csv", path("c.dat"), path("c.csv")});
    EXPECT_EQ(exported.code, 0) << exported.err.toStdString();
    const QByteArray csv = read("c.csv");
    EXPECT_TRUE(csv.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\n7,,146.940000,-,0.600000,")) << csv.toStdString();
    // What it exports comes back exactly.
    EXPECT_EQ(Cli({"import-csv", path("c.csv"), path("n.dat"), path("d.dat")}).code, 0);

    const struct {
        QStringList args;
        int code;
        const char* message;
    } failures[] = {
        {{"import-csv", path("missing.csv"), path("n.dat"), path("x.dat")}, 1, "missing.csv"},
        {{"import-csv", path("exact.csv"), path("missing.dat"), path("x.dat")}, 1, "missing.dat"},
        {{"import-csv", path("nofreq.csv"), path("n.dat"), path("x.dat")}, 1, "no Frequency column"},
        {{"import-csv", path("exact.csv"), path("n.dat")}, 2, "usage"},
        {{"import-csv", path("exact.csv"), path("n.dat"), path("x.dat"), "--first", "801"}, 2, "usage"},
        {{"import-csv", path("exact.csv"), path("n.dat"), path("x.dat"), "--first"}, 2, "usage"},
        {{"export-csv", path("n.dat")}, 2, "usage"},
        {{"export-csv", path("missing.dat"), path("x.csv")}, 1, "missing.dat"},
    };
    for (const auto& f : failures) {
        CliRun r = Cli(f.args);
        EXPECT_EQ(r.code, f.code) << f.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(f.message)) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("x.dat")));
    EXPECT_FALSE(QFile::exists(path("x.csv")));
}

TEST_F(CliTest, ReadAndWriteThroughAPseudoTerminal)
{
    auto memory = Pattern(7);
    {
        RadioOnPty radio(*memory);
        CliRun r = Cli({"read", radio.path(), path("read.dat")});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_TRUE(radio.radio.sawEndRead());
    }
    auto header = std::make_unique<HeaderBlock>();
    auto image = std::make_unique<RadioImage>();
    ASSERT_TRUE(ReadParamFile(path("read.dat"), *header, *image, true).ok);
    for (std::uint32_t a = 0x0100; a < 0x10000; ++a)
        ASSERT_EQ((*image)[a], (*memory)[a]) << a;

    // Write a different document back: the radio receives exactly the write ranges.
    auto doc = Pattern(11);
    ASSERT_TRUE(WriteParamFile(path("write.dat"), *header, *doc).ok);
    RadioOnPty radio(*memory);
    CliRun w = Cli({"write", radio.path(), path("write.dat")});
    ASSERT_EQ(w.code, 0) << w.err.toStdString();
    radio.server.stop();
    radio.thread.join();
    radio.thread = std::thread([] {});
    const RadioImage& got = radio.radio.memory();
    for (std::uint32_t a = 0; a < 0x10000; ++a) {
        const bool sent = (a >= 0x0060 && a < 0xF400) || a >= 0xFF00;
        ASSERT_EQ(got[a], sent ? (*doc)[a] : (*memory)[a]) << a;
    }
    EXPECT_TRUE(radio.radio.sawEndWrite());
}

TEST_F(CliTest, IncompleteTransfersWriteNothing)
{
    auto memory = Pattern(5);
    (*memory)[0xCC08] = 3; // locked
    {
        RadioOnPty radio(*memory);
        CliRun r = Cli({"read", radio.path(), path("x.dat"), "--password", "wrong"});
        EXPECT_EQ(r.code, 1);
        EXPECT_FALSE(QFile::exists(path("x.dat")));
        EXPECT_FALSE(radio.radio.sawEndRead());
    }
    SimRadio::Faults cut;
    cut.cutReplyBlock = 3;
    {
        RadioOnPty radio(*Pattern(5), cut);
        CliRun r = Cli({"read", radio.path(), path("x.dat")});
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.err.contains("Communication error")) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("x.dat")));
    }
    CliRun r = Cli({"read", path("no-such-port"), path("x.dat")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Open port fail"));
    EXPECT_FALSE(QFile::exists(path("x.dat")));
}

#ifdef PROGRAMMER_CLI_PRINT
// The text of a PDF, pages split by form feeds; empty when it cannot be read.
QString PdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(CliTest, PrintWritesThePdfWithoutADisplay)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) reads the pages back";
    ASSERT_EQ(Cli({"new", path("n.dat")}).code, 0);
    CliRun all = Cli({"print", path("n.dat"), path("all.pdf")});
    ASSERT_EQ(all.code, 0) << all.err.toStdString();
    const QString text = PdfText(path("all.pdf"));
    const QStringList titles = {
        "Channels",  "Scan channels and VFO", "Basic settings", "DTMF and PTT ID", "Alarm", "Two-tone",
        "Five-tone", "Model and band plan"};
    // In order, each starting a page: its title under the page header.
    const QStringList pages = text.split(QLatin1Char('\f'));
    int page = -1;
    for (const QString& title : titles) {
        int found = page + 1;
        while (found < pages.size() &&
               !pages[found].split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(0, 4).contains(title))
            ++found;
        EXPECT_LT(found, pages.size()) << title.toStdString();
        page = found;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Rx Freq")));
    EXPECT_TRUE(all.out.contains("pages"));

    // Chosen sections only, in the Chinese edition's words.
    CliRun zh = Cli({"print", path("n.dat"), path("zh.pdf"), "--sections", "channels", "--language", "zh"});
    ASSERT_EQ(zh.code, 0) << zh.err.toStdString();
    EXPECT_TRUE(zh.out.contains(": 1 pages"));
    const QString chinese = PdfText(path("zh.pdf"));
    EXPECT_TRUE(chinese.contains(QStringLiteral("信道"))) << chinese.toStdString();
    EXPECT_TRUE(chinese.contains(QStringLiteral("接收频率")));
    EXPECT_FALSE(chinese.contains(QStringLiteral("报警")));

    // Bad requests write nothing.
    struct Case {
        QStringList args;
        int code;
        const char* out;
    } cases[] = {
        {{"print", path("n.dat"), path("x.pdf"), "--sections", "channels,vfo"}, 2, "x.pdf"},
        {{"print", path("n.dat")}, 2, "x.pdf"},
        {{"print", path("missing.dat"), path("y.pdf")}, 1, "y.pdf"},
        {{"print", path("n.dat"), path("no/such/folder/z.pdf")}, 1, "no/such/folder/z.pdf"},
    };
    for (const Case& c : cases) {
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_FALSE(QFile::exists(path(c.out)));
    }
}
#endif

} // namespace
