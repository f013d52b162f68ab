#include "settings/option_page.h"

#include "document/document.h"

#include "codecs/decimal.h"
#include "controls/edit_widgets.h"
#include "controls/form_kit.h"
#include "controls/up_down.h"
#include "settings/core/setting_fields.h"
#include "settings/core/setting_lists.h"
#include "settings/core/setting_rules.h"
#include "settings/setting_ids.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

#include <utility>
#include <vector>

using namespace FormKit;

namespace {
constexpr int kScramblerMin = 2600;
constexpr int kScramblerMax = 4000;
constexpr int kScramblerDefault = 3300;
constexpr int kVolumeMin = 1;
constexpr int kVolumeMax = 15;
constexpr int kVolumeDefault = 15;

constexpr BitField WholeByte(std::uint32_t offset)
{
    return {offset, 0, 8};
}
} // namespace

OptionPage::OptionPage(Document& document, QWidget* parent) : FormPage(BasicIds::kOptionPage, document, parent)
{
    using namespace BasicIds;
    m_leftPriority = MakeDropList(this, kLeftPriority);
    m_rightPriority = MakeDropList(this, kRightPriority);
    m_sqlLeft = MakeDropList(this, kSqlLeft);
    m_sqlRight = MakeDropList(this, kSqlRight);
    m_autoPowerOff = MakeDropList(this, kAutoPowerOff);
    m_backlightBrightness = MakeDropList(this, kBacklightBrightness);
    m_backlightColor = MakeDropList(this, kBacklightColor);
    m_beep = MakeDropList(this, kBeep);
    m_keyLock = MakeDropList(this, kKeyLock);
    m_pttLock = MakeDropList(this, kPttLock);
    m_hyperChannel = MakeDropList(this, kHyperChannel);
    m_rightFunctionKey = MakeDropList(this, kRightFunctionKey);
    m_tbst = MakeDropList(this, kTbst);
    m_aniDisplay = MakeDropList(this, kAniDisplay);
    m_silentMode = MakeDropList(this, kSilentMode);
    m_ste = MakeDropList(this, kSte);
    m_autoTransfer = MakeDropList(this, kAutoTransfer);
    m_autoContact = MakeDropList(this, kAutoContact);
    m_autoAm = MakeDropList(this, kAutoAm);
    m_amFunction = MakeDropList(this, kAmFunction);
    m_spanTransit = MakeDropList(this, kSpanTransit);
    m_scanMode = MakeDropList(this, kScanMode);
    m_scanResume = MakeDropList(this, kScanResume);
    m_spanExitDelay = MakeDropList(this, kSpanExitDelay);
    m_scrambler = MakeNumberEdit(this, kScrambler, 4);
    m_volume = MakeNumberEdit(this, kVolume, 3);
    m_volumeArrows = MakeUpDown(m_volume, kVolumeSpin, kVolumeMin, kVolumeMax);

    // Fields the radio keeps but this edition does not show.
    for (QWidget* hidden : {static_cast<QWidget*>(m_leftPriority), static_cast<QWidget*>(m_rightPriority),
                            static_cast<QWidget*>(m_backlightColor), static_cast<QWidget*>(m_ste),
                            static_cast<QWidget*>(m_amFunction), static_cast<QWidget*>(m_spanTransit)})
        hidden->hide();

    auto* grid = new QGridLayout(this);
    SetFormSpacing(grid);
    const std::vector<std::pair<QString, QWidget*>> left = {
        {tr("SQL(Left)"), m_sqlLeft},
        {tr("SQL(Right)"), m_sqlRight},
        {tr("Auto AM"), m_autoAm},
        {tr("ANI Display"), m_aniDisplay},
        {tr("Hyper Channel"), m_hyperChannel},
        {tr("Span Transit Exit Delay"), m_spanExitDelay},
        {tr("Right Function Key"), m_rightFunctionKey},
        {tr("Auto contact"), m_autoContact},
        {tr("TBST Frequency(Hz)"), m_tbst},
        {tr("Scarmbler(2600 - 4000Hz)"), m_scrambler},
    };
    const std::vector<std::pair<QString, QWidget*>> right = {
        {tr("Beep"), m_beep},
        {tr("Volume"), EditWithArrows(m_volume, m_volumeArrows)},
        {tr("Selent mode"), m_silentMode},
        {tr("Auto power off(h)"), m_autoPowerOff},
        {tr("Key lock"), m_keyLock},
        {tr("PTT lock"), m_pttLock},
        {tr("Backlight Brightness"), m_backlightBrightness},
        {tr("Auto transfer"), m_autoTransfer},
        {tr("Scan mode"), m_scanMode},
        {tr("Scan resume mode"), m_scanResume},
    };
    for (int i = 0; i < static_cast<int>(left.size()); ++i)
        AddLabelled(grid, i, 0, left[static_cast<std::size_t>(i)].first, left[static_cast<std::size_t>(i)].second);
    for (int i = 0; i < static_cast<int>(right.size()); ++i)
        AddLabelled(grid, i, 3, right[static_cast<std::size_t>(i)].first, right[static_cast<std::size_t>(i)].second);
    grid->setColumnMinimumWidth(2, kColumnGap - 2 * kLabelGap);
    KeepFieldWidths(grid);

    OnFocusLost(m_scrambler, [this] { checkScrambler(); });
    OnFocusLost(m_volume, [this] { checkVolume(); });
    // The arrows write their position into the edit and wrap at the ends.
    connect(m_volumeArrows, &UpDown::deltaPos, this, [this](int delta) { SpinIntField(m_volumeArrows, delta); });
}

