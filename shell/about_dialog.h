#pragma once

#include <QDialog>

// "About": the company, the version, and which model the software is for.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
