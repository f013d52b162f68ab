#pragma once

// The main window over views that edit one byte each, in a program folder of
// its own: what the window tests share.
#include "controls/base_form_view.h"
#include "document/document.h"
#include "link/core/sim_radio.h"
#include "link/core/steady_link_clock.h"
#include "shell/app_icons.h"
#include "shell/core/app_settings.h"
#include "shell/main_window.h"
#include "shell/view_sub_window.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/test_document.h"

#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A view that edits one byte of the image through a line edit.
class ByteView : public BaseFormView {
public:
    ByteView(Document& doc, std::uint32_t address, int* made) : BaseFormView(1, doc), m_address(address)
    {
        edit = new QLineEdit(this);
        ++*made;
    }
    void LoadFromImage() override
    {
        ++loads;
        edit->setText(QString::number(document().image()[m_address]));
    }
    void SaveToImage() override
    {
        ++saves;
        document().change()[m_address] = static_cast<std::uint8_t>(edit->text().toUInt());
    }
    QLineEdit* edit;
    int loads = 0;
    int saves = 0;

private:
    std::uint32_t m_address;
};

inline constexpr std::uint32_t kShared = 0x2000;

inline ByteView* ViewOf(ViewSubWindow* f)
{
    return f ? static_cast<ByteView*>(f->view()) : nullptr;
}

class WindowFixture : public QObject {
protected:
    QTemporaryDir m_dir;
    QString m_folder;
    int m_made = 0;
    ScriptedDesktop m_desktop; // outlives the window that asks it
    std::unique_ptr<MainWindow> m_frame;
    std::unique_ptr<SimRadio> m_radio;
    SteadyLinkClock m_clock;

    RadioImage& image() { return DocumentTestAccess::image(m_frame->document()); }
    // The title as the window manager shows it.
    QString shownTitle() const
    {
        return m_frame->windowTitle().replace(QStringLiteral("[*]"),
                                              m_frame->isWindowModified() ? QStringLiteral("*") : QString());
    }

    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(m_folder + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    void setUpProgramFolder(const char* applicationName)
    {
        // The profile (recent files) and data folders go to Qt's test locations.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("VRX"));
        QCoreApplication::setApplicationName(QLatin1String(applicationName));
        QVERIFY(m_dir.isValid());
        m_folder = m_dir.path() + "/";
        writeFile("Program.ini",
                  "[Setup]\r\nCOM=COM3\r\nModel=QM4410\r\nCompany=Acme Radio\r\n[About]\r\nVersion=2.0\r\n");
        QVERIFY(QFile::copy(QStringLiteral(PROGRAMMER_BIN_DIR "/Default.dat"), m_folder + "Default.dat"));
        ResetBuiltInSettings();
        ReadStartupSettings(m_folder);
        InstallIconTheme();
    }

    void makeWindow()
    {
        QSettings().remove(QStringLiteral("MainWindow/Geometry")); // each test starts as a first run
        m_made = 0;
        m_frame = std::make_unique<MainWindow>(
            [this](ViewKind kind, Document& doc) -> BaseFormView* {
                switch (kind) {
                case ViewKind::ChannelTable:
                case ViewKind::Dtmf: return new ByteView(doc, kShared, &m_made);
                case ViewKind::Alarm: return new ByteView(doc, 0x3000, &m_made);
                default: return MakeProgramView(kind, doc);
                }
            },
            &m_desktop);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }

    void dropWindow()
    {
        m_frame.reset();
        m_desktop = ScriptedDesktop(); // answers hold the test's locals
    }
};
