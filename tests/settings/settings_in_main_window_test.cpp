// The three setting views as the main window opens and switches them.
#include "settings/setting_ids.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/main_window.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"
#include "tests/settings/form_test_support.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_document.h"
#include "tests/support/test_views.h"

#include "controls/base_form_view.h"
#include "controls/grid.h"

#include <QFile>
#include <QMdiArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class SettingsInMainWindowTest : public QObject {
    Q_OBJECT

    ProgramFolder m_folder{"[Setup]\r\nCOM=COM3\r\nModel=QM4410\r\nCompany=Acme Radio\r\n[About]\r\nVersion=2.0\r\n"};
    std::unique_ptr<MainWindow> m_frame;

    RadioImage& image() { return DocumentTestAccess::image(m_frame->document()); }

    BaseFormView* viewOf(ViewKind kind) const
    {
        ViewSubWindow* f = m_frame->views().subWindow(kind);
        return f ? f->view() : nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_frame = std::make_unique<MainWindow>(MakeViewsWithPlainTable);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        m_frame->views().subWindow(ViewKind::ChannelTable)->showNormal();
    }
    void cleanupTestCase() { m_frame.reset(); }

    void editsReachTheImageWhenTheViewIsLeft()
    {
        image()[0xCC2F] = 8;
        image()[0xCC72] = 30;
        image()[0xD6B0] = 50;

        m_frame->runCommand(Cmd::BasicSetting);
        BaseFormView* basic = viewOf(ViewKind::BasicSetting);
        QVERIFY(basic);
        QLineEdit* volume = Control<QLineEdit>(basic, BasicIds::kVolume);
        QCOMPARE(volume->text(), QStringLiteral("8"));
        volume->setText(QStringLiteral("6"));

        QVERIFY(m_frame->commandAction(Cmd::Alarm)->isEnabled());
        m_frame->runCommand(Cmd::Alarm);
        BaseFormView* alarm = viewOf(ViewKind::Alarm);
        QVERIFY(alarm);
        QCOMPARE(m_frame->views().subWindow(ViewKind::Alarm)->size(), ViewSize(ViewKind::Alarm));
        QCOMPARE(int(image()[0xCC2F]), 6); // the basic view was stored when left
        QLineEdit* tx = Control<QLineEdit>(alarm, AlarmIds::kTxTime);
        QCOMPARE(tx->text(), QStringLiteral("30"));
        tx->setText(QStringLiteral("9"));

        m_frame->runCommand(Cmd::Dtmf);
        BaseFormView* dtmf = viewOf(ViewKind::Dtmf);
        QVERIFY(dtmf);
        QCOMPARE(int(image()[0xCC72]), 9);
        Pick(Control<QComboBox>(dtmf, DtmfIds::kSpeed), QStringLiteral("100"));

        m_frame->runCommand(Cmd::BasicSetting);
        QCOMPARE(viewOf(ViewKind::BasicSetting), basic); // the same window, brought forward
        QCOMPARE(int(image()[0xD6B0]), 100);
        m_frame->runCommand(Cmd::Alarm);
        image()[0xCC2F] = 0; // changed behind the view's back; reloading corrects it
        m_frame->runCommand(Cmd::BasicSetting);
        QCOMPARE(volume->text(), QStringLiteral("15"));
        QCOMPARE(int(image()[0xCC2F]), 0); // until it is stored again
        m_frame->runCommand(Cmd::Alarm);
        QCOMPARE(int(image()[0xCC2F]), 15);

        // Closing a view stores it.
        Control<QLineEdit>(alarm, AlarmIds::kRxTime)->setText(QStringLiteral("44"));
        m_frame->views().subWindow(ViewKind::Alarm)->close();
        QTRY_VERIFY(!m_frame->views().subWindow(ViewKind::Alarm));
        QCOMPARE(int(image()[0xCC73]), 44);
        // The views as their frames show them.
        m_frame->runCommand(Cmd::Alarm);
        SavePicture(m_frame->views().subWindow(ViewKind::BasicSetting), QStringLiteral("frame_basic"));
        SavePicture(m_frame->views().subWindow(ViewKind::Dtmf), QStringLiteral("frame_dtmf"));
        SavePicture(m_frame->views().subWindow(ViewKind::Alarm), QStringLiteral("frame_alarm"));
    }

    void theStorePassWritesEveryOpenView()
    {
        m_frame->runCommand(Cmd::Dtmf);
        BaseFormView* dtmf = viewOf(ViewKind::Dtmf);
        QVERIFY(dtmf);
        auto* tabs = dtmf->findChild<QTabWidget*>();
        tabs->setCurrentIndex(1);
        Control<QLineEdit>(dtmf, DtmfIds::kPttIdUp)->setText(QStringLiteral("123"));
        m_frame->StoreViewsToImage();
        QCOMPARE(int(image()[0xD6E0]), 1);
        QCOMPARE(int(image()[0xD6E2]), 3);
        image()[0xD6E0] = 9;
        m_frame->LoadViewsFromImage();
        QCOMPARE(Control<QLineEdit>(dtmf, DtmfIds::kPttIdUp)->text(), QStringLiteral("923"));
    }
};

QTEST_MAIN(SettingsInMainWindowTest)
#include "settings_in_main_window_test.moc"
