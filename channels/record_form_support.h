#pragma once

// The small helpers that RecordForm's two files share: list boxes, filters,
// selections and the texts of its values.
#include "channels/core/record_rules.h"
#include "codecs/decimal.h"
#include "codecs/option_lists.h"
#include "codecs/text_codecs.h"
#include "controls/char_input_filter.h"
#include "controls/edit_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace RecordFormSupport {

inline constexpr int kSignallingDecodeEntries = 16;
inline constexpr int kPowerHigh = 3;
inline constexpr const char* kDefaultStep = "12.5";

inline QStringList Items(OptionList list)
{
    QStringList items;
    for (const char* item : list)
        items << QString::fromLatin1(item);
    return items;
}

inline QComboBox* MakeList(QWidget* parent, int id, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::number(id));
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

inline void Filter(QObject* box, const CharFilter& chars)
{
    auto* filter = new CharInputFilter(box);
    filter->setAccepted(chars);
    if (auto* combo = qobject_cast<QComboBox*>(box))
        filter->attach(combo);
    else
        filter->attach(static_cast<QLineEdit*>(box));
}

// An index outside the list leaves the list without a selection.
inline void SelectIndex(QComboBox* combo, unsigned index)
{
    const int i = static_cast<int>(index);
    combo->setCurrentIndex(i < combo->count() ? i : -1);
}

inline void SelectText(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

inline unsigned Index(const QComboBox* combo)
{
    return static_cast<unsigned>(std::max(combo->currentIndex(), 0));
}

inline unsigned Bit(const QCheckBox* box)
{
    return box->isChecked() ? 1u : 0u;
}

inline void ReplaceItems(QComboBox* combo, const QStringList& items, const QString& select)
{
    combo->clear();
    combo->addItems(items);
    SelectText(combo, select);
}

inline std::uint32_t FreqOf(const QString& text)
{
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(ParseMHz(text), 0, std::numeric_limits<std::uint32_t>::max()));
}

inline QString DcsText(unsigned code)
{
    return QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
}

} // namespace RecordFormSupport
