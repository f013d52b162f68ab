// RecordForm: the record shown, the rules as fields are left, the record written.
#include "channels/record_form.h"

#include "document/document.h"

#include "channels/core/record_rules.h"
#include "channels/record_form_support.h"
#include "codecs/decimal.h"
#include "codecs/option_lists.h"
#include "codecs/text_codecs.h"
#include "controls/char_input_filter.h"
#include "controls/edit_widgets.h"
#include "controls/form_kit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

using namespace ChannelLayout;
namespace Id = RecordIds;
using namespace RecordFormSupport;

void RecordForm::setTarget(std::uint32_t offset, int number)
{
    m_target = offset;
    m_number = number;
    m_shown = false;
}

ConstChannelRecord RecordForm::record() const
{
    return RecordAt(m_document.image(), m_target);
}

bool RecordForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == m_tx) {
        m_txAtFocus = m_tx->text();
    } else if (event->type() == QEvent::FocusOut) {
        // Opening a box's own drop-down is not leaving it.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && !m_suppressLeave)
            runLeaveRule(watched);
    } else if (event->type() == QEvent::KeyPress && watched == m_rx && m_options.acceptRxOnEnter) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            acceptRx(); // the event goes on, for the window to swallow
    }
    return QWidget::eventFilter(watched, event);
}

QObject* RecordForm::pendingBox() const
{
    QWidget* focus = window()->focusWidget();
    if (!focus)
        return nullptr;
    for (QWidget* box : leaveRuleBoxes())
        if (focus == box || box->isAncestorOf(focus))
            return box;
    return nullptr;
}

void RecordForm::commitPending(QWidget* next)
{
    QObject* box = pendingBox();
    if (next) {
        m_suppressLeave = true;
        next->setFocus(Qt::OtherFocusReason);
        m_suppressLeave = false;
    }
    if (box)
        runLeaveRule(box);
}

void RecordForm::runLeaveRule(QObject* box)
{
    if (m_frozen || m_loading || !m_shown)
        return;
    auto* w = qobject_cast<QWidget*>(box);
    if (!w || !w->isEnabled())
        return;
    if (box == m_rx)
        acceptRx();
    else if (box == m_tx)
        acceptTx();
    else if (box == m_offset)
        m_offset->setText(NormaliseOffsetText(m_offset->text()));
    else if (box == m_ctcss)
        m_ctcss->setEditText(NormaliseCtcssText(m_ctcss->currentText()));
    else if (box == m_dcs)
        m_dcs->setEditText(NormaliseDcsText(m_dcs->currentText()));
}

void RecordForm::acceptRx()
{
    const QString typed = m_rx->text();
    switch (m_options.rules) {
    case RecordFormOptions::FreqRules::Channel:
        applyAcceptedRx(AcceptChannelRx(m_document.bands(), m_number, typed, m_acceptedRx));
        break;
    case RecordFormOptions::FreqRules::ScanEdge:
        applyAcceptedRx(AcceptEdgeRx(m_document.bands(), typed, m_acceptedRx));
        break;
    case RecordFormOptions::FreqRules::Vfo:
        m_rx->setText(AcceptVfoFreq(m_document.bands(), m_number, typed));
        rebuildSteps();
        m_acceptedRx = m_rx->text();
        break;
    }
}

void RecordForm::applyAcceptedRx(const QString& text)
{
    m_rx->setText(text);
    if (text.isEmpty()) {
        // The record will be written as absent.
        clearAndDisable();
        m_acceptedRx.clear();
        return;
    }
    enableFields();
    rebuildSteps();
    // A scan edge always transmits somewhere; a channel may stay receive-only.
    if (m_options.rules == RecordFormOptions::FreqRules::ScanEdge && m_tx->text().isEmpty())
        m_tx->setText(text);
    if (m_acceptedRx.isEmpty()) {
        // A new record starts from the defaults, transmitting on its receive frequency.
        WriteNewRecord(m_document.bands(), RecordAt(m_document.change().image(), m_target), FreqOf(text));
        showRecord();
        return;
    }
    m_acceptedRx = text;
}

void RecordForm::acceptTx()
{
    const QString typed = m_tx->text();
    switch (m_options.rules) {
    case RecordFormOptions::FreqRules::Channel:
        m_tx->setText(AcceptChannelTx(m_document.bands(), m_number, typed, m_txAtFocus));
        break;
    case RecordFormOptions::FreqRules::ScanEdge:
        m_tx->setText(AcceptEdgeTx(m_document.bands(), typed, m_txAtFocus, m_rx->text()));
        break;
    case RecordFormOptions::FreqRules::Vfo: m_tx->setText(AcceptVfoFreq(m_document.bands(), m_number, typed)); break;
    }
}

