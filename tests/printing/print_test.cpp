// Printing through the main window's commands: a job printed to a PDF file and
// read back as text, a filled body over several pages, the print and page
// setup dialogs, and the preview window taking the main window's place.
#include "document/radio_image.h"
#include "printing/print_controller.h"
#include "printing/print_preview_window.h"
#include "printing/print_renderer.h"
#include "printing/print_sections_box.h"
#include "printing/print_sections_dialog.h"
#include "radio/model_data_view.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/document_files.h"
#include "shell/main_window.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/program_folder.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/test_document.h"
#include "tests/support/test_views.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {
// The pages of a PDF as text, one entry a page; empty when it cannot be read.
QStringList PdfPages(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast(); // the text ends with a form feed
    return pages;
}

QStringList NonEmptyLines(const QString& page)
{
    QStringList lines;
    for (const QString& l : page.split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty())
            lines << l.trimmed();
    return lines;
}

// The page header: the job name, and the print date at its right.
QString Header(const QString& job)
{
    return job + QLatin1Char(' ') + QDate::currentDate().toString(Qt::ISODate);
}

QString LineName(int i)
{
    return QStringLiteral("Line%1").arg(i, 3, 10, QLatin1Char('0'));
}
} // namespace

class PrintTest : public QObject {
    Q_OBJECT

    ProgramFolder m_folder;
    QTemporaryDir m_out;
    ScriptedDesktop m_desktop; // outlives the window that asks it
    std::unique_ptr<MainWindow> m_frame;
    int m_printed = 0;

    PrintController& controller() { return m_frame->printController(); }
    RadioImage& image() { return DocumentTestAccess::image(m_frame->document()); }

    // Print goes to this PDF file instead of asking.
    QString printToPdf(const QString& name)
    {
        QString path = m_out.path() + QLatin1Char('/') + name;
        controller().choosePrinter = [this, path](QPrinter& p, QWidget*) {
            ++m_printed;
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(path);
            return true;
        };
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(m_out.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read the printed pages back");
    }

    void init()
    {
        m_printed = 0;
        m_frame = std::make_unique<MainWindow>(MakeViewsWithPlainTable, &m_desktop);
        controller().setSections(kAllPrintSections);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    void cleanup()
    {
        m_frame.reset();
        m_desktop = ScriptedDesktop(); // answers hold the test's locals
    }

    void commandsAreOffered()
    {
        for (int id : {Cmd::FilePrint, Cmd::FilePrintPreview, Cmd::FilePrintSetup})
            QVERIFY(m_frame->commandAction(id)->isEnabled());
    }

    void printWithoutAFileShowsTheDefaultNameAndTheDate()
    {
        controller().content = [](PrintSections) { return PrintSheet{}; };
        QCOMPARE(m_frame->document().path(), QString());
        const QString pdf = printToPdf(QStringLiteral("blank.pdf"));
        m_frame->runCommand(Cmd::FilePrint);
        QCOMPARE(m_printed, 1);
        QCOMPARE(controller().printer().docName(), QStringLiteral("QM4410"));
        const QStringList pages = PdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        const QStringList lines = NonEmptyLines(pages[0]);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].simplified(), Header(QStringLiteral("QM4410")));
        QCOMPARE(lines[1], QStringLiteral("-- Page 1 of 1 --"));
        QCOMPARE(controller().lines(), QStringList());
    }

    void printUsesTheOpenFilesName()
    {
        const QString folder = m_out.path() + QStringLiteral("/my.radios");
        QVERIFY(QDir().mkpath(folder));
        m_desktop.saveFileAnswer = [folder](const QString&) { return folder + QStringLiteral("/Club.v2.dat"); };
        m_frame->files().SaveDocumentAs();
        QVERIFY(m_frame->document().path().endsWith(QStringLiteral("Club.v2.dat")));
        controller().content = [](PrintSections) { return PrintSheet{}; };
        const QString pdf = printToPdf(QStringLiteral("club.pdf"));
        m_frame->runCommand(Cmd::FilePrint);
        const QStringList pages = PdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(NonEmptyLines(pages[0]).value(0).simplified(), Header(QStringLiteral("Club")));
    }

