#pragma once

#include <QDialog>

// "About": the company, the version, and which model the software is for.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