void RecordForm::showRecord()
{
    const ConstChannelRecord r = record();
    m_shown = true;
    m_loading = true;
    if (!r.hasRx() && m_options.disableWhenAbsent) {
        m_rx->clear();
        clearAndDisable();
    } else {
        enableFields();
        showFields(r);
    }
    m_acceptedRx = m_rx->text();
    m_txAtFocus = m_tx->text();
    m_loading = false;
}

void RecordForm::showFields(const ConstChannelRecord& r)
{
    m_rx->setText(r.hasRx() ? FormatMHz(r.rx()) : QString());
    rebuildSteps();
    m_tx->setText(r.hasTx() ? FormatMHz(r.tx()) : QString());
    m_offset->setText(r.hasOffset() ? FormatMHz(r.offset()) : QString());
    m_ctcss->setCurrentIndex(-1);
    m_ctcss->setEditText(FormatTenths(r.ctcssTenths()));
    m_dcs->setCurrentIndex(-1);
    m_dcs->setEditText(DcsText(r.dcsCode()));

    SelectIndex(m_dcsPolarity, r.get(kDcsPolarity));
    SelectIndex(m_decodeType, r.get(kDecodeType));
    SelectIndex(m_optionSignalling, r.get(kOptionSignalling));
    SelectIndex(m_signallingDecode, r.get(kSignallingDecode));
    SelectIndex(m_pttId, r.pttId());
    SelectIndex(m_txStop, r.get(kTxStop));
    SelectIndex(m_bandwidth, r.get(kBandwidth));
    SelectIndex(m_scan, r.get(kScan));
    SelectIndex(m_txPower, r.get(kTxPower));
    SelectIndex(m_busyLock, r.get(kBusyLock));
    SelectIndex(m_displayType, r.get(kDisplayType));
    // A free transmit frequency (3) has no entry and ends up as "Off".
    SelectIndex(m_offsetDirection, r.get(kOffsetDirection));
    SelectText(m_step, StepIndexToText(static_cast<int>(r.get(kStep))));
    m_reverseBackup->setChecked(r.get(kReverseBackup));
    m_emphasis->setChecked(r.get(kEmphasis));
    m_compander->setChecked(r.get(kCompander));
    m_scrambler->setChecked(r.get(kScrambler));
    m_reverse->setChecked(r.get(kReverse));
    m_talkAround->setChecked(r.get(kTalkAround));
    m_beatShift->setChecked(r.get(kBeatShift));
    m_am->setChecked(r.get(kAm));
    m_name->setText(r.name());

    rebuildSqlModes();
    const int sql = m_sqlMode->findText(SqlModeToText(static_cast<int>(r.get(kSqlMode))));
    m_sqlMode->setCurrentIndex(std::max(sql, 0));

    ensureSelections();
    m_offset->setText(NormaliseOffsetText(m_offset->text()));
    if (m_reverse->isChecked() && m_talkAround->isChecked())
        m_talkAround->setChecked(false);
    applyDependencies();
}

void RecordForm::clearAndDisable()
{
    const bool wasLoading = m_loading;
    m_loading = true;
    for (QWidget* w : m_fields) {
        w->setEnabled(false);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->clear();
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            combo->setCurrentIndex(-1);
            if (combo->isEditable())
                combo->clearEditText();
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            box->setChecked(false);
        }
    }
    m_loading = wasLoading;
}

void RecordForm::enableFields()
{
    for (QWidget* w : m_fields)
        w->setEnabled(true);
    applyDependencies();
}

void RecordForm::applyDependencies()
{
    m_offset->setEnabled(m_offsetDirection->currentIndex() > 0);
    m_signallingDecode->setEnabled(m_optionSignalling->currentIndex() == 1); // "2 Tone" only
}

void RecordForm::ensureSelections()
{
    for (QComboBox* list : {m_dcsPolarity, m_decodeType, m_optionSignalling, m_signallingDecode, m_pttId, m_sqlMode,
                            m_txStop, m_bandwidth, m_scan, m_busyLock, m_displayType, m_offsetDirection})
        EnsureComboSelection(list, 0);
    EnsureComboSelection(m_txPower, kPowerHigh);
    if (m_step->currentIndex() < 0)
        SelectText(m_step, QString::fromLatin1(kDefaultStep));
}

