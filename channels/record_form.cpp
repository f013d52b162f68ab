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

RecordFormOptions RecordFormOptions::channelEdit()
{
    RecordFormOptions o;
    o.rules = FreqRules::Channel;
    o.direction = DirectionWrite::Keep;
    o.acceptRxOnEnter = true;
    o.hidden = {Id::kTxStop, Id::kReverseBackup, Id::kStep, Id::kOffsetDirection, Id::kOffset};
    return o;
}

RecordFormOptions RecordFormOptions::scanEdge()
{
    RecordFormOptions o;
    o.rules = FreqRules::ScanEdge;
    o.direction = DirectionWrite::DeriveUnlessFree;
    o.hidden = {Id::kTxStop, Id::kReverseBackup, Id::kStep, Id::kOffsetDirection, Id::kOffset};
    o.labels = {{Id::kDecodeType, QT_TRANSLATE_NOOP("RecordForm", "Deocde type")},
                {Id::kReverseBackup, QT_TRANSLATE_NOOP("RecordForm", "Reverse backup")}};
    return o;
}

RecordFormOptions RecordFormOptions::vfo()
{
    RecordFormOptions o;
    o.rules = FreqRules::Vfo;
    o.direction = DirectionWrite::FromList;
    o.transmit = TransmitWrite::FromOffset;
    o.disableWhenAbsent = false;
    o.normaliseFreqsOnWrite = true;
    o.hidden = {Id::kTx, Id::kName, Id::kScan, Id::kDisplayType, Id::kTxStop, Id::kReverseBackup};
    o.labels = {{Id::kRx, QT_TRANSLATE_NOOP("RecordForm", "Rx frequency (MHz)")},
                {Id::kTx, QT_TRANSLATE_NOOP("RecordForm", "Tx frequency (MHz)")},
                {Id::kDecodeType, QT_TRANSLATE_NOOP("RecordForm", "Deocde type")},
                {Id::kBusyLock, QT_TRANSLATE_NOOP("RecordForm", "Busy lcok")},
                {Id::kReverseBackup, QT_TRANSLATE_NOOP("RecordForm", "Reverse backup")}};
    return o;
}

RecordForm::RecordForm(RecordFormOptions options, Document& document, QWidget* parent)
    : QWidget(parent), m_options(std::move(options)), m_document(document)
{
    build();
    connectDependencies();
}

QString RecordForm::labelText(int id, const char* text) const
{
    const auto it = m_options.labels.find(id);
    return tr(it != m_options.labels.end() ? it->second : text);
}

bool RecordForm::hidden(int id) const
{
    return std::find(m_options.hidden.begin(), m_options.hidden.end(), id) != m_options.hidden.end();
}

