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

// All settings of the program in one INI file, through QSettings: a group per application,
// the section and key below it ("[app]" then "section\key=value").
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString& file);
    // The user's configuration folder + "/TessixDemonstrator.ini".
    static QString defaultFile();
    // Where earlier versions kept one file per application, <folder>/<app>.ini.
    static QString earlierFolder();

    // Takes over the settings of the earlier per-application files in folder, once: only
    // while this store's file does not exist yet. The earlier files stay as they are.
    void importEarlierFiles(const QString& folder);

    const QString& file() const { return m_file; }

    QString get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void save(const QString& app, const QString& section, const QString& key,
              const QString& value) override;
    void remove(const QString& app, const QString& section, const QString& key) override;

private:
    QString m_file;
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