void RecordForm::rebuildSteps()
{
    const QString rx = m_rx->text();
    const QStringList steps =
        StepChoices(m_document.bands(), rx.isEmpty() ? std::nullopt : std::optional(ParseMHz(rx)));
    ReplaceItems(m_step, steps, KeptChoice(steps, m_step->currentText(), QString::fromLatin1(kDefaultStep)));
}

void RecordForm::rebuildSqlModes()
{
    const QStringList modes = SqlModeChoices(Index(m_decodeType), Index(m_optionSignalling));
    ReplaceItems(m_sqlMode, modes, KeptChoice(modes, m_sqlMode->currentText(), SqlModeToText(0)));
}

void RecordForm::writeRecord()
{
    if (!m_shown)
        return;
    ensureSelections();
    m_offset->setText(NormaliseOffsetText(m_offset->text()));
    if (m_options.normaliseFreqsOnWrite) {
        m_rx->setText(AcceptVfoFreq(m_document.bands(), m_number, m_rx->text()));
        rebuildSteps();
        m_acceptedRx = m_rx->text();
        m_tx->setText(AcceptVfoFreq(m_document.bands(), m_number, m_tx->text()));
    }
    auto change = m_document.change();
    const ChannelRecord r = RecordAt(change.image(), m_target);
    if (m_rx->text().isEmpty()) {
        WriteNewRecord(m_document.bands(), r, 0);
        return;
    }
    writeFields(r);
}

void RecordForm::writeFields(const ChannelRecord& r)
{
    const std::uint32_t rx = FreqOf(m_rx->text());
    r.setRx(rx);
    r.setCtcssTenths(static_cast<unsigned>(std::max<std::int64_t>(ParseTenths(m_ctcss->currentText()), 0)));
    r.setDcsCode(static_cast<unsigned>(std::max(TextToInt(m_dcs->currentText()), 0)));
    if (m_offset->text().isEmpty())
        r.clearOffset();
    else
        r.setOffset(FreqOf(m_offset->text()));

    r.set(kTxPower, Index(m_txPower));
    r.set(kBeatShift, Bit(m_beatShift));
    r.set(kReverseBackup, Bit(m_reverseBackup));
    r.set(kDisplayType, Index(m_displayType));
    r.set(kScan, Index(m_scan));

    r.set(kBandwidth, Index(m_bandwidth));
    r.set(kScrambler, Bit(m_scrambler));
    r.set(kCompander, Bit(m_compander));
    r.set(kEmphasis, Bit(m_emphasis));
    r.set(kSqlMode, static_cast<unsigned>(SqlModeFromText(m_sqlMode->currentText())));

    r.set(kReverse, Bit(m_reverse));
    r.set(kTalkAround, Bit(m_talkAround));
    r.set(kStep, static_cast<unsigned>(StepTextToIndex(m_step->currentText())));

    r.set(kDcsPolarity, Index(m_dcsPolarity));
    r.set(kBusyLock, Index(m_busyLock));
    r.set(kTxStop, Index(m_txStop));
    r.set(kUnused15, 0);
    r.set(kDecodeType, Index(m_decodeType));

    const int decodeNumber = TextToInt(m_signallingDecode->currentText());
    r.set(kOptionSignalling, Index(m_optionSignalling));
    r.set(kUnused20, 0);
    r.set(kAm, Bit(m_am));
    r.set(kSignallingDecode, decodeNumber >= 1 ? static_cast<unsigned>(decodeNumber - 1) : 0u);
    r.setPttId(static_cast<std::uint8_t>(Index(m_pttId)));
    r.setName(m_name->text());

    unsigned direction = r.get(kOffsetDirection);
    if (m_options.direction == RecordFormOptions::DirectionWrite::FromList)
        direction = Index(m_offsetDirection);
    if (m_options.transmit == RecordFormOptions::TransmitWrite::FromOffset) {
        const VfoTransmit t = DeriveVfoTransmit(m_document.bands(), rx, direction, r.offset());
        r.setTx(t.tx);
        direction = t.direction;
    } else {
        std::optional<std::uint32_t> tx;
        if (!m_tx->text().isEmpty())
            tx = FreqOf(m_tx->text());
        if (tx)
            r.setTx(*tx);
        else
            r.clearTx();
        if (m_options.direction == RecordFormOptions::DirectionWrite::DeriveUnlessFree)
            direction = EdgeOffsetDirection(direction, rx, tx, r.offset());
    }
    r.set(kOffsetDirection, direction);
}

bool RecordForm::holdsRecord() const
{
    return m_rx && !m_rx->text().isEmpty();
}
