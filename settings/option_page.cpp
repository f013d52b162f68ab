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

using namespace FormKit;

namespace {
constexpr int kScramblerMin = 2600;
constexpr int kScramblerMax = 4000;
constexpr int kScramblerDefault = 3300;
constexpr int kVolumeMin = 1;
constexpr int kVolumeMax = 15;
constexpr int kVolumeDefault = 15;
constexpr int kLeft = 0;  // the left column pair of labels and fields
constexpr int kRight = 3; // and the right one

using K = FormField::Kind;
namespace Id = BasicIds;
namespace Map = BasicMap;
namespace Lists = BasicLists;

// In the order the focus moves through them; row -1: kept by the radio, not shown.
constexpr FormField kFields[] = {
    {K::OwnList, Id::kLeftPriority},
    {K::OwnList, Id::kRightPriority},
    {K::List, Id::kSqlLeft, QT_TRANSLATE_NOOP("OptionPage", "SQL(Left)"), 0, kLeft, Lists::Sql,
     WholeByte(Map::kSqlLeft)},
    {K::List, Id::kSqlRight, QT_TRANSLATE_NOOP("OptionPage", "SQL(Right)"), 1, kLeft, Lists::Sql,
     WholeByte(Map::kSqlRight)},
    {K::OwnList, Id::kAutoPowerOff, QT_TRANSLATE_NOOP("OptionPage", "Auto power off(h)"), 3, kRight},
    {K::OwnList, Id::kBacklightBrightness, QT_TRANSLATE_NOOP("OptionPage", "Backlight Brightness"), 6, kRight},
    {K::List, Id::kBacklightColor, nullptr, -1, kLeft, Lists::BacklightColor, WholeByte(Map::kBacklightColor)},
    {K::List, Id::kBeep, QT_TRANSLATE_NOOP("OptionPage", "Beep"), 0, kRight, OffOnList, Map::kBeep},
    {K::List, Id::kKeyLock, QT_TRANSLATE_NOOP("OptionPage", "Key lock"), 4, kRight, Lists::ManualAuto, Map::kKeyLock},
    {K::List, Id::kPttLock, QT_TRANSLATE_NOOP("OptionPage", "PTT lock"), 5, kRight, Lists::PttLock, Map::kPttLock},
    {K::List, Id::kHyperChannel, QT_TRANSLATE_NOOP("OptionPage", "Hyper Channel"), 4, kLeft, Lists::ManualAuto,
     Map::kHyperChannel},
    {K::List, Id::kRightFunctionKey, QT_TRANSLATE_NOOP("OptionPage", "Right Function Key"), 6, kLeft,
     Lists::RightFunctionKey, Map::kRightFunctionKey},
    {K::List, Id::kTbst, QT_TRANSLATE_NOOP("OptionPage", "TBST Frequency(Hz)"), 8, kLeft, Lists::Tbst, Map::kTbst,
     Lists::kTbstDefault},
    {K::List, Id::kAniDisplay, QT_TRANSLATE_NOOP("OptionPage", "ANI Display"), 3, kLeft, OffOnList, Map::kAniDisplay},
    {K::List, Id::kSilentMode, QT_TRANSLATE_NOOP("OptionPage", "Selent mode"), 2, kRight, Lists::SilentMode,
     Map::kSilentMode},
    {K::List, Id::kSte, nullptr, -1, kLeft, Lists::Ste, Map::kSte},
    {K::List, Id::kAutoTransfer, QT_TRANSLATE_NOOP("OptionPage", "Auto transfer"), 7, kRight, OffOnList,
     Map::kAutoTransfer},
    {K::List, Id::kAutoContact, QT_TRANSLATE_NOOP("OptionPage", "Auto contact"), 7, kLeft, Lists::AutoContact,
     Map::kAutoContact},
    {K::List, Id::kAutoAm, QT_TRANSLATE_NOOP("OptionPage", "Auto AM"), 2, kLeft, Lists::AutoAm, Map::kAutoAm},
    {K::List, Id::kAmFunction, nullptr, -1, kLeft, OffOnList, Map::kAmFunction},
    {K::List, Id::kSpanTransit, nullptr, -1, kLeft, OffOnList, Map::kSpanTransit},
    {K::List, Id::kScanMode, QT_TRANSLATE_NOOP("OptionPage", "Scan mode"), 8, kRight, Lists::ScanMode, Map::kScanMode},
    {K::List, Id::kScanResume, QT_TRANSLATE_NOOP("OptionPage", "Scan resume mode"), 9, kRight, Lists::ScanResume,
     Map::kScanResume},
    // Its items are made by the page: 0.0 to 5.0 s.
    {K::List,
     Id::kSpanExitDelay,
     QT_TRANSLATE_NOOP("OptionPage", "Span Transit Exit Delay"),
     5,
     kLeft,
     {},
     WholeByte(Map::kSpanExitDelay)},
    {K::OwnNumber, Id::kScrambler, QT_TRANSLATE_NOOP("OptionPage", "Scarmbler(2600 - 4000Hz)"), 9, kLeft, {}, {}, 0, 4},
    {K::OwnArrowed,
     Id::kVolume,
     QT_TRANSLATE_NOOP("OptionPage", "Volume"),
     1,
     kRight,
     {},
     {},
     0,
     3,
     Id::kVolumeSpin,
     kVolumeMin,
     kVolumeMax},
};
} // namespace

