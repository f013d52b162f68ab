#include "signalling/two_tone_system_page.h"

#include "document/document.h"

#include "codecs/text_codecs.h"
#include "controls/core/print_sheet.h"
#include "controls/edit_widgets.h"
#include "controls/form_kit.h"
#include "controls/print_form.h"
#include "controls/up_down.h"
#include "signalling/core/two_tone_records.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

using namespace FormKit;

namespace {
constexpr int kMinTone = 2880;  // 288.0 Hz
constexpr int kMaxTone = 31160; // 3116.0 Hz
constexpr std::array<int, 4> kToneDefaults = {3217, 9281, 6265, 20438};
constexpr int kAutoResetMax = 255;
constexpr int kAutoResetDefault = 10;

// Tabs at least 35 pixels wide, however short their numbers.
class SystemTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize s = QTabBar::tabSizeHint(index);
        s.setWidth(std::max(s.width(), 35));
        return s;
    }
};

} // namespace

TwoToneSystemPage::TwoToneSystemPage(Document& document, QWidget* parent) : FormPage(kTemplateId, document, parent)
{
    buildControls();
}

TwoToneSystemPage::~TwoToneSystemPage()
{
    DropFocusHooks(this);
}

TwoToneSystemPage::DecField TwoToneSystemPage::makeField(QWidget* parent, int id, int maxLength, int min, int max,
                                                         int def, bool emptyWhenZero)
{
    DecField f;
    f.edit = MakeEdit(parent, id, maxLength);
    f.arrows = MakeUpDown(f.edit, id + 1, min, max);
    f.min = min;
    f.max = max;
    f.def = def;
    f.emptyWhenZero = emptyWhenZero;
    connect(f.arrows, &UpDown::deltaPos, this,
            [arrows = f.arrows, emptyWhenZero](int delta) { SpinDecField(arrows, delta, emptyWhenZero, QString()); });
    OnFocusLost(f.edit, [this, f] { validate(f); });
    return f;
}

void TwoToneSystemPage::buildControls()
{
    m_systems = new SystemTabBar(this);
    m_systems->setObjectName(QStringLiteral("1162"));
    m_systems->setExpanding(false);
    m_systems->setUsesScrollButtons(true);
    for (int n = 1; n <= TwoToneMap::kSystemCount; ++n)
        m_systems->addTab(QString::number(n));

    auto* panel = new QFrame(this);
    m_panel = panel;
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);

    // Decoders: the first always decodes, so its list has no "Off".
    const QStringList formats = ToStringList(TwoToneFormatList);
    for (int d = 0; d < 4; ++d) {
        const auto i = static_cast<std::size_t>(d);
        auto* box = new QGroupBox(tr("Decode %1").arg(d + 1), panel);
        auto* boxGrid = new QGridLayout(box);
        m_formats[i] = MakeDropList(box, 1300 + 2 * d, d == 0 ? formats.mid(1) : formats, ListWidth::AtFirstShow);
        m_responses[i] = MakeDropList(box, 1301 + 2 * d, SelCallResponseList, ListWidth::AtFirstShow);
        AddLabelled(boxGrid, 0, 0, tr("Format"), m_formats[i]);
        AddLabelled(boxGrid, 1, 0, tr("Response"), m_responses[i]);
        grid->addWidget(box, d / 2, 2 * (d % 2), 1, 2);
    }

    auto* fields = new QGridLayout;
    const char* const toneLabels[] = {QT_TR_NOOP("A tone"), QT_TR_NOOP("B tone"), QT_TR_NOOP("C tone"),
                                      QT_TR_NOOP("D tone")};
    for (int t = 0; t < 4; ++t) {
        const auto i = static_cast<std::size_t>(t);
        m_tones[i] = makeField(panel, 1308 + 2 * t, 6, kMinTone, kMaxTone, kToneDefaults[i], false);
        AddLabelled(fields, t / 2, 3 * (t % 2), tr(toneLabels[t]), EditWithArrows(m_tones[i].edit, m_tones[i].arrows));
    }
    m_alias = MakeEdit(panel, 1005, 6);
    OnFocusLost(m_alias, [this] { leaveAlias(); });
    AddLabelled(fields, 2, 0, tr("Alias"), m_alias);

    m_times[ReplyWait] = makeField(panel, 1326, 3, 0, 50, 0, true);
    m_times[FirstDuration] = makeField(panel, 1316, 3, 0, 40, 10, false);
    m_times[SecondDuration] = makeField(panel, 1318, 3, 0, 40, 30, false);
    m_times[Interval] = makeField(panel, 1320, 3, 0, 20, 10, false);
    m_times[LongDuration] = makeField(panel, 1322, 4, 5, 100, 50, false);
    m_times[PreCarrier] = makeField(panel, 1324, 3, 0, 50, 5, false);
    const char* const timeLabels[TimeCount] = {
        QT_TR_NOOP("Reply wait (s)"), QT_TR_NOOP("First toen duration (s)"), QT_TR_NOOP("Second tone duration(s)"),
        QT_TR_NOOP("Interval(s)"),    QT_TR_NOOP("Long duration(s)"),        QT_TR_NOOP("Pre-carrier time(s)")};
    for (int t = 0; t < TimeCount; ++t) {
        const DecField& f = m_times[static_cast<std::size_t>(t)];
        AddLabelled(fields, 3 + t / 2, 3 * (t % 2), tr(timeLabels[t]), EditWithArrows(f.edit, f.arrows));
    }
    m_autoReset = MakeEdit(panel, 1185, 3);
    m_autoResetArrows = MakeUpDown(m_autoReset, 1186, 0, kAutoResetMax);
    connect(m_autoResetArrows, &UpDown::deltaPos, this,
            [this](int delta) { SpinIntField(m_autoResetArrows, delta, true, QString()); });
    OnFocusLost(m_autoReset, [this] { validateAutoReset(); });
    AddLabelled(fields, 6, 0, tr("Auto reset time (s)"), EditWithArrows(m_autoReset, m_autoResetArrows));
    SetFormSpacing(fields, 0);
    fields->setColumnMinimumWidth(2, kColumnGap - 2 * kLabelGap);
    KeepFieldWidths(fields);
    grid->addLayout(fields, 2, 0, 1, 4);

    auto* checks = new QHBoxLayout;
    m_sideTone = new QCheckBox(tr("Side tone"), panel);
    m_sideTone->setObjectName(QStringLiteral("1149"));
    m_idleReply = new QCheckBox(tr("Idle reply"), panel);
    m_idleReply->setObjectName(QStringLiteral("1428"));
    m_beep = new QCheckBox(tr("Beep"), panel);
    m_beep->setObjectName(QStringLiteral("1190"));
    m_beep->hide(); // kept in step with the image, not offered
    checks->addWidget(m_sideTone);
    checks->addWidget(m_idleReply);
    checks->addWidget(m_beep);
    checks->addStretch(1);
    grid->addLayout(checks, 3, 0, 1, 4);
    SetFormSpacing(grid);
    KeepFieldWidths(grid);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(m_systems);
    layout->addWidget(panel, 1);

    connect(m_systems, &QTabBar::currentChanged, this, &TwoToneSystemPage::onSystemChanged);
}

