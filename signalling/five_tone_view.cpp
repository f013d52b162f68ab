#include "signalling/five_tone_view.h"

#include "document/document.h"

#include "codecs/decimal.h"
#include "codecs/text_codecs.h"
#include "controls/cell_editor.h"
#include "controls/char_input_filter.h"
#include "controls/core/print_sheet.h"
#include "controls/edit_widgets.h"
#include "controls/form_kit.h"
#include "controls/print_form.h"
#include "controls/up_down.h"
#include "document/five_tone_table.h"
#include "signalling/core/code_text.h"
#include "signalling/core/five_tone_records.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>
#include <utility>

using namespace FormKit;

namespace {
constexpr int kTimingMax = 2550;
constexpr int kTimingDefault = 100;
constexpr int kTimingStep = 10;
constexpr int kAutoResetMax = 255;
constexpr int kAutoResetDefault = 10;
constexpr int kMaxWidth = 255;
constexpr int kMessageCodeType = 2; // "Message"
constexpr int kFirstLetter = 10;    // "A"
constexpr int kLastLetter = 15;     // "F"

int LeastWidth(int k)
{
    return FiveTone::kStandards[static_cast<std::size_t>(k)].leastWidthMs;
}

// Group and repeat lists are "A".."F"; the delimiter list starts with "None".
int LetterIndex(int value)
{
    return value >= kFirstLetter && value <= kLastLetter ? value - kFirstLetter : -1;
}
int DelimiterIndex(int value)
{
    return value == 0 ? 0 : value >= kFirstLetter && value <= kLastLetter ? value - 9 : -1;
}

} // namespace

FiveToneView::FiveToneView(Document& document, QWidget* parent) : BaseFormView(kTemplateId, document, parent)
{
    buildControls();
    connectControls();
}

FiveToneView::~FiveToneView()
{
    DropFocusHooks(this);
}

void FiveToneView::connectControls()
{
    FilterChars(m_selfId, DigitCharFilter);
    FilterChars(m_pttBegin, HexCharFilter, true);
    FilterChars(m_pttEnd, HexCharFilter, true);
    for (QLineEdit* edit : {m_functionId, m_code})
        FilterChars(edit, HexCharFilter, true)->setCharCheck([this](QChar c) { return acceptsCodeDigit(c); });
    FilterChars(m_width, DigitCharFilter);

    for (const Timing& t : m_timings) {
        connect(t.arrows, &UpDown::deltaPos, this, [arrows = t.arrows](int delta) { SpinIntField(arrows, delta); });
        OnFocusLost(t.edit, [this, edit = t.edit] { validateTiming(edit); });
    }
    connect(m_autoResetArrows, &UpDown::deltaPos, this,
            [this](int delta) { SpinIntField(m_autoResetArrows, delta, true, tr("Off")); });
    OnFocusLost(m_autoReset, [this] { validateAutoReset(); });
    connect(m_widthArrows, &UpDown::deltaPos, this, [this](int delta) { SpinIntField(m_widthArrows, delta); });
    OnFocusLost(m_width, [this] { validateWidth(); });
    for (int d = 0; d < FiveTone::kDigits; ++d) {
        const auto i = static_cast<std::size_t>(d);
        FilterChars(m_tones[i], FreqCharFilter);
        connect(m_toneArrows[i], &UpDown::deltaPos, this,
                [arrows = m_toneArrows[i]](int delta) { SpinDecField(arrows, delta); });
        OnFocusLost(m_tones[i], [this, d] { validateTone(d); });
    }

    connect(m_standard, &QComboBox::activated, this, &FiveToneView::onStandardChosen);
    connect(m_group, &QComboBox::activated, this, [this] { onSpecialToneChosen(0); });
    connect(m_repeat, &QComboBox::activated, this, [this] { onSpecialToneChosen(1); });
    connect(m_delimiter, &QComboBox::activated, this, [this] { onSpecialToneChosen(2); });
    connect(m_functionGroup, &QComboBox::activated, this, &FiveToneView::onFunctionChosen);
    connect(m_contactGroup, &QComboBox::activated, this, &FiveToneView::onContactChosen);
    connect(m_codeType, &QComboBox::currentIndexChanged, this, &FiveToneView::updateMessageEnabled);

    OnFocusGained(m_alias, [this] { m_aliasAtFocus = m_alias->text(); });
    OnFocusLost(m_alias, [this] { leaveAlias(); });
    OnFocusGained(m_code, [this] { m_codeAtFocus = m_code->text(); });
    OnFocusLost(m_code, [this] { leaveCode(); });
}

