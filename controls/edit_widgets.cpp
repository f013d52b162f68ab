#include "controls/edit_widgets.h"

#include "codecs/edit_helpers.h"
#include "controls/up_down.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

void ValidateIntField(QLineEdit* edit, int min, int max, int def, int step, bool offSwitch, const QString& offText)
{
    edit->setText(::ValidateIntField(edit->text(), min, max, def, step, offSwitch, offText));
}

void ValidateDecField(QLineEdit* edit, int min, int max, int def, bool offSwitch, const QString& offText)
{
    edit->setText(::ValidateDecField(edit->text(), min, max, def, offSwitch, offText));
}

void SpinIntField(UpDown* upDown, int delta, bool offSwitch, const QString& offText)
{
    QLineEdit* buddy = upDown->buddy();
    buddy->setText(::SpinIntField(buddy->text(), upDown->minimum(), upDown->maximum(), delta, offSwitch, offText));
}

void SpinDecField(UpDown* upDown, int delta, bool offSwitch, const QString& offText)
{
    QLineEdit* buddy = upDown->buddy();
    buddy->setText(::SpinDecField(buddy->text(), upDown->minimum(), upDown->maximum(), delta, offSwitch, offText));
}

void EnsureComboSelection(QComboBox* combo, int value, bool byText)
{
    if (combo->currentIndex() >= 0)
        return;
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    combo->setCurrentIndex(ComboIndexToSelect(items, value, byText));
}

bool SelectByPrefix(QComboBox* combo, const QString& text)
{
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            combo->setCurrentIndex(i);
            return true;
        }
    return false;
}
