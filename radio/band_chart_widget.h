#pragma once

#include "radio/core/band_chart.h"

#include <QWidget>

class Document;

// The band plan on a frequency axis: per band its receive and transmit
// ranges, and the channels of the table as ticks in their receive band.
// Hovering a tick names its channels. Follows the document as it changes.
class BandChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit BandChartWidget(Document& document, QWidget* parent = nullptr);

    const BandChartData& data() const { return m_data; }
    // What a tooltip at this point would say; empty over nothing.
    QString textAt(QPoint pos) const;
    // The centre of channel n's tick, for tests and keyboard users' tools.
    QPoint tickPosition(int channel) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Geometry {
        int legendHeight, rowHeight, labelWidth, top, rows;
        QRect plot; // the bars' area, all rows
    };
    Geometry metrics() const;
    int rowOfBand(int band) const; // -1 for channels in no band: the last row
    int bandOfRow(int row) const;
    void reload();

    Document& m_document;
    BandChartData m_data;
    bool m_reloadQueued = false;
};