void TwoToneSystemPage::LoadFromImage()
{
    loadSystem(m_shownSystem);
}

void TwoToneSystemPage::SaveToImage()
{
    saveSystem(m_shownSystem);
}

void TwoToneSystemPage::printTo(PrintSheet& sheet)
{
    const int shown = m_shownSystem;
    for (int n = 0; n < TwoToneMap::kSystemCount; ++n) {
        if (!TwoToneSystemInUse(document().image(), n))
            continue;
        loadSystem(n);
        sheet.heading(tr("System %1").arg(n + 1));
        PrintSheet::Nested nested(sheet);
        PrintForm(sheet, m_panel);
    }
    loadSystem(shown);
}

void TwoToneSystemPage::onSystemChanged(int index)
{
    if (index < 0 || index == m_shownSystem)
        return;
    saveSystem(m_shownSystem);
    loadSystem(index);
}

void TwoToneSystemPage::loadSystem(int n)
{
    const TwoToneSystem s = ReadTwoToneSystem(document().image(), n);
    m_shownSystem = n;
    m_systems->setCurrentIndex(n);
    m_alias->setText(s.alias);
    m_aliasLoaded = s.alias;
    m_times[PreCarrier].edit->setText(s.preCarrier);
    m_times[FirstDuration].edit->setText(s.firstDuration);
    m_times[SecondDuration].edit->setText(s.secondDuration);
    m_times[LongDuration].edit->setText(s.longDuration);
    m_times[Interval].edit->setText(s.interval);
    m_times[ReplyWait].edit->setText(s.replyWait);
    m_autoReset->setText(s.autoReset);
    m_sideTone->setChecked(s.sideTone);
    m_beep->setChecked(s.beep);
    m_idleReply->setChecked(s.idleReply);
    for (std::size_t t = 0; t < 4; ++t) {
        m_tones[t].edit->setText(s.tones[t]);
        // A code the list lacks ("Off" in decoder 1) leaves no selection.
        m_formats[t]->setCurrentIndex(m_formats[t]->findText(s.formats[t]));
        SelectIndex(m_responses[t], s.responses[t]);
    }
}

void TwoToneSystemPage::saveSystem(int n)
{
    for (const DecField& f : m_tones)
        validate(f);
    for (const DecField& f : m_times)
        validate(f);
    validateAutoReset();
    leaveAlias();

    TwoToneSystem s;
    s.alias = m_alias->text();
    s.preCarrier = m_times[PreCarrier].edit->text();
    s.firstDuration = m_times[FirstDuration].edit->text();
    s.secondDuration = m_times[SecondDuration].edit->text();
    s.longDuration = m_times[LongDuration].edit->text();
    s.interval = m_times[Interval].edit->text();
    s.replyWait = m_times[ReplyWait].edit->text();
    s.autoReset = m_autoReset->text();
    s.sideTone = m_sideTone->isChecked();
    s.beep = m_beep->isChecked();
    s.idleReply = m_idleReply->isChecked();
    for (std::size_t t = 0; t < 4; ++t) {
        s.tones[t] = m_tones[t].edit->text();
        // Read by text: no selection stores 0x00 ("Off"), as the image had it.
        s.formats[t] = m_formats[t]->currentIndex() >= 0 ? m_formats[t]->currentText() : QString();
        EnsureComboSelection(m_responses[t], 0);
        s.responses[t] = m_responses[t]->currentIndex();
    }
    WriteTwoToneSystem(document().change().image(), n, s);
}

void TwoToneSystemPage::validate(const DecField& f)
{
    ValidateDecField(f.edit, f.min, f.max, f.def, f.emptyWhenZero, QString());
}

void TwoToneSystemPage::validateAutoReset()
{
    // An empty box is how 0 (off) shows: it stays 0 rather than turning
    // into the default the next time the box is left or the page is saved.
    if (m_autoReset->text().isEmpty())
        return;
    ValidateIntField(m_autoReset, 0, kAutoResetMax, kAutoResetDefault, 1, true, QString());
}

void TwoToneSystemPage::leaveAlias()
{
    if (!m_alias->text().isEmpty())
        return;
    m_alias->setText(!m_aliasLoaded.isEmpty() ? m_aliasLoaded : QString::asprintf("2T-S%02d", m_shownSystem + 1));
}
