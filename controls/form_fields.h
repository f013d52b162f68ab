#pragma once

#include "codecs/option_lists.h"
#include "document/image_fields.h"
#include "document/radio_image.h"

#include <span>
#include <vector>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;
class UpDown;

// One field of a settings form, described once: its label, control id, the
// place of its label and control in the form's grid, and, for a plain list,
// its items and the bits of the image that hold the chosen index. Building,
// loading, saving and checking walk a page's table; printing reads the
// layout the table made. Fields with rules of their own are in the table
// for their label and place, and the page loads and saves them itself.
struct FormField {
    enum class Kind {
        List,       // a drop-down list whose index is kept in `bits`
        OwnList,    // a drop-down list the page fills, loads and saves
        OwnNumber,  // a number edit the page loads and saves
        OwnArrowed, // the same with arrows beside it
    };
    Kind kind;
    int id;
    const char* label = nullptr; // translated in the page's context; nullptr: not shown
    int row = -1;                // in the form's grid; a hidden field has no place
    int column = 0;              // the label's column; the control is in the next
    OptionList items = {};       // List only
    BitField bits = {};          // List only
    int defaultIndex = 0;        // a list's choice when the stored value is on no item
    int maxTyped = 0;            // numbers: characters typing may reach
    int arrowsId = 0;            // OwnArrowed: the arrows' id and range
    int min = 0;
    int max = 0;
};

// The controls of a page made from its table, in the table's order (which is
// the order the focus moves in).
class FormFields {
public:
    FormFields(QWidget* page, std::span<const FormField> table, const char* context, QGridLayout* grid);

    QComboBox* list(int id) const;
    QLineEdit* edit(int id) const;
    UpDown* arrows(int id) const;
    // The choice a list takes when it has none: its table default, else 0.
    int defaultIndex(const QComboBox* list) const;

    // The plain lists' items and the numbers' typing limits and ranges.
    void fill() const;
    void load(const RadioImage& image) const;
    void save(RadioImage& image) const;

private:
    struct Made {
        const FormField* field;
        QWidget* control;
        UpDown* arrows;
    };
    const Made* find(int id) const;

    std::vector<Made> m_made;
};
