// Every help topic the views and dialogs ask for has a page in both editions,
// the pages' links lead somewhere, F1 in a dialog opens the dialog's page, and
// without a browser the message names the page.
#include "channels/channel_edit_dialog.h"
#include "channels/vfo_dialog.h"
#include "controls/base_form_view.h"
#include "radio/custom_data_dialog.h"
#include "radio/frequency_range_dialog.h"
#include "shell/core/app_settings.h"
#include "shell/core/edition.h"
#include "shell/help.h"
#include "shell/main_window.h"
#include "shell/view_catalog.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_document.h"
#include "tests/support/url_catcher.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTabWidget>
#include <QUrl>
#include <QtTest>

#include <memory>
#include <set>

class HelpTest : public QObject {
    Q_OBJECT

    ProgramFolder m_folder;

    // The topics F1 can ask for: each view's, each tab's, each dialog's.
    static std::set<int> usedTopics()
    {
        std::set<int> topics = {ChannelEditDialog::kTemplateId, VfoDialog::kTemplateId,
                                FrequencyRangeDialog::kTemplateId, CustomDataDialog::kTemplateId};
        for (int k = 0; k < kViewKindCount; ++k) {
            std::unique_ptr<BaseFormView> view(MakeProgramView(static_cast<ViewKind>(k), TestDocument()));
            topics.insert(view->helpContext()); // before a tab is chosen
            view->ensureInitialised();
            topics.insert(view->helpContext());
            if (auto* tabs = view->findChild<QTabWidget*>(QStringLiteral("tabs"))) {
                for (int t = 0; t < tabs->count(); ++t) {
                    tabs->setCurrentIndex(t);
                    topics.insert(view->helpContext());
                }
            }
        }
        return topics;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        appSettings().programFolder = QStringLiteral(PROGRAMMER_BIN_DIR "/");
    }
    void cleanup() { setEdition(EnglishEdition()); }

    void everyTopicHasAPageInBothEditions()
    {
        const std::set<int> topics = usedTopics();
        QVERIFY(topics.size() >= 16);
        const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#:]+)(?:#[^\"]*)?\""));
        for (const Edition& e : {EnglishEdition(), ChineseEdition()}) {
            setEdition(e);
            const QString folder = HelpFolder();
            QVERIFY(folder.endsWith(e.chinese ? QStringLiteral("help/zh/") : QStringLiteral("help/")));
            for (int topic : topics)
                QCOMPARE(HelpTopicPath(topic), folder + QString::number(topic) + QStringLiteral(".html"));
            QCOMPARE(HelpTopicPath(kHelpContents), folder + QStringLiteral("index.html"));
            QCOMPARE(HelpTopicPath(12345), folder + QStringLiteral("index.html")); // no page: the contents

            for (const QString& name : QDir(folder).entryList({QStringLiteral("*.html")})) {
                QFile page(folder + name);
                QVERIFY(page.open(QIODevice::ReadOnly));
                const QString text = QString::fromUtf8(page.readAll());
                QVERIFY2(text.contains(QStringLiteral("<meta charset=\"utf-8\">")), qPrintable(name));
                for (const auto& m : link.globalMatch(text))
                    QVERIFY2(QFileInfo::exists(folder + m.captured(1)), qPrintable(name + ": " + m.captured(1)));
            }
        }
    }

    void f1InADialogOpensItsPageAndWithoutABrowserTheMessageNamesIt()
    {
        MainWindow frame([](ViewKind kind, Document& doc) { return MakeProgramView(kind, doc); });
        frame.show();
        QDialog dialog(&frame);
        dialog.setObjectName(QString::number(FrequencyRangeDialog::kTemplateId));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        QTest::keyClick(&dialog, Qt::Key_F1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.at(0).toLocalFile(), HelpFolder() + QStringLiteral("195.html"));

        // The offscreen platform starts no browser.
        ModalAnswerer answerer;
        frame.showHelp(kHelpContents);
        QCOMPARE(answerer.messages.size(), 1);
        QVERIFY2(
            answerer.messages.at(0).endsWith(QDir::toNativeSeparators(HelpFolder() + QStringLiteral("index.html"))),
            qPrintable(answerer.messages.at(0)));

        // No pages at all: the message says where they belong.
        appSettings().programFolder = m_folder.path();
        frame.showHelp(142);
        appSettings().programFolder = QStringLiteral(PROGRAMMER_BIN_DIR "/");
        QCOMPARE(answerer.messages.size(), 2);
        QVERIFY(answerer.messages.at(1).contains(QDir::toNativeSeparators(m_folder.path() + QStringLiteral("help/"))));
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
