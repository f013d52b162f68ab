// The five-tone view's controls and their places; the behaviour is in five_tone_view.cpp.
#include "signalling/five_tone_view.h"

#include "controls/form_kit.h"
#include "controls/up_down.h"
#include "document/five_tone_table.h"
#include "signalling/core/two_tone_records.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace FormKit;

namespace {
constexpr int kTimingMax = 2550;
constexpr std::array FunctionTypeList = {"Select", "Stun", "Kill", "Wake"};
constexpr std::array CodeTypeList = {"Off", "ANI", "Message"};

QStringList Numbers(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list << QString::number(i);
    return list;
}

QStringList Letters()
{
    return {"A", "B", "C", "D", "E", "F"};
}

} // namespace

void FiveToneView::buildControls()
{
    // --- Own identity and timings.
    auto* top = new QGroupBox(this);
    m_topBox = top;
    auto* topGrid = new QGridLayout(top);
    m_selfId = MakeEdit(top, 1152, FiveToneMap::kCodeDigits);
    m_decodeResponse = MakeDropList(top, 1129, SelCallResponseList, ListWidth::AtFirstShow);
    struct TimingDef {
        int edit;
        const char* label;
        std::uint32_t address;
    };
    const std::array<TimingDef, 4> timings = {{
        {1250, QT_TR_NOOP("Pre-carreier time(ms)"), FiveToneMap::kPreCarrier},
        {1258, QT_TR_NOOP("First expand(ms)"), FiveToneMap::kFirstExpand},
        {1256, QT_TR_NOOP("End exit delay(ms)"), FiveToneMap::kEndExitDelay},
        {1260, QT_TR_NOOP("Reply delay(ms)"), FiveToneMap::kReplyDelay},
    }};
    for (std::size_t i = 0; i < timings.size(); ++i) {
        QLineEdit* edit = MakeEdit(top, timings[i].edit, 4);
        UpDown* arrows = MakeUpDown(edit, timings[i].edit + 1, 0, kTimingMax);
        arrows->setStep(10, 50, 5000); // faster once held for five seconds
        m_timings[i] = {edit, arrows, timings[i].address};
    }
    m_autoReset = MakeEdit(top, 1185, 3);
    m_autoResetArrows = MakeUpDown(m_autoReset, 1186, 0, 255);
    m_sideTone = new QCheckBox(tr("Side tone"), top);
    m_sideTone->setObjectName(QStringLiteral("1149"));
    m_beep = new QCheckBox(tr("Beep"), top);
    m_beep->setObjectName(QStringLiteral("1190"));
    m_beep->hide(); // kept in step with the image, not offered

    AddLabelled(topGrid, 0, 0, tr("Self ID"), m_selfId);
    AddLabelled(topGrid, 0, 2, tr("Decode response"), m_decodeResponse);
    AddLabelled(topGrid, 1, 0, tr(timings[0].label), EditWithArrows(m_timings[0].edit, m_timings[0].arrows));
    AddLabelled(topGrid, 1, 2, tr("Auto reset time(s)"), EditWithArrows(m_autoReset, m_autoResetArrows));
    AddLabelled(topGrid, 2, 0, tr(timings[1].label), EditWithArrows(m_timings[1].edit, m_timings[1].arrows));
    AddLabelled(topGrid, 2, 2, tr(timings[2].label), EditWithArrows(m_timings[2].edit, m_timings[2].arrows));
    AddLabelled(topGrid, 3, 0, tr(timings[3].label), EditWithArrows(m_timings[3].edit, m_timings[3].arrows));
    topGrid->addWidget(m_sideTone, 3, 2);
    topGrid->addWidget(m_beep, 3, 3);

    // --- Function codes and PTT identities.
    auto* info = new QGroupBox(tr("Infomation"), this);
    auto* infoLayout = new QHBoxLayout(info);
    auto* function = new QGroupBox(tr("Function"), info);
    m_functionBox = function;
    auto* functionGrid = new QGridLayout(function);
    m_functionGroup = MakeDropList(function, 1044, Numbers(FiveToneMap::kFunctionCount), ListWidth::AtFirstShow);
    m_functionType = MakeDropList(function, 1281, FunctionTypeList, ListWidth::AtFirstShow);
    m_functionResponse = MakeDropList(function, 1128, SelCallResponseList, ListWidth::AtFirstShow);
    m_functionId = MakeEdit(function, 1052, FiveToneMap::kCodeDigits);
    m_functionName = MakeEdit(function, 1059, 6);
    AddLabelled(functionGrid, 0, 0, tr("Group"), m_functionGroup);
    AddLabelled(functionGrid, 1, 0, tr("Type"), m_functionType);
    AddLabelled(functionGrid, 2, 0, tr("Response"), m_functionResponse);
    AddLabelled(functionGrid, 3, 0, tr("ID"), m_functionId);
    auto* nameLabel = new QLabel(tr("Name"), function);
    functionGrid->addWidget(nameLabel, 4, 0);
    functionGrid->addWidget(m_functionName, 4, 1);
    nameLabel->hide(); // the name is kept, not offered
    m_functionName->hide();
    functionGrid->setRowStretch(5, 1);

    auto* ptt = new QGroupBox(tr("PTTID"), info);
    m_pttBox = ptt;
    auto* pttGrid = new QGridLayout(ptt);
    m_pttBegin = MakeEdit(ptt, 1252, FiveToneMap::kCodeDigits);
    m_pttEnd = MakeEdit(ptt, 1254, FiveToneMap::kCodeDigits);
    AddLabelled(pttGrid, 0, 0, tr("Begin ID"), m_pttBegin);
    AddLabelled(pttGrid, 1, 0, tr("End ID"), m_pttEnd);
    pttGrid->setRowStretch(2, 1);
    infoLayout->addWidget(function, 3);
    infoLayout->addWidget(ptt, 2);

    // --- Contacts.
    auto* contact = new QGroupBox(tr("Contact"), this);
    m_contactBox = contact;
    auto* contactGrid = new QGridLayout(contact);
    m_contactGroup = MakeDropList(contact, 1045, Numbers(FiveToneMap::kContactCount), ListWidth::AtFirstShow);
    m_alias = MakeEdit(contact, 1005, 6);
    m_codeType = MakeDropList(contact, 1262, CodeTypeList, ListWidth::AtFirstShow);
    m_code = MakeEdit(contact, 1092, FiveToneMap::kCodeDigits);
    m_message = MakeEdit(contact, 1011, 16);
    AddLabelled(contactGrid, 0, 0, tr("Group"), m_contactGroup);
    AddLabelled(contactGrid, 0, 2, tr("Alias"), m_alias);
    AddLabelled(contactGrid, 1, 0, tr("Code type"), m_codeType);
    AddLabelled(contactGrid, 1, 2, tr("Code"), m_code);
    auto* messageLabel = new QLabel(tr("Message"), contact);
    messageLabel->setBuddy(m_message);
    contactGrid->addWidget(messageLabel, 2, 0);
    contactGrid->addWidget(m_message, 2, 1, 1, 3);

    // --- Standard and digit tones.
    auto* standard = new QGroupBox(tr("Standard"), this);
    m_standardBox = standard;
    auto* standardLayout = new QVBoxLayout(standard);
    auto* head = new QGridLayout;
    QStringList names;
    for (const FiveTone::Standard& s : FiveTone::kStandards)
        names << QString::fromLatin1(s.name);
    m_standard = MakeDropList(standard, 1366, names, ListWidth::AtFirstShow);
    m_width = MakeEdit(standard, 1330, 3);
    m_widthArrows = MakeUpDown(m_width, 1331, FiveTone::kStandards[0].leastWidthMs, 255);
    m_group = MakeDropList(standard, 1332, Letters(), ListWidth::AtFirstShow);
    m_repeat = MakeDropList(standard, 1333, Letters(), ListWidth::AtFirstShow);
    m_delimiter = MakeDropList(standard, 1211, QStringList{"None"} + Letters(), ListWidth::AtFirstShow);
    AddLabelled(head, 0, 0, tr("Standard"), m_standard);
    AddLabelled(head, 0, 2, tr("Width"), EditWithArrows(m_width, m_widthArrows));
    AddLabelled(head, 1, 0, tr("Group"), m_group);
    AddLabelled(head, 1, 2, tr("Repeat"), m_repeat);
    AddLabelled(head, 2, 0, tr("Delimiter"), m_delimiter);
    standardLayout->addLayout(head);
    auto* toneGrid = new QGridLayout;
    for (int d = 0; d < FiveTone::kDigits; ++d) {
        QLineEdit* edit = MakeEdit(standard, 1334 + 2 * d, 6);
        m_tones[static_cast<std::size_t>(d)] = edit;
        m_toneArrows[static_cast<std::size_t>(d)] =
            MakeUpDown(edit, 1335 + 2 * d, FiveTone::kMinTone, FiveTone::kMaxTone);
        AddLabelled(toneGrid, d % 8, 2 * (d / 8), QString(QChar::fromLatin1("0123456789ABCDEF"[d])),
                    EditWithArrows(edit, m_toneArrows[static_cast<std::size_t>(d)]));
    }
    standardLayout->addLayout(toneGrid);
    standardLayout->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(top, 0, 0);
    grid->addWidget(info, 1, 0);
    grid->addWidget(contact, 2, 0);
    grid->addWidget(standard, 0, 1, 3, 1);
    SetFormSpacing(grid);
    KeepFieldWidths(grid);
}
