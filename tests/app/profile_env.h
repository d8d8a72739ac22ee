// A settings folder of its own for each test: XDG_CONFIG_HOME points at a fresh
// temporary folder while the object lives.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class ScopedConfigHome {
public:
    ScopedConfigHome()
        : m_saved(qgetenv("XDG_CONFIG_HOME")),
          m_hadValue(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
    }
    ~ScopedConfigHome() {
        if (m_hadValue) {
            qputenv("XDG_CONFIG_HOME", m_saved);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
    }
    ScopedConfigHome(const ScopedConfigHome&) = delete;
    ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

    QString Path() const { return m_dir.path(); }
    QString OrganisationFolder() const {
        return m_dir.path() + "/Local AppWizard-Generated Applications";
    }
    QString SettingsFile() const { return OrganisationFolder() + "/Quarvel.conf"; }

    void WriteSettings(const QByteArray& content) const {
        QDir().mkpath(OrganisationFolder());
        QFile file(SettingsFile());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
    }
    QByteArray ReadSettings() const {
        QFile file(SettingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
    bool m_hadValue;
};
