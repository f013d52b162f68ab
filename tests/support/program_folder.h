#pragma once

#include <QString>
#include <QTemporaryDir>

// A program folder for tests that start the program's shell: Program.ini
// (with the given text, or a plain configuration), the generated Default.dat,
// and the start-up settings read from them.
class ProgramFolder {
public:
    explicit ProgramFolder(const QByteArray& ini = kPlainIni);

    static constexpr const char* kPlainIni = "[Setup]\r\nCOM=COM3\r\nModel=QM4410\r\nCompany=Acme Radio\r\n";

    bool isValid() const { return m_valid; }
    // Ends with a separator, as the program's folder does.
    const QString& path() const { return m_path; }
    QString file(const QString& name) const { return m_path + name; }

private:
    QTemporaryDir m_dir;
    QString m_path;
    bool m_valid = false;
};