void FiveToneView::LoadFromImage()
{
    loadStandard();
    loadTimings();
    loadSelfId();
    loadFunction(m_shownFunction);
    loadPttIds();
    loadContact(m_shownContact);
}

void FiveToneView::SaveToImage()
{
    if (!initialised())
        return;                        // nothing loaded yet: the controls hold nothing to write
    auto change = document().change(); // one change for the whole view
    validateAll();
    ensureSelections();
    saveStandard();
    saveFunction(m_shownFunction);
    saveSelfId();
    savePttIds();
    saveTimings();
    saveContact(m_shownContact);
}

// --- Standard ---

void FiveToneView::loadStandard()
{
    auto change = document().change();
    const int k = TakeImageStandard(change.image(), change.header());
    m_standard->setCurrentIndex(k);
    showEntry(k);
}

void FiveToneView::saveStandard()
{
    storeShownEntry();
    const int chosen = m_standard->currentIndex() >= 0 ? m_standard->currentIndex() : m_shownStandard;
    auto change = document().change();
    PutStandardIntoImage(change.header(), chosen, change.image());
}

void FiveToneView::storeShownEntry()
{
    validateWidth();
    for (int d = 0; d < FiveTone::kDigits; ++d)
        validateTone(d);
    std::array<std::uint16_t, FiveTone::kDigits> tones{};
    for (std::size_t d = 0; d < tones.size(); ++d)
        tones[d] = static_cast<std::uint16_t>(ScaleDecimal(m_tones[d]->text(), 1));
    StoreStandardEntry(document().change().header(), m_shownStandard, TextToInt(m_width->text()), specialTones(),
                       &tones);
}

void FiveToneView::showEntry(int k)
{
    m_shownStandard = k;
    const std::uint8_t* e = document().header().data() + FiveTone::StandardOffset(k);
    m_widthArrows->setRange(LeastWidth(k), kMaxWidth);
    m_width->setText(QString::number(e[FiveToneMap::kStdWidth]));
    showSpecialTones({e[FiveToneMap::kStdGroup], e[FiveToneMap::kStdRepeat], e[FiveToneMap::kStdDelimiter]});
    const bool editable = k == FiveTone::kUserStandard;
    for (int d = 0; d < FiveTone::kDigits; ++d) {
        const auto i = static_cast<std::size_t>(d);
        const std::uint16_t tone = StandardTone(document().header(), k, d);
        m_tones[i]->setText(tone >= FiveTone::kMinTone && tone <= FiveTone::kMaxTone ? FormatTenths(tone) : QString());
        m_tones[i]->setEnabled(editable);
        m_toneArrows[i]->setEnabled(editable);
    }
    validateWidth();
    for (int d = 0; d < FiveTone::kDigits; ++d)
        validateTone(d);
}

void FiveToneView::onStandardChosen(int index)
{
    if (index < 0 || index >= FiveTone::kStandardCount)
        return;
    storeShownEntry();
    showEntry(index);
}

SpecialTones FiveToneView::specialTones() const
{
    // A list without a selection keeps what the entry holds.
    const std::uint8_t* e = document().header().data() + FiveTone::StandardOffset(m_shownStandard);
    SpecialTones t{e[FiveToneMap::kStdGroup], e[FiveToneMap::kStdRepeat], e[FiveToneMap::kStdDelimiter]};
    if (m_group->currentIndex() >= 0)
        t.group = kFirstLetter + m_group->currentIndex();
    if (m_repeat->currentIndex() >= 0)
        t.repeat = kFirstLetter + m_repeat->currentIndex();
    if (m_delimiter->currentIndex() == 0)
        t.delimiter = 0;
    else if (m_delimiter->currentIndex() > 0)
        t.delimiter = kFirstLetter - 1 + m_delimiter->currentIndex();
    return t;
}

void FiveToneView::showSpecialTones(const SpecialTones& tones)
{
    m_group->setCurrentIndex(LetterIndex(tones.group));
    m_repeat->setCurrentIndex(LetterIndex(tones.repeat));
    m_delimiter->setCurrentIndex(DelimiterIndex(tones.delimiter));
}

void FiveToneView::onSpecialToneChosen(int which)
{
    showSpecialTones(KeepSpecialTonesDistinct(specialTones(), which));
}

// --- Timings, identities, PTT IDs ---

