#include "shell/recovery_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

RecoveryDialog::RecoveryDialog(const std::vector<RecoveryFile::LeftBehind>& files, const QString& caption,
                               QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("recovery"));
    setWindowTitle(caption);
    auto* text = new QLabel(
        tr("Unsaved changes left by programs that ended without saving: %1. Recover one?").arg(files.size()), this);
    text->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("files"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Written"), tr("Size")});
    m_list->setUniformRowHeights(true); // thousands of rows stay quick
    const QLocale locale;
    for (const RecoveryFile::LeftBehind& f : files) {
        auto* item =
            new QTreeWidgetItem(m_list, {locale.toString(f.written, QLocale::ShortFormat),
                                         locale.formattedDataSize(f.size, 1, QLocale::DataSizeTraditionalFormat)});
        item->setToolTip(0, QDir::toNativeSeparators(f.path));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* recover = buttons->addButton(tr("&Recover"), QDialogButtonBox::AcceptRole);
    recover->setObjectName(QStringLiteral("recover"));
    recover->setDefault(true);
    QPushButton* discard = buttons->addButton(tr("&Discard all"), QDialogButtonBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("discardAll"));
    QPushButton* later = buttons->addButton(tr("&Later"), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("later"));
    connect(recover, &QPushButton::clicked, this, [this] {
        m_choice = Recover;
        accept();
    });
    connect(discard, &QPushButton::clicked, this, [this] {
        m_choice = DiscardAll;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject); // Later, Escape, the close box
    connect(m_list, &QTreeWidget::itemDoubleClicked, recover, &QPushButton::click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(440, files.size() > 1 ? 320 : 200);
}

int RecoveryDialog::chosen() const
{
    return std::max(0, m_list->indexOfTopLevelItem(m_list->currentItem()));
}
