#include "settings/key_page.h"

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
#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>

using namespace FormKit;

namespace {
constexpr std::array<const char*, 4> kKeyLabels = {
    QT_TRANSLATE_NOOP("KeyPage", "P1"), QT_TRANSLATE_NOOP("KeyPage", "P2"), QT_TRANSLATE_NOOP("KeyPage", "P3"),
    QT_TRANSLATE_NOOP("KeyPage", "P4")};

QGridLayout* FormGrid(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    SetFormSpacing(grid);
    return grid;
}
} // namespace

KeyPage::KeyPage(Document& document, QWidget* parent) : FormPage(BasicIds::kKeyPage, document, parent)
{
    QGridLayout* grid = FormGrid(this);
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        m_keys[i] = MakeDropList(this, BasicIds::kKey + static_cast<int>(i));
        m_keys[i]->setMinimumWidth(120);
        AddLabelled(grid, static_cast<int>(i), 0, tr(kKeyLabels[i]), m_keys[i]);
    }
    KeepFieldWidths(grid);
}

void KeyPage::pageStart()
{
    for (QComboBox* key : m_keys) {
        key->clear();
        key->addItems(ToStringList(BasicLists::KeyFunctions));
    }
    LoadFromImage();
}

void KeyPage::LoadFromImage()
{
    const RadioImage& image = document().image();
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        SelectStartingWith(m_keys[i], KeyNameForIndex(static_cast<int>(i), image[BasicMap::kKeys + i]));
}

void KeyPage::SaveToImage()
{
    auto change = document().change();
    RadioImage& image = change.image();
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        image[BasicMap::kKeys + i] =
            static_cast<std::uint8_t>(KeyIndexForName(static_cast<int>(i), m_keys[i]->currentText()));
}
