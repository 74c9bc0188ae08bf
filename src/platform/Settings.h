#pragma once

#include "platform/Service.h"

#include <QMap>
#include <QString>

namespace platform {

// Per-user program settings: strings by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString get(const QString& app, const QString& section, const QString& key,
                        const QString& defaultValue) = 0;
    virtual void save(const QString& app, const QString& section, const QString& key,
                      const QString& value) = 0;
    // An empty key removes the whole section.
    virtual void remove(const QString& app, const QString& section, const QString& key) = 0;
};

// One INI file per application, <baseFolder>/<app>.ini, through QSettings.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString& baseFolder);
    // The user's configuration folder + "/TessixDemonstrator".
    static QString defaultBaseFolder();

    // The file that holds the settings of an application.
    QString fileFor(const QString& app) const;

    QString get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void save(const QString& app, const QString& section, const QString& key,
              const QString& value) override;
    void remove(const QString& app, const QString& section, const QString& key) override;

private:
    QString m_baseFolder;
};

// Test double: settings kept in memory only.
class MemorySettingsStore : public SettingsStore {
public:
    QString get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void save(const QString& app, const QString& section, const QString& key,
              const QString& value) override;
    void remove(const QString& app, const QString& section, const QString& key) override;
    bool contains(const QString& app, const QString& section, const QString& key) const;

private:
    // app -> section -> key -> value
    QMap<QString, QMap<QString, QMap<QString, QString>>> m_values;
};

using ScopedSettingsStore = ScopedService<SettingsStore>;
SettingsStore& settingsStore();

} // namespace platform

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& app, const QString& section, const QString& key,
                 const QString& value);
// Without a key the whole section goes.
void DeleteSetting(const QString& app, const QString& section, const QString& key = QString());