OptionPage::~OptionPage()
{
    DropFocusHooks(this);
}

void OptionPage::pageStart()
{
    using namespace BasicLists;
    // The priority lists show the channels present now; they are not rebuilt later.
    const RadioImage& image = document().image();
    m_leftPriority->clear();
    m_leftPriority->addItem(QStringLiteral("Off"));
    m_leftPriority->addItems(NonEmptyChannelNumbers(image, ImageMap::kBankA));
    m_rightPriority->clear();
    m_rightPriority->addItem(QStringLiteral("Off"));
    m_rightPriority->addItems(NonEmptyChannelNumbers(image, ImageMap::kBankB));

    const std::vector<std::pair<QComboBox*, OptionList>> lists = {
        {m_sqlLeft, Sql},
        {m_sqlRight, Sql},
        {m_autoPowerOff, AutoPowerOff},
        {m_backlightBrightness, BacklightBrightness},
        {m_backlightColor, BacklightColor},
        {m_beep, OffOnList},
        {m_keyLock, ManualAuto},
        {m_pttLock, PttLock},
        {m_hyperChannel, ManualAuto},
        {m_rightFunctionKey, RightFunctionKey},
        {m_tbst, Tbst},
        {m_aniDisplay, OffOnList},
        {m_silentMode, SilentMode},
        {m_ste, Ste},
        {m_autoTransfer, OffOnList},
        {m_autoContact, AutoContact},
        {m_autoAm, AutoAm},
        {m_amFunction, OffOnList},
        {m_spanTransit, OffOnList},
        {m_scanMode, ScanMode},
        {m_scanResume, ScanResume},
    };
    for (const auto& [combo, items] : lists) {
        combo->clear();
        combo->addItems(ToStringList(items));
    }
    m_spanExitDelay->clear();
    for (int i = 0; i < kSpanExitDelayCount; ++i)
        m_spanExitDelay->addItem(SpanExitDelayText(i));

    LimitTyping(m_volume, 3);
    m_volumeArrows->setRange(kVolumeMin, kVolumeMax);
    LimitTyping(m_scrambler, 4);
    LoadFromImage();
}

void OptionPage::LoadFromImage()
{
    using namespace BasicMap;
    const RadioImage& image = document().image();
    for (auto [combo, offset] :
         {std::pair{m_leftPriority, kLeftPriority}, std::pair{m_rightPriority, kRightPriority}}) {
        // A channel that is gone leaves the first channel beginning with the same digits, or "Off".
        combo->setCurrentIndex(0);
        SelectStartingWith(combo, QString::number(ReadWord(image, offset)));
    }

    const std::vector<std::pair<QComboBox*, BitField>> indexFields = {
        {m_sqlLeft, WholeByte(kSqlLeft)},
        {m_sqlRight, WholeByte(kSqlRight)},
        {m_spanExitDelay, WholeByte(kSpanExitDelay)},
        {m_backlightColor, WholeByte(kBacklightColor)},
        {m_beep, kBeep},
        {m_keyLock, kKeyLock},
        {m_pttLock, kPttLock},
        {m_hyperChannel, kHyperChannel},
        {m_rightFunctionKey, kRightFunctionKey},
        {m_tbst, kTbst},
        {m_aniDisplay, kAniDisplay},
        {m_silentMode, kSilentMode},
        {m_ste, kSte},
        {m_autoTransfer, kAutoTransfer},
        {m_autoContact, kAutoContact},
        {m_autoAm, kAutoAm},
        {m_amFunction, kAmFunction},
        {m_spanTransit, kSpanTransit},
        {m_scanMode, kScanMode},
        {m_scanResume, kScanResume},
    };
    // Values beyond a list leave it unselected; the page check picks its default.
    for (const auto& [combo, field] : indexFields)
        SelectIndex(combo, static_cast<int>(ReadBits(image, field)));

    m_volume->setText(QString::number(image[kVolume]));
    m_scrambler->setText(QString::number(ReadWord(image, kScrambler)));

    // These two keep their selection when the stored value is on no item.
    SelectStartingWith(m_autoPowerOff, PowerOffSearchText(image[kAutoPowerOff], QStringLiteral("Off")));
    const int brightness = image[kBacklightBrightness];
    SelectStartingWith(m_backlightBrightness, brightness == 0 ? QStringLiteral("Off") : QString::number(brightness));

    pageCheck();
}