void RecordForm::build()
{
    // Two columns of labelled controls, then the check boxes four to a row.
    auto* fields = new QGridLayout;
    FormKit::SetFormSpacing(fields, 0);
    fields->setColumnMinimumWidth(2, FormKit::kColumnGap - 2 * FormKit::kLabelGap);
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(16);
    int rows[2] = {0, 0};
    int checks = 0;

    auto place = [&](int column, int id, const char* text, QWidget* control) {
        auto* label = new QLabel(labelText(id, text), this);
        label->setBuddy(control);
        m_labels[id] = label;
        control->setMinimumWidth(130);
        if (id != Id::kRx)
            m_fields.push_back(control);
        if (hidden(id)) {
            // Invisible, but its field still passes through load and write.
            label->hide();
            control->hide();
            return;
        }
        fields->addWidget(label, rows[column], 3 * column);
        fields->addWidget(control, rows[column]++, 3 * column + 1);
    };
    auto edit = [&](int column, int id, const char* text, int maxLength, const CharFilter& chars) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::number(id));
        e->setMaxLength(maxLength);
        Filter(e, chars);
        place(column, id, text, e);
        return e;
    };
    auto list = [&](int column, int id, const char* text, const QStringList& items) {
        QComboBox* combo = MakeList(this, id, items);
        place(column, id, text, combo);
        return combo;
    };
    // A list the user may also type into (tones and codes).
    auto typedList = [&](int id, const char* text, const QStringList& items, int maxLength, const CharFilter& chars) {
        QComboBox* combo = MakeList(this, id, items);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr); // typed digits stay as typed
        combo->lineEdit()->setMaxLength(maxLength);
        Filter(combo, chars);
        place(0, id, text, combo);
        return combo;
    };
    auto check = [&](int id, const char* text) {
        auto* box = new QCheckBox(labelText(id, text), this);
        box->setObjectName(QString::number(id));
        m_labels[id] = box;
        m_fields.push_back(box);
        if (hidden(id)) {
            box->hide();
        } else {
            boxes->addWidget(box, checks / 4, checks % 4);
            ++checks;
        }
        return box;
    };
    QStringList numbers;
    for (int i = 1; i <= kSignallingDecodeEntries; ++i)
        numbers << QString::number(i);

    m_rx = edit(0, Id::kRx, QT_TR_NOOP("Rx frequency(MHz)"), 9, FreqCharFilter);
    m_tx = edit(0, Id::kTx, QT_TR_NOOP("Tx frequency(MHz)"), 9, FreqCharFilter);
    m_name = edit(0, Id::kName, QT_TR_NOOP("Name"), static_cast<int>(kNameLength), NameCharFilter);
    m_ctcss = typedList(Id::kCtcss, QT_TR_NOOP("CTCSS tone"), Items(CtcssToneList), 5, FreqCharFilter);
    m_dcs = typedList(Id::kDcs, QT_TR_NOOP("DCS code"), Items(DcsCodeList), 3, DigitCharFilter);
    m_dcsPolarity = list(0, Id::kDcsPolarity, QT_TR_NOOP("DCS polarity"), Items(DcsPolarityList));
    m_decodeType = list(0, Id::kDecodeType, QT_TR_NOOP("Decode type"), Items(DecodeTypeList));
    m_optionSignalling = list(0, Id::kOptionSignalling, QT_TR_NOOP("Option signaling"), Items(OptionSignalingList));
    m_signallingDecode = list(0, Id::kSignallingDecode, QT_TR_NOOP("Siganling decode"), numbers);
    m_pttId = list(0, Id::kPttId, QT_TR_NOOP("PTT ID"), Items(PttIdList));
    m_sqlMode = list(0, Id::kSqlMode, QT_TR_NOOP("SQL mode"), Items(SqlModeList));

    m_bandwidth = list(1, Id::kBandwidth, QT_TR_NOOP("Bandwidth"), Items(BandwidthList));
    m_scan = list(1, Id::kScan, QT_TR_NOOP("Scan"), Items(ScanModeList));
    m_txPower = list(1, Id::kTxPower, QT_TR_NOOP("Tx power"), Items(TxPowerList));
    m_busyLock = list(1, Id::kBusyLock, QT_TR_NOOP("Busy lock"), Items(BusyLockList));
    m_displayType = list(1, Id::kDisplayType, QT_TR_NOOP("Display type"), Items(DisplayTypeList));
    m_txStop = list(1, Id::kTxStop, QT_TR_NOOP("Tx stop"), Items(OffOnList));
    m_step = list(1, Id::kStep, QT_TR_NOOP("Frequency step"), Items(StepList));
    m_offsetDirection = list(1, Id::kOffsetDirection, QT_TR_NOOP("Offset direction"), Items(OffsetDirectionList));
    m_offset = edit(1, Id::kOffset, QT_TR_NOOP("Offset freq(MHz)"), 8, FreqCharFilter);

    m_emphasis = check(Id::kEmphasis, QT_TR_NOOP("Emphasis"));
    m_compander = check(Id::kCompander, QT_TR_NOOP("Compander"));
    m_scrambler = check(Id::kScrambler, QT_TR_NOOP("Scrambler"));
    m_reverse = check(Id::kReverse, QT_TR_NOOP("Reverse"));
    m_talkAround = check(Id::kTalkAround, QT_TR_NOOP("Talk around"));
    m_beatShift = check(Id::kBeatShift, QT_TR_NOOP("Beat shift"));
    m_am = check(Id::kAm, QT_TR_NOOP("AM"));
    m_reverseBackup = check(Id::kReverseBackup, QT_TR_NOOP("Reverse"));

    for (QWidget* box : leaveRuleBoxes())
        box->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    const int m = FormKit::kFormMargin;
    layout->setContentsMargins(m, m, m, m);
    layout->setSpacing(2 * FormKit::kRowGap);
    FormKit::KeepFieldWidths(fields);
    boxes->setColumnStretch(boxes->columnCount(), 1);
    layout->addLayout(fields);
    layout->addLayout(boxes);
    layout->addStretch(1);
}

std::array<QWidget*, 5> RecordForm::leaveRuleBoxes() const
{
    return {m_rx, m_tx, m_offset, m_ctcss, m_dcs};
}

void RecordForm::connectDependencies()
{
    connect(m_decodeType, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            rebuildSqlModes();
    });
    connect(m_optionSignalling, &QComboBox::currentIndexChanged, this, [this] {
        if (m_loading)
            return;
        rebuildSqlModes();
        applyDependencies();
    });
    connect(m_offsetDirection, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            applyDependencies();
    });
    // "Reverse" and "Talk around" exclude each other.
    connect(m_reverse, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !m_loading)
            m_talkAround->setChecked(false);
    });
    connect(m_talkAround, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !m_loading)
            m_reverse->setChecked(false);
    });
}
