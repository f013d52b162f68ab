#pragma once

#include "controls/base_form_view.h"

class CBandChart;
class Document;
class QLineEdit;

// The radio's identity record: serial number, model name and model code are
// edited; firmware version and last program date are shown only. The image
// is the only store.
class CModelView : public CBaseFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 200;

    explicit CModelView(Document& document, QWidget* parent = nullptr);

    void initialUpdate() override;
    void LoadFromImage() override;
    void SaveToImage() override;
    CBandChart* bandChart() const { return m_chart; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_firmware;
    QLineEdit* m_serial;
    QLineEdit* m_modelName;
    QLineEdit* m_date;
    QLineEdit* m_modelCode;
    CBandChart* m_chart;
};