void FiveToneView::loadTimings()
{
    const RadioImage& image = document().image();
    for (const Timing& t : m_timings)
        t.edit->setText(QString::number(image.at(t.address) * 10));
    const std::uint8_t flags = image.at(FiveToneMap::kFlags);
    m_sideTone->setChecked(flags & FiveToneMap::kSideToneBit);
    m_beep->setChecked(flags & FiveToneMap::kBeepBit);
}

void FiveToneView::saveTimings()
{
    auto change = document().change();
    RadioImage& image = change.image();
    for (const Timing& t : m_timings)
        image.at(t.address) = static_cast<std::uint8_t>(TextToInt(t.edit->text()) / 10);
    std::uint8_t& flags = image.at(FiveToneMap::kFlags);
    flags &= static_cast<std::uint8_t>(~(FiveToneMap::kSideToneBit | FiveToneMap::kBeepBit));
    if (m_sideTone->isChecked())
        flags |= FiveToneMap::kSideToneBit;
    if (m_beep->isChecked())
        flags |= FiveToneMap::kBeepBit;
}

void FiveToneView::loadSelfId()
{
    const RadioImage& image = document().image();
    m_selfId->setText(ReadCodeDigits(image.data() + FiveToneMap::kSelfId, FiveToneMap::kCodeDigits));
    SelectIndex(m_decodeResponse, image.at(FiveToneMap::kDecodeResponse));
    m_autoReset->setText(QString::number(image.at(FiveToneMap::kAutoReset)));
    validateAutoReset(); // 0 reads "Off"
}

void FiveToneView::saveSelfId()
{
    auto change = document().change();
    RadioImage& image = change.image();
    WriteCodeDigits(image.data() + FiveToneMap::kSelfId, FiveToneMap::kCodeDigits, m_selfId->text());
    image.at(FiveToneMap::kDecodeResponse) = static_cast<std::uint8_t>(std::max(m_decodeResponse->currentIndex(), 0));
    image.at(FiveToneMap::kAutoReset) = static_cast<std::uint8_t>(TextToInt(m_autoReset->text()));
}

void FiveToneView::loadPttIds()
{
    const RadioImage& image = document().image();
    m_pttBegin->setText(ReadCodeDigits(image.data() + FiveToneMap::kPttIdBegin, FiveToneMap::kCodeDigits));
    m_pttEnd->setText(ReadCodeDigits(image.data() + FiveToneMap::kPttIdEnd, FiveToneMap::kCodeDigits));
}

void FiveToneView::savePttIds()
{
    auto change = document().change();
    RadioImage& image = change.image();
    WriteCodeDigits(image.data() + FiveToneMap::kPttIdBegin, FiveToneMap::kCodeDigits, m_pttBegin->text());
    WriteCodeDigits(image.data() + FiveToneMap::kPttIdEnd, FiveToneMap::kCodeDigits, m_pttEnd->text());
}

// --- Function records and contacts ---

void FiveToneView::loadFunction(int n)
{
    const FiveToneFunction f = ReadFiveToneFunction(document().image(), n);
    m_functionId->setText(f.id);
    m_functionName->setText(f.name);
    SelectIndex(m_functionResponse, f.response);
    SelectIndex(m_functionType, f.type);
    m_shownFunction = n;
    m_functionGroup->setCurrentIndex(n);
}

void FiveToneView::saveFunction(int n)
{
    FiveToneFunction f;
    f.type = std::max(m_functionType->currentIndex(), 0);
    f.response = std::max(m_functionResponse->currentIndex(), 0);
    f.id = m_functionId->text();
    f.name = m_functionName->text();
    WriteFiveToneFunction(document().change().image(), n, f);
}

void FiveToneView::onFunctionChosen(int index)
{
    // The record the controls show is written before another is shown,
    // however the choice changed (list, keys or wheel).
    if (index < 0 || index == m_shownFunction)
        return;
    saveFunction(m_shownFunction);
    loadFunction(index);
}

void FiveToneView::loadContact(int n)
{
    const FiveToneContact c = ReadFiveToneContact(document().image(), n);
    m_alias->setText(c.alias);
    m_message->setText(c.message);
    SelectIndex(m_codeType, c.codeType);
    m_code->setText(c.code);
    m_aliasAtFocus = c.alias;
    m_codeAtFocus = c.code;
    m_shownContact = n;
    m_contactGroup->setCurrentIndex(n);
    updateMessageEnabled();
}

void FiveToneView::saveContact(int n)
{
    FiveToneContact c;
    c.alias = m_alias->text();
    c.code = m_code->text();
    c.codeType = std::max(m_codeType->currentIndex(), 0);
    c.message = m_message->text();
    WriteFiveToneContact(document().change().image(), n, c);
}