void OptionPage::checkScrambler()
{
    ValidateIntField(m_scrambler, kScramblerMin, kScramblerMax, kScramblerDefault, 1);
}

void OptionPage::checkVolume()
{
    ValidateIntField(m_volume, kVolumeMin, kVolumeMax, kVolumeDefault, 1);
}

void OptionPage::pageCheck()
{
    for (QComboBox* combo : findChildren<QComboBox*>())
        EnsureComboSelection(combo, combo == m_tbst ? BasicLists::kTbstDefault : 0);
    checkScrambler();
    checkVolume();
}

void OptionPage::SaveToImage()
{
    using namespace BasicMap;
    pageCheck();
    auto change = document().change();
    RadioImage& image = change.image();
    WriteWord(image, kLeftPriority, static_cast<unsigned>(TextToInt(m_leftPriority->currentText())));
    WriteWord(image, kRightPriority, static_cast<unsigned>(TextToInt(m_rightPriority->currentText())));
    image[kSqlLeft] = static_cast<std::uint8_t>(SelectedIndexOrZero(m_sqlLeft));
    image[kSqlRight] = static_cast<std::uint8_t>(SelectedIndexOrZero(m_sqlRight));
    WriteBits(image, kBeep, SelectedIndexOrZero(m_beep));
    image[kVolume] = static_cast<std::uint8_t>(TextToInt(m_volume->text()));
    image[kAutoPowerOff] = static_cast<std::uint8_t>(PowerOffTenths(m_autoPowerOff->currentText()));
    WriteBits(image, kKeyLock, SelectedIndexOrZero(m_keyLock));
    WriteBits(image, kPttLock, SelectedIndexOrZero(m_pttLock));
    image[kBacklightBrightness] = static_cast<std::uint8_t>(TextToInt(m_backlightBrightness->currentText()));
    image[kBacklightColor] = static_cast<std::uint8_t>(SelectedIndexOrZero(m_backlightColor));
    WriteBits(image, kHyperChannel, SelectedIndexOrZero(m_hyperChannel));
    WriteBits(image, kRightFunctionKey, SelectedIndexOrZero(m_rightFunctionKey));
    WriteBits(image, kSilentMode, SelectedIndexOrZero(m_silentMode));
    WriteBits(image, kSte, SelectedIndexOrZero(m_ste));
    WriteBits(image, kSpanTransit, SelectedIndexOrZero(m_spanTransit));
    WriteBits(image, kAutoAm, SelectedIndexOrZero(m_autoAm));
    WriteBits(image, kAmFunction, SelectedIndexOrZero(m_amFunction));
    WriteBits(image, kAutoTransfer, SelectedIndexOrZero(m_autoTransfer) != 0 ? 1 : 0);
    WriteBits(image, kAutoContact, SelectedIndexOrZero(m_autoContact) != 0 ? 1 : 0);
    WriteBits(image, kAniDisplay, SelectedIndexOrZero(m_aniDisplay));
    WriteBits(image, kTbst, SelectedIndexOrZero(m_tbst));
    WriteWord(image, kScrambler, static_cast<unsigned>(TextToInt(m_scrambler->text())));
    WriteBits(image, kScanMode, SelectedIndexOrZero(m_scanMode));
    WriteBits(image, kScanResume, SelectedIndexOrZero(m_scanResume));
    image[kSpanExitDelay] = static_cast<std::uint8_t>(SelectedIndexOrZero(m_spanExitDelay));
}
