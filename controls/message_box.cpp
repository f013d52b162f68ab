#include "controls/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace {
// Room the title bar takes besides the caption: the window icon and the
// minimise, maximise and close buttons of a typical frame.
constexpr int kTitleBarExtra = 160;

QString& Caption()
{
    static QString caption;
    return caption;
}
} // namespace

void FitCaption(QMessageBox& box)
{
    QFont titleFont = QApplication::font();
    titleFont.setBold(true); // title bars mostly are
    const QFontMetrics fm(titleFont);
    const int wanted = fm.horizontalAdvance(box.windowTitle()) + kTitleBarExtra;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid || box.property("captionFitted").toBool())
        return;
    box.setProperty("captionFitted", true);
    // A message box ignores a minimum width of its own; a spacer in its grid it keeps.
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    FitCaption(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

const QString& MessageCaption()
{
    return Caption();
}

void SetMessageCaption(const QString& caption)
{
    Caption() = caption;
}
