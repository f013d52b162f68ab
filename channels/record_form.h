#pragma once

#include "channels/core/channel_record.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

// Control numbers of the record editors; each control carries its number as
// objectName.
namespace RecordIds {
inline constexpr int kChannelNumber = 1027;
inline constexpr int kChannelSpin = 1028;
inline constexpr int kRx = 1029;
inline constexpr int kTx = 1030;
inline constexpr int kName = 1059;
inline constexpr int kCtcss = 1202;
inline constexpr int kDcs = 1203;
inline constexpr int kDcsPolarity = 1204;
inline constexpr int kDecodeType = 1205;
inline constexpr int kOptionSignalling = 1222;
inline constexpr int kSignallingDecode = 1033;
inline constexpr int kPttId = 1034;
inline constexpr int kSqlMode = 1210;
inline constexpr int kTxStop = 1206;
inline constexpr int kReverseBackup = 1215;
inline constexpr int kEmphasis = 1211;
inline constexpr int kCompander = 1212;
inline constexpr int kScrambler = 1213;
inline constexpr int kReverse = 1150;
inline constexpr int kTalkAround = 1217;
inline constexpr int kBeatShift = 1216;
inline constexpr int kAm = 1013;
inline constexpr int kBandwidth = 1151;
inline constexpr int kScan = 1208;
inline constexpr int kTxPower = 1031;
inline constexpr int kBusyLock = 1152;
inline constexpr int kDisplayType = 1209;
inline constexpr int kStep = 1058;
inline constexpr int kOffsetDirection = 1042;
inline constexpr int kOffset = 1044;
inline constexpr int kTabs = 1162;
} // namespace RecordIds

// What sets the three record editors apart.
struct RecordFormOptions {
    // The rules a typed frequency goes through when its box is left.
    enum class FreqRules { Channel, ScanEdge, Vfo };
    // Byte 14 bits 7-6 (offset direction) on writing: kept as found,
    // re-derived from the frequencies unless free, or taken from the list.
    enum class DirectionWrite { Keep, DeriveUnlessFree, FromList };
    // Bytes 4-7 on writing: the transmit box, or receive and offset.
    enum class TransmitWrite { FromBox, FromOffset };

    FreqRules rules = FreqRules::Channel;
    DirectionWrite direction = DirectionWrite::Keep;
    TransmitWrite transmit = TransmitWrite::FromBox;
    // No receive frequency disables and clears every other control.
    bool disableWhenAbsent = true;
    // The frequency boxes are normalised before a write (the VFO's boxes
    // always hold a frequency).
    bool normaliseFreqsOnWrite = false;
    // Enter in the receive box accepts it.
    bool acceptRxOnEnter = false;
    std::vector<int> hidden; // created invisible; still loaded and written
    // Label spellings that differ from the channel dialog's (source texts).
    std::map<int, const char*> labels;

    static RecordFormOptions channelEdit();
    static RecordFormOptions scanEdge();
    static RecordFormOptions vfo();
};

// Every control of one 32-byte record, with the lists, limits and
// dependencies between them, shown from and written into the image.
class Document;

class RecordForm : public QWidget {
    Q_OBJECT
public:
    RecordForm(RecordFormOptions options, Document& document, QWidget* parent = nullptr);

    // The record edited: its image offset, and the number the rules depend
    // on (channel number, scan edge index or VFO record index).
    void setTarget(std::uint32_t offset, int number);

    void showRecord();
    // Whether the record shown is present (has a receive frequency).
    bool holdsRecord() const;
    // Nothing is written until the target has been shown.
    void writeRecord();
    // Applies the leave rule of the box holding the window's focus, as if it
    // had lost it. With `next` the focus first moves there, without the box
    // running its rule a second time.
    void commitPending(QWidget* next = nullptr);
    // After the last write: leaving a box no longer runs its rule.
    void freeze() { m_frozen = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    bool hidden(int id) const;
    // The boxes with a rule of their own for when they are left.
    std::array<QWidget*, 5> leaveRuleBoxes() const;
    void connectDependencies();
    QString labelText(int id, const char* text) const;

    ConstChannelRecord record() const;
    void acceptRx();
    void applyAcceptedRx(const QString& text);
    void acceptTx();
    void runLeaveRule(QObject* box);
    QObject* pendingBox() const;

    void showFields(const ConstChannelRecord& r);
    void clearAndDisable();
    void enableFields();
    void applyDependencies();
    void ensureSelections();
    void rebuildSteps();
    void rebuildSqlModes();
    void writeFields(const ChannelRecord& r);

    RecordFormOptions m_options;
    Document& m_document;
    std::uint32_t m_target = 0;
    int m_number = 0;
    bool m_shown = false;
    bool m_loading = false;
    bool m_frozen = false;
    bool m_suppressLeave = false;
    QString m_acceptedRx;
    QString m_txAtFocus;

    QLineEdit* m_rx = nullptr;
    QLineEdit* m_tx = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_offset = nullptr;
    QComboBox* m_ctcss = nullptr;
    QComboBox* m_dcs = nullptr;
    QComboBox* m_dcsPolarity = nullptr;
    QComboBox* m_decodeType = nullptr;
    QComboBox* m_optionSignalling = nullptr;
    QComboBox* m_signallingDecode = nullptr;
    QComboBox* m_pttId = nullptr;
    QComboBox* m_sqlMode = nullptr;
    QComboBox* m_txStop = nullptr;
    QComboBox* m_bandwidth = nullptr;
    QComboBox* m_scan = nullptr;
    QComboBox* m_txPower = nullptr;
    QComboBox* m_busyLock = nullptr;
    QComboBox* m_displayType = nullptr;
    QComboBox* m_step = nullptr;
    QComboBox* m_offsetDirection = nullptr;
    QCheckBox* m_reverseBackup = nullptr;
    QCheckBox* m_emphasis = nullptr;
    QCheckBox* m_compander = nullptr;
    QCheckBox* m_scrambler = nullptr;
    QCheckBox* m_reverse = nullptr;
    QCheckBox* m_talkAround = nullptr;
    QCheckBox* m_beatShift = nullptr;
    QCheckBox* m_am = nullptr;
    // Every control but the receive box, and the labels by control number.
    std::vector<QWidget*> m_fields;
    std::map<int, QWidget*> m_labels;
};