void FiveToneView::onContactChosen(int index)
{
    if (index < 0 || index == m_shownContact)
        return;
    saveContact(m_shownContact);
    loadContact(index);
}

void FiveToneView::updateMessageEnabled()
{
    m_message->setEnabled(m_codeType->currentIndex() == kMessageCodeType);
}

// --- Field rules ---

void FiveToneView::validateTiming(QLineEdit* edit)
{
    ValidateIntField(edit, 0, kTimingMax, kTimingDefault, kTimingStep);
}

void FiveToneView::validateAutoReset()
{
    ValidateIntField(m_autoReset, 0, kAutoResetMax, kAutoResetDefault, 1, true, tr("Off"));
}

void FiveToneView::validateWidth()
{
    const int least = LeastWidth(m_shownStandard);
    ValidateIntField(m_width, least, kMaxWidth, least, 1);
}

void FiveToneView::validateTone(int digit)
{
    ValidateDecField(m_tones[static_cast<std::size_t>(digit)], FiveTone::kMinTone, FiveTone::kMaxTone, 0, true,
                     QString());
}

void FiveToneView::leaveAlias()
{
    if (!m_alias->text().isEmpty())
        return;
    if (!m_aliasAtFocus.isEmpty())
        m_alias->setText(m_aliasAtFocus);
    else
        m_alias->setText(QString::asprintf("2T-S%02d", m_shownContact + 1));
}

void FiveToneView::leaveCode()
{
    // Only contact 1 must have a code.
    if (m_shownContact != 0 || !m_code->text().isEmpty())
        return;
    m_code->setText(m_codeAtFocus.isEmpty() ? QStringLiteral("12345") : m_codeAtFocus);
}

void FiveToneView::validateAll()
{
    for (const Timing& t : m_timings)
        validateTiming(t.edit);
    validateAutoReset();
    validateWidth();
    for (int d = 0; d < FiveTone::kDigits; ++d)
        validateTone(d);
    leaveAlias();
    leaveCode();
}

void FiveToneView::ensureSelections()
{
    for (QComboBox* combo : {m_decodeResponse, m_functionType, m_functionResponse, m_codeType, m_delimiter})
        EnsureComboSelection(combo, 0);
    // A special tone without a letter takes one the others leave free.
    for (QComboBox* combo : {m_group, m_repeat}) {
        if (combo->currentIndex() >= 0)
            continue;
        const SpecialTones t = specialTones();
        int letter = kFirstLetter;
        while (letter < kLastLetter && (letter == t.group || letter == t.repeat || letter == t.delimiter))
            ++letter;
        combo->setCurrentIndex(letter - kFirstLetter);
    }
}

bool FiveToneView::acceptsCodeDigit(QChar c) const
{
    const int digit = HexCodeFromChar(c);
    if (digit > 15)
        return false;
    if (m_tones[static_cast<std::size_t>(digit)]->text().isEmpty())
        return false; // the standard has no tone for it
    return m_repeat->currentIndex() < 0 || digit != kFirstLetter + m_repeat->currentIndex();
}

void FiveToneView::printTo(PrintSheet& sheet)
{
    PrintForm(sheet, m_topBox);
    const auto group = [&sheet](const QWidget* box) {
        sheet.heading(static_cast<const QGroupBox*>(box)->title());
        PrintSheet::Nested nested(sheet);
        PrintForm(sheet, box);
    };
    group(m_standardBox);
    group(m_pttBox);

    // The records in use as a table, one row each, read through the group's controls.
    const auto records = [&sheet](const QString& heading, int count, const auto& inUse, const auto& load,
                                  const QWidget* box) {
        sheet.heading(heading);
        bool first = true;
        for (int n = 0; n < count; ++n) {
            if (!inUse(n))
                continue;
            load(n);
            PrintFormRow(sheet, box, std::exchange(first, false));
        }
    };
    const RadioImage& image = document().image();
    const int shownFunction = m_shownFunction;
    records(
        tr("Function"), FiveToneMap::kFunctionCount,
        [&image](int n) { return !ReadFiveToneFunction(image, n).id.isEmpty(); }, [this](int n) { loadFunction(n); },
        m_functionBox);
    loadFunction(shownFunction);
    const int shownContact = m_shownContact;
    records(
        tr("Contact"), FiveToneMap::kContactCount,
        [&image](int n) { return !ReadFiveToneContact(image, n).code.isEmpty(); }, [this](int n) { loadContact(n); },
        m_contactBox);
    loadContact(shownContact);
}
