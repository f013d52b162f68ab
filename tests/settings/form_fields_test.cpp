// Walks the field tables of the settings forms: each field is where its
// table puts it, under its label, and each plain list keeps its choice in
// exactly the bits its table names.
#include "controls/form_fields.h"
#include "settings/alarm_view.h"
#include "settings/basic_setting_view.h"
#include "settings/option_page.h"
#include "tests/settings/form_test_support.h"
#include "tests/support/test_document.h"

#include <QGridLayout>
#include <QLabel>
#include <QTest>

#include <memory>

namespace {
constexpr QSize kViewSize(900, 700);

// The label the form shows for a field at its table's place.
QString LabelAt(const QWidget* control)
{
    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget())
        if (auto* grid = qobject_cast<QGridLayout*>(w->layout()))
            for (int i = 0; i < grid->count(); ++i)
                if (auto* label = qobject_cast<QLabel*>(grid->itemAt(i)->widget());
                    label && label->buddy() && (label->buddy() == control || label->buddy()->isAncestorOf(control))) {
                    int row = 0, col = 0, rowSpan = 0, colSpan = 0;
                    grid->getItemPosition(i, &row, &col, &rowSpan, &colSpan);
                    return QStringLiteral("%1,%2 %3").arg(row).arg(col).arg(label->text());
                }
    return {};
}
} // namespace

class FormFieldsTest : public QObject {
    Q_OBJECT

    template <class View> void walk(std::span<const FormField> table, const char* context)
    {
        TestImage().fill(0x00);
        auto view = std::make_unique<View>(TestDocument());
        QVERIFY(ShowActive(view.get(), kViewSize));
        view->ensureInitialised();
        view->SaveToImage(); // what the form corrects on its first store is not the field's doing
        for (const FormField& f : table) {
            QWidget* control = view->template findChild<QWidget*>(QString::number(f.id));
            QVERIFY2(control, qPrintable(QString::number(f.id)));
            if (f.row < 0) {
                QVERIFY2(control->isHidden(), qPrintable(QString::number(f.id)));
                continue;
            }
            // A number edit with arrows is labelled as the two together.
            QCOMPARE(
                LabelAt(control),
                QStringLiteral("%1,%2 %3").arg(f.row).arg(f.column).arg(QCoreApplication::translate(context, f.label)));
            if (f.kind != FormField::Kind::List || f.items.empty())
                continue;
            auto* list = static_cast<QComboBox*>(control);
            QCOMPARE(list->count(), static_cast<int>(f.items.size()));
            const RadioImage before = TestImage();
            Pick(list, list->itemText(list->count() - 1));
            view->SaveToImage();
            QCOMPARE(ReadBits(TestImage(), f.bits), static_cast<unsigned>(list->count() - 1));
            QVERIFY(ChangedOutside(before, TestImage(), {{f.bits.offset, f.bits.offset}}).empty());
            QCOMPARE(ReadBits(TestImage()[f.bits.offset], BitField{0, 0, 8}) & ~f.bits.mask(),
                     ReadBits(before[f.bits.offset], BitField{0, 0, 8}) & ~f.bits.mask());
        }
    }

private slots:
    void optionPageFollowsItsTable() { walk<BasicSettingView>(OptionPage::fieldTable(), "OptionPage"); }
    void alarmViewFollowsItsTable() { walk<AlarmView>(AlarmView::fieldTable(), "AlarmView"); }
};

QTEST_MAIN(FormFieldsTest)
#include "form_fields_test.moc"
