#pragma once

#include "controls/base_form_view.h"

class BandChartWidget;
class Document;
class QLineEdit;

// The radio's identity record: serial number, model name and model code are
// edited; firmware version and last program date are shown only. The image
// is the only store.
class ModelDataView : public BaseFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 200;

    explicit ModelDataView(Document& document, QWidget* parent = nullptr);

    void initialUpdate() override;
    void LoadFromImage() override;
    void SaveToImage() override;
    BandChartWidget* bandChart() const { return m_chart; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_firmware;
    QLineEdit* m_serial;
    QLineEdit* m_modelName;
    QLineEdit* m_date;
    QLineEdit* m_modelCode;
    BandChartWidget* m_chart;
};
