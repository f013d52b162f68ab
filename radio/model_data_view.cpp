#include "radio/model_data_view.h"

#include "document/document.h"

#include "controls/form_kit.h"
#include "document/radio_image.h"
#include "radio/band_chart_widget.h"
#include "radio/core/model_info.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kDateLength = 10; // "YYYY-MM-DD"

// Control keys (Backspace, Delete, arrows, shortcuts) carry no printable text
// and are the box's own business; only typed characters are filtered.
bool IsTypedText(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}

bool AllAccepted(const QString& text, bool (*accepts)(QChar))
{
    for (QChar c : text)
        if (!accepts(c))
            return false;
    return true;
}
} // namespace

ModelDataView::ModelDataView(Document& document, QWidget* parent) : BaseFormView(kTemplateId, document, parent)
{
    auto makeEdit = [this](int id, bool readOnly) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::number(id));
        if (readOnly)
            FormKit::MakeReadOnly(edit);
        return edit;
    };
    m_firmware = makeEdit(1008, true);
    m_serial = makeEdit(1005, false);
    m_modelName = makeEdit(1059, false);
    m_date = makeEdit(1009, true);
    m_modelCode = makeEdit(1092, false);

    auto* outer = new QVBoxLayout(this);
    const int m = FormKit::kFormMargin;
    outer->setContentsMargins(m, m, m, m);
    auto* grid = new QGridLayout;
    FormKit::SetFormSpacing(grid, 0);
    outer->addLayout(grid);
    const std::pair<const char*, QLineEdit*> rows[] = {
        {QT_TR_NOOP("Serial number"), m_serial},   {QT_TR_NOOP("Model name"), m_modelName},
        {QT_TR_NOOP("Model code"), m_modelCode},   {QT_TR_NOOP("Firmware Version"), m_firmware},
        {QT_TR_NOOP("Last program date"), m_date},
    };
    int row = 0;
    for (const auto& [label, edit] : rows) {
        auto* l = new QLabel(tr(label), this);
        l->setBuddy(edit);
        grid->addWidget(l, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    // The boxes keep the width of their longest value; the rest of the row stays empty.
    grid->setColumnStretch(2, 1);

    auto* plan = new QGroupBox(tr("Band plan"), this);
    auto* planLayout = new QVBoxLayout(plan);
    m_chart = new BandChartWidget(document, plan);
    planLayout->addWidget(m_chart);
    plan->setMaximumWidth(plan->sizeHint().width() * 3 / 2);
    outer->addSpacing(outer->spacing());
    outer->addWidget(plan);
    outer->addStretch(1);

    for (QLineEdit* edit : {m_serial, m_modelName, m_modelCode, m_firmware})
        edit->installEventFilter(this);
    // Tab follows the rows on the screen.
    for (int i = 0; i + 1 < row; ++i)
        setTabOrder(rows[i].second, rows[i + 1].second);
}

void ModelDataView::initialUpdate()
{
    m_serial->setMaxLength(ModelInfo::kSerialLength);
    m_modelName->setMaxLength(ModelInfo::kModelNameLength);
    m_modelCode->setMaxLength(ModelInfo::kModelCodeLength);
    m_firmware->setMaxLength(ModelInfo::kFirmwareLength);
    m_date->setMaxLength(kDateLength);
    for (QLineEdit* edit : {m_serial, m_modelName, m_modelCode, m_firmware, m_date})
        FormKit::FitToLength(edit);
    LoadFromImage();
}

void ModelDataView::LoadFromImage()
{
    const ModelIdentity id = ReadModelIdentity(document().image());
    m_serial->setText(id.serial);
    m_modelName->setText(id.modelName);
    m_modelCode->setText(id.modelCode);
    m_firmware->setText(id.firmware);
    m_date->setText(id.lastProgramDate);
}

void ModelDataView::SaveToImage()
{
    WriteModelIdentity(document().change().image(), m_serial->text(), m_modelName->text(), m_modelCode->text());
}

bool ModelDataView::eventFilter(QObject* watched, QEvent* event)
{
    // Characters are filtered before they reach the box; a dropped one leaves it unchanged.
    bool (*accepts)(QChar) = nullptr;
    if (watched == m_serial || watched == m_modelName)
        accepts = ModelInfo::AcceptsLetterOrDigitKey;
    else if (watched == m_modelCode || watched == m_firmware)
        accepts = ModelInfo::AcceptsPrintableKey;
    if (accepts) {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (IsTypedText(text) && !AllAccepted(text, accepts))
                return true;
        } else if (event->type() == QEvent::InputMethod) {
            const QString text = static_cast<QInputMethodEvent*>(event)->commitString();
            if (!text.isEmpty() && !AllAccepted(text, accepts))
                return true;
        }
    }
    return BaseFormView::eventFilter(watched, event);
}
