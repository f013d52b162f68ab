// The five-tone and two-tone views inside the main window: opened from the
// menu and the tree, part of the store and load passes, and the standard
// table going out with the parameter file.
#include "document/five_tone_table.h"
#include "document/param_file.h"
#include "shell/core/app_settings.h"
#include "shell/main_window.h"
#include "shell/view_catalog.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"
#include "signalling/five_tone_view.h"
#include "signalling/two_tone_system_page.h"
#include "signalling/two_tone_view.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_document.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class SignallingFrameTest : public QObject {
    Q_OBJECT

    ProgramFolder m_folder{"[Setup]\r\nCOM=COM3\r\nModel=QM4410\r\n"};
    std::unique_ptr<MainWindow> m_frame;

    RadioImage& image() { return DocumentTestAccess::image(m_frame->document()); }
    HeaderBlock& header() { return DocumentTestAccess::header(m_frame->document()); }

    QAction* editAction(const QString& text) const
    {
        for (QAction* a : m_frame->editMenu()->actions())
            if (a->text().remove(QLatin1Char('&')) == text)
                return a;
        return nullptr;
    }

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void init()
    {
        m_frame = std::make_unique<MainWindow>();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    void cleanup() { m_frame.reset(); }

    void fiveToneFromTheMenuTakesPartInThePasses()
    {
        QAction* open = editAction(QStringLiteral("5Tone"));
        QVERIFY(open);
        QVERIFY(open->isEnabled());
        open->trigger();
        ViewSubWindow* frame = m_frame->views().subWindow(ViewKind::FiveTone);
        QVERIFY(frame);
        auto* view = qobject_cast<FiveToneView*>(frame->view());
        QVERIFY(view);
        auto* standard = view->findChild<QComboBox*>(QStringLiteral("1366"));
        standard->setCurrentIndex(15);
        emit standard->activated(15);
        auto* tone3 = view->findChild<QLineEdit*>(QStringLiteral("1340"));
        QVERIFY(tone3->isEnabled());
        tone3->setText(QStringLiteral("1111.1"));
        m_frame->StoreViewsToImage();
        QCOMPARE(image()[0xD280], 15);
        const std::size_t entry = FiveTone::StandardOffset(15) + 8 + 6;
        QCOMPARE(header()[entry] | header()[entry + 1] << 8, 11111);

        // The user standard's tones live in the header: they go out with the file.
        const QString path = m_folder.file("five.dat");
        m_frame->document().setPath(path);
        QVERIFY(m_frame->document().save().ok);
        auto fileHeader = std::make_unique<HeaderBlock>();
        auto fileImage = std::make_unique<RadioImage>();
        QVERIFY(ReadParamFile(path, *fileHeader, *fileImage, true).ok);
        QCOMPARE((*fileHeader)[entry] | (*fileHeader)[entry + 1] << 8, 11111);

        // The load pass refreshes the view from a changed image.
        image()[0xD280] = 13;
        m_frame->LoadViewsFromImage();
        QCOMPARE(standard->currentText(), QStringLiteral("EIA"));
    }

    void twoToneFromTheTreeTakesPartInThePasses()
    {
        QTreeWidgetItem* root = m_frame->views().tree()->topLevelItem(0);
        QTreeWidgetItem* item = nullptr;
        for (int i = 0; i < root->childCount(); ++i)
            if (root->child(i)->text(0) == QStringLiteral("2Tone"))
                item = root->child(i);
        QVERIFY(item);
        emit m_frame->views().tree()->itemClicked(item, 0);
        ViewSubWindow* frame = m_frame->views().subWindow(ViewKind::TwoTone);
        QVERIFY(frame);
        auto* view = qobject_cast<TwoToneView*>(frame->view());
        QVERIFY(view);
        auto* alias = view->systemPage()->findChild<QLineEdit*>(QStringLiteral("1005"));
        alias->setText(QStringLiteral("TREE"));
        m_frame->StoreViewsToImage();
        QCOMPARE(image()[0xCF80], 'T');
        QCOMPARE(image()[0xCF83], 'E');
        image()[0xCF80] = 'F';
        m_frame->LoadViewsFromImage();
        QCOMPARE(alias->text(), QStringLiteral("FREE"));
    }
};

QTEST_MAIN(SignallingFrameTest)
#include "signalling_frame_test.moc"
