#include "controls/form_fields.h"

#include "controls/form_kit.h"
#include "controls/up_down.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>

using namespace FormKit;

FormFields::FormFields(QWidget* page, std::span<const FormField> table, const char* context, QGridLayout* grid)
{
    m_made.reserve(table.size());
    for (const FormField& f : table) {
        Made made{&f, nullptr, nullptr};
        QWidget* shown = nullptr;
        switch (f.kind) {
        case FormField::Kind::List:
        case FormField::Kind::OwnList: shown = made.control = MakeDropList(page, f.id); break;
        case FormField::Kind::OwnNumber: shown = made.control = MakeNumberEdit(page, f.id, f.maxTyped); break;
        case FormField::Kind::OwnArrowed: {
            QLineEdit* edit = MakeNumberEdit(page, f.id, f.maxTyped);
            made.control = edit;
            made.arrows = MakeUpDown(edit, f.arrowsId, f.min, f.max);
            shown = EditWithArrows(edit, made.arrows);
            break;
        }
        }
        if (f.row >= 0)
            AddLabelled(grid, f.row, f.column, QCoreApplication::translate(context, f.label), shown);
        else
            shown->hide(); // kept by the radio, not shown in this edition
        m_made.push_back(made);
    }
}

const FormFields::Made* FormFields::find(int id) const
{
    for (const Made& m : m_made)
        if (m.field->id == id)
            return &m;
    return nullptr;
}

QComboBox* FormFields::list(int id) const
{
    const Made* m = find(id);
    return m ? qobject_cast<QComboBox*>(m->control) : nullptr;
}

QLineEdit* FormFields::edit(int id) const
{
    const Made* m = find(id);
    return m ? qobject_cast<QLineEdit*>(m->control) : nullptr;
}

UpDown* FormFields::arrows(int id) const
{
    const Made* m = find(id);
    return m ? m->arrows : nullptr;
}

int FormFields::defaultIndex(const QComboBox* list) const
{
    for (const Made& m : m_made)
        if (m.control == list)
            return m.field->defaultIndex;
    return 0;
}

void FormFields::fill() const
{
    for (const Made& m : m_made) {
        const FormField& f = *m.field;
        if (f.kind == FormField::Kind::List) {
            auto* combo = static_cast<QComboBox*>(m.control);
            combo->clear();
            combo->addItems(ToStringList(f.items));
        } else if (f.kind == FormField::Kind::OwnNumber || f.kind == FormField::Kind::OwnArrowed) {
            LimitTyping(static_cast<QLineEdit*>(m.control), f.maxTyped);
            if (m.arrows)
                m.arrows->setRange(f.min, f.max);
        }
    }
}

void FormFields::load(const RadioImage& image) const
{
    // Values beyond a list leave it unselected; the page's check picks its default.
    for (const Made& m : m_made)
        if (m.field->kind == FormField::Kind::List)
            SelectIndex(static_cast<QComboBox*>(m.control), static_cast<int>(ReadBits(image, m.field->bits)));
}

void FormFields::save(RadioImage& image) const
{
    for (const Made& m : m_made)
        if (m.field->kind == FormField::Kind::List)
            WriteBits(image, m.field->bits,
                      static_cast<unsigned>(SelectedIndexOrZero(static_cast<QComboBox*>(m.control))));
}