    void printStoresTheOpenViewsFirst()
    {
        m_frame->runCommand(Cmd::Model);
        ViewSubWindow* child = m_frame->views().subWindow(ViewKind::Model);
        QVERIFY(child);
        auto* serial = child->view()->findChild<QLineEdit*>(QStringLiteral("1005"));
        serial->setText(QStringLiteral("P1"));
        image()[0xFF00] = 0xFF;
        printToPdf(QStringLiteral("stored.pdf"));
        m_frame->runCommand(Cmd::FilePrint);
        QCOMPARE(image()[0xFF00], 'P');
        QCOMPARE(image()[0xFF01], '1');
    }

    void cancelledPrintDialogPrintsNothing()
    {
        const QString pdf = m_out.path() + QStringLiteral("/never.pdf");
        controller().choosePrinter = [](QPrinter& p, QWidget*) {
            p.setOutputFormat(QPrinter::PdfFormat);
            return false;
        };
        m_frame->runCommand(Cmd::FilePrint);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(controller().printer().printerState(), QPrinter::Idle);
    }

    void aJobThatCannotStartIsReported()
    {
        controller().choosePrinter = [this](QPrinter& p, QWidget*) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(m_out.path() + QStringLiteral("/no/such/folder/x.pdf"));
            return true;
        };
        ModalAnswerer answers;
        m_frame->runCommand(Cmd::FilePrint);
        QCOMPARE(answers.messages, QStringList{QStringLiteral("Failed to start print job.")});
    }

    void thePrintDialogOffersAllPagesOnly()
    {
        ModalAnswerer answers;
        bool asked = false;
        answers.onModal = [&asked](QWidget* w) {
            auto* dlg = qobject_cast<QPrintDialog*>(w);
            if (!dlg)
                return;
            asked = true;
            QCOMPARE(dlg->printRange(), QAbstractPrintDialog::AllPages);
            QVERIFY(!dlg->testOption(QAbstractPrintDialog::PrintPageRange));
            QVERIFY(!dlg->testOption(QAbstractPrintDialog::PrintSelection));
            QVERIFY(!dlg->testOption(QAbstractPrintDialog::PrintToFile));
            QVERIFY(!dlg->testOption(QAbstractPrintDialog::PrintCurrentPage));
            // The sections are a tab of the dialog, as last chosen.
            auto* sections = dlg->findChild<PrintSectionsBox*>();
            QVERIFY(sections);
            QCOMPARE(sections->sections(), SectionBit(PrintSection::Dtmf));
            dlg->reject();
        };
        controller().setSections(SectionBit(PrintSection::Dtmf));
        m_frame->runCommand(Cmd::FilePrint);
        QVERIFY(asked);
        QVERIFY(answers.messages.isEmpty());
    }

    void printSetupShowsThePageSetupDialog()
    {
        ModalAnswerer answers;
        bool asked = false;
        answers.onModal = [this, &asked](QWidget* w) {
            auto* dlg = qobject_cast<QPageSetupDialog*>(w);
            if (!dlg)
                return;
            asked = dlg->printer() == &controller().printer();
            dlg->reject();
        };
        m_frame->runCommand(Cmd::FilePrintSetup);
        QVERIFY(asked);
    }

    void aFilledBodyRunsOverSeveralPages()
    {
        // Plain lines and "^^" lines alternate; every line names itself.
        controller().content = [](PrintSections) {
            PrintSheet sheet;
            for (int i = 0; i < 150; ++i) {
                if (i % 2) {
                    sheet.text(LineName(i) + QStringLiteral(" plain\ttext"));
                } else {
                    sheet.item(QStringLiteral("CH"), LineName(i));
                    sheet.item(QStringLiteral("Freq"), QString::number(446 + i));
                    sheet.item(QStringLiteral("Tone"), QStringLiteral("Off"));
                }
            }
            return sheet;
        };
        const QString pdf = printToPdf(QStringLiteral("filled.pdf"));
        m_frame->runCommand(Cmd::FilePrint);
        QFile::remove(QStringLiteral("/tmp/print_filled.pdf"));
        QFile::copy(pdf, QStringLiteral("/tmp/print_filled.pdf")); // to look at
        const int count = controller().pageCount();
        QVERIFY2(count > 2, qPrintable(QString::number(count)));
        const QStringList pages = PdfPages(pdf);
        QCOMPARE(pages.size(), count);
        int next = 0;
        for (int p = 0; p < count; ++p) {
            const QStringList lines = NonEmptyLines(pages[p]);
            QCOMPARE(lines.first().simplified(), Header(QStringLiteral("QM4410")));
            QCOMPARE(lines.last(), QStringLiteral("-- Page %1 of %2 --").arg(p + 1).arg(count));
            const QStringList body = lines.mid(1, lines.size() - 2);
            // The lines in order, each on its page exactly once, as the overflow rule splits them.
            const LineSpan span = PageLines(
                PageFirstLines(150, controller().metrics().lineHeight, controller().metrics().bodyHeight), 150, p);
            QCOMPARE(span.first, next);
            QCOMPARE(body.size(), span.end - span.first);
            for (int i = span.first; i < span.end; ++i) {
                const QString& line = body[i - span.first];
                QVERIFY2(line.contains(LineName(i)), qPrintable(line));
                if (i % 2 == 0) {
                    QVERIFY2(line.contains(QStringLiteral("Freq:")) && line.contains(QString::number(446 + i)),
                             qPrintable(line));
                    QVERIFY2(line.indexOf(QStringLiteral("CH:")) < line.indexOf(LineName(i)), qPrintable(line));
                } else {
                    QVERIFY2(line.contains(QStringLiteral("plain")), qPrintable(line));
                }
            }
            next = span.end;
        }
        QCOMPARE(next, 150);
    }

    void exportPdfWritesTheChosenSections()
    {
        // The question offers the sections last used; OK needs one at least.
        QString path = m_out.path() + QStringLiteral("/export.pdf");
        QString suggested;
        controller().choosePdfFile = [&suggested, path](const QString& s, QWidget*) {
            suggested = s;
            return path;
        };
        controller().setSections(SectionBit(PrintSection::Channels));
        ModalAnswerer answers;
        answers.onModal = [](QWidget* w) {
            auto* dlg = qobject_cast<PrintSectionsDialog*>(w);
            if (!dlg)
                return;
            QCOMPARE(dlg->sections(), SectionBit(PrintSection::Channels));
            QPushButton* ok = dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            dlg->box()->box(PrintSection::Channels)->setChecked(false);
            QVERIFY(!ok->isEnabled());
            dlg->box()->box(PrintSection::Alarm)->setChecked(true);
            QVERIFY(ok->isEnabled());
            ok->click();
        };
        m_frame->runCommand(Cmd::ExportPdf);
        QVERIFY(answers.messages.isEmpty());
        QCOMPARE(suggested, QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                .filePath(QStringLiteral("QM4410.pdf")));
        const QStringList pages = PdfPages(path);
        QCOMPARE(pages.size(), 1);
        QVERIFY2(pages[0].contains(QStringLiteral("Alarm type")), qPrintable(pages[0]));
        QVERIFY(!pages[0].contains(QStringLiteral("Rx Freq")));
        QCOMPARE(controller().sections(), SectionBit(PrintSection::Alarm)); // remembered

        // Cancelled at either question: nothing is written.
        QVERIFY(QFile::remove(path));
        controller().chooseSections = [](PrintSections, QWidget*) { return std::nullopt; };
        m_frame->runCommand(Cmd::ExportPdf);
        controller().chooseSections = [](PrintSections s, QWidget*) { return s; };
        controller().choosePdfFile = [](const QString&, QWidget*) { return QString(); };
        m_frame->runCommand(Cmd::ExportPdf);
        QVERIFY(!QFile::exists(path));

        // A file that cannot be written is reported.
        controller().choosePdfFile = [this](const QString&, QWidget*) {
            return m_out.path() + QStringLiteral("/no/such/folder/x.pdf");
        };
        m_frame->runCommand(Cmd::ExportPdf);
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY2(answers.messages[0].startsWith(QStringLiteral("Cannot write")), qPrintable(answers.messages[0]));
    }

    void previewTakesTheMainWindowsPlace()
    {
        int paints = 0;
        m_frame->runCommand(Cmd::FilePrintPreview);
        PrintPreviewWindow* preview = controller().previewWindow();
        QVERIFY(preview);
        connect(preview->view(), &PrintPreviewWidget::paintRequested, this, [&paints] { ++paints; });
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        QVERIFY(!m_frame->isVisible());
        QCOMPARE(preview->windowTitle(), QStringLiteral("Preview"));
        QVERIFY(preview->isMaximized());
        QCOMPARE(preview->view()->preview()->pageCount(), controller().pageCount());
        preview->grab().save(QStringLiteral("/tmp/print_preview.png"));

        // A second Preview only brings the shown one forward.
        m_frame->runCommand(Cmd::FilePrintPreview);
        QCOMPARE(controller().previewWindow(), preview);
        QCOMPARE(paints, 0);
        QVERIFY(preview->isVisible());
        QVERIFY(!m_frame->isVisible());

        preview->findChild<QAction*>(QStringLiteral("close"))->trigger();
        QVERIFY(!preview->isVisible());
        QVERIFY(m_frame->isVisible());

        // The window is made once and shown again, with fresh pages.
        m_frame->runCommand(Cmd::FilePrintPreview);
        QCOMPARE(controller().previewWindow(), preview);
        QCOMPARE(paints, 1);
        QVERIFY(preview->isVisible());
        QVERIFY(!m_frame->isVisible());
        preview->close();
        QVERIFY(m_frame->isVisible());
    }

    void previewPagesFollowTheBody()
    {
        controller().content = [](PrintSections) {
            PrintSheet sheet;
            for (int i = 0; i < 150; ++i)
                sheet.text(LineName(i));
            return sheet;
        };
        m_frame->runCommand(Cmd::FilePrintPreview);
        PrintPreviewWindow* preview = controller().previewWindow();
        QPrintPreviewWidget* widget = preview->view()->preview();
        QVERIFY(controller().pageCount() > 2);
        QCOMPARE(widget->pageCount(), controller().pageCount());

        // Next, Prev and Two Page follow the page shown.
        auto* next = preview->findChild<QAction*>(QStringLiteral("next"));
        auto* previous = preview->findChild<QAction*>(QStringLiteral("previous"));
        auto* pages = preview->findChild<QAction*>(QStringLiteral("pages"));
        QCOMPARE(widget->currentPage(), 1);
        QVERIFY(next->isEnabled());
        QVERIFY(!previous->isEnabled());
        QVERIFY(pages->isEnabled());
        for (int p = 2; p <= controller().pageCount(); ++p) {
            next->trigger();
            QTRY_COMPARE(widget->currentPage(), p);
            QVERIFY(previous->isEnabled());
        }
        QVERIFY(!next->isEnabled());
        previous->trigger();
        QTRY_COMPARE(widget->currentPage(), controller().pageCount() - 1);
        QVERIFY(next->isEnabled());
        pages->trigger();
        QCOMPARE(widget->viewMode(), QPrintPreviewWidget::FacingPagesView);
        preview->close();
    }

    void printFromThePreviewClosesItFirst()
    {
        const QString pdf = printToPdf(QStringLiteral("from_preview.pdf"));
        m_frame->runCommand(Cmd::FilePrintPreview);
        PrintPreviewWindow* preview = controller().previewWindow();
        preview->findChild<QAction*>(QStringLiteral("print"))->trigger();
        QVERIFY(!preview->isVisible());
        QVERIFY(m_frame->isVisible());
        QCOMPARE(m_printed, 1);
        QCOMPARE(PdfPages(pdf).size(), controller().pageCount());
    }

    // Chinese texts are drawn whole and on the Latin texts' baseline: a
    // title and a table heading of Chinese and Latin words, on a page at a
    // screen's resolution as the preview has it.
    void chineseTextIsNeitherCutNorSetLower()
    {
        PrintSheet sheet;
        sheet.section(QStringLiteral("信道"));
        sheet.tableHead({QStringLiteral("信道"), QStringLiteral("CTCSS")});
        sheet.tableRow({QStringLiteral("1"), QStringLiteral("100.0")});
        PrintRenderer renderer;
        renderer.setSheet(sheet);
        renderer.setJobName(QStringLiteral("job"));
        for (const int dpi : {96, 192}) {
            QImage page(dpi * 827 / 100, dpi * 1169 / 100, QImage::Format_RGB32);
            page.setDotsPerMeterX(dpi * 10000 / 254);
            page.setDotsPerMeterY(dpi * 10000 / 254);
            page.fill(Qt::white);
            renderer.prepare(page);
            {
                QPainter painter(&page);
                renderer.drawPage(painter, 1);
            }
            const PageGeometry g = MakePageGeometry(renderer.metrics());
            const int x0 = PrintLayout::kMarginChars * renderer.metrics().averageCharWidth;
            const PrintTable& table = renderer.body().tables.at(0);
            // Rows of ink in [left, right) between top and bottom.
            const auto inkRows = [&page](int left, int right, int top, int bottom) {
                std::vector<int> rows;
                for (int y = std::max(0, top); y < std::min(bottom, page.height()); ++y)
                    for (int x = left; x < right; ++x)
                        if (qGray(page.pixel(x, y)) < 128) {
                            rows.push_back(y);
                            break;
                        }
                return rows;
            };
            // The whole title: what is drawn of it equals the text drawn freely.
            const QRect title = g.lineRect(0).translated(x0, 0);
            const std::vector<int> titleInk = inkRows(title.left(), title.left() + title.width() / 2,
                                                      title.top() - title.height(), title.bottom() + 1);
            QFont bold = PrintRenderer::font(PrintFontHeight(dpi));
            bold.setBold(true);
            QImage free(page.width(), 4 * title.height(), QImage::Format_RGB32);
            free.setDotsPerMeterX(page.dotsPerMeterX());
            free.setDotsPerMeterY(page.dotsPerMeterY());
            free.fill(Qt::white);
            {
                QPainter painter(&free);
                painter.setFont(bold);
                painter.drawText(QPoint(0, 2 * title.height()), QStringLiteral("信道"));
            }
            int freeTop = free.height(), freeBottom = -1;
            for (int y = 0; y < free.height(); ++y)
                for (int x = 0; x < free.width() / 2; ++x)
                    if (qGray(free.pixel(x, y)) < 128) {
                        freeTop = std::min(freeTop, y);
                        freeBottom = std::max(freeBottom, y);
                    }
            QVERIFY(!titleInk.empty());
            QCOMPARE(titleInk.back() - titleInk.front(), freeBottom - freeTop);
            // The heading: Chinese and Latin end on one baseline, clear of the rule.
            const QRect head = g.lineRect(1).translated(x0, 0);
            const std::vector<int> chinese = inkRows(
                head.left() + table.left[0], head.left() + table.left[0] + table.width[0], head.top(), head.bottom());
            const std::vector<int> latin = inkRows(
                head.left() + table.left[1], head.left() + table.left[1] + table.width[1], head.top(), head.bottom());
            QVERIFY(!chinese.empty() && !latin.empty());
            QVERIFY2(chinese.front() <= latin.front() + 1, qPrintable(QString::number(dpi)));
            QVERIFY2(chinese.back() < head.bottom(), qPrintable(QString::number(dpi)));
        }
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