OptionPage::OptionPage(Document& document, QWidget* parent) : FormPage(BasicIds::kOptionPage, document, parent)
{
    auto* grid = new QGridLayout(this);
    SetFormSpacing(grid);
    m_fields = std::make_unique<FormFields>(this, kFields, "OptionPage", grid);
    grid->setColumnMinimumWidth(2, kColumnGap - 2 * kLabelGap);
    KeepFieldWidths(grid);

    m_leftPriority = m_fields->list(BasicIds::kLeftPriority);
    m_rightPriority = m_fields->list(BasicIds::kRightPriority);
    m_autoPowerOff = m_fields->list(BasicIds::kAutoPowerOff);
    m_backlightBrightness = m_fields->list(BasicIds::kBacklightBrightness);
    m_spanExitDelay = m_fields->list(BasicIds::kSpanExitDelay);
    m_scrambler = m_fields->edit(BasicIds::kScrambler);
    m_volume = m_fields->edit(BasicIds::kVolume);
    m_volumeArrows = m_fields->arrows(BasicIds::kVolume);

    OnFocusLost(m_scrambler, [this] { checkScrambler(); });
    OnFocusLost(m_volume, [this] { checkVolume(); });
    // The arrows write their position into the edit and wrap at the ends.
    connect(m_volumeArrows, &UpDown::deltaPos, this, [this](int delta) { SpinIntField(m_volumeArrows, delta); });
}

std::span<const FormField> OptionPage::fieldTable()
{
    return kFields;
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
    m_autoPowerOff->clear();
    m_autoPowerOff->addItems(ToStringList(AutoPowerOff));
    m_backlightBrightness->clear();
    m_backlightBrightness->addItems(ToStringList(BacklightBrightness));

    m_fields->fill();
    for (int i = 0; i < kSpanExitDelayCount; ++i)
        m_spanExitDelay->addItem(SpanExitDelayText(i));
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
    m_fields->load(image);

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
        EnsureComboSelection(combo, m_fields->defaultIndex(combo));
    checkScrambler();
    checkVolume();
}

void OptionPage::SaveToImage()
{
    using namespace BasicMap;
    pageCheck();
    auto change = document().change();
    RadioImage& image = change.image();
    m_fields->save(image);
    WriteWord(image, kLeftPriority, static_cast<unsigned>(TextToInt(m_leftPriority->currentText())));
    WriteWord(image, kRightPriority, static_cast<unsigned>(TextToInt(m_rightPriority->currentText())));
    image[kVolume] = static_cast<std::uint8_t>(TextToInt(m_volume->text()));
    image[kAutoPowerOff] = static_cast<std::uint8_t>(PowerOffTenths(m_autoPowerOff->currentText()));
    image[kBacklightBrightness] = static_cast<std::uint8_t>(TextToInt(m_backlightBrightness->currentText()));
    WriteWord(image, kScrambler, static_cast<unsigned>(TextToInt(m_scrambler->text())));
}
