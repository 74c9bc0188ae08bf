#include "platform/Settings.h"

#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

// Application names become file names: keep the characters every file system accepts and
// replace the rest, so "{A3B8...}" stays readable and "a/b" cannot escape the folder.
QString fileNameFor(const QString& app) {
    QString name = app;
    for (QChar& c : name) {
        const bool safe = (c.unicode() < 128 && c.isLetterOrNumber()) || c == u'{' || c == u'}' ||
                          c == u'-' || c == u'_' || c == u'.' || c == u' ';
        if (!safe)
            c = u'_';
    }
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(u'_');
    return name + QStringLiteral(".ini");
}

QString settingsKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

} // namespace

IniSettingsStore::IniSettingsStore(const QString& baseFolder) : m_baseFolder(baseFolder) {}

QString IniSettingsStore::defaultBaseFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/TessixDemonstrator");
}

QString IniSettingsStore::fileFor(const QString& app) const {
    return m_baseFolder + u'/' + fileNameFor(app);
}

QString IniSettingsStore::get(const QString& app, const QString& section, const QString& key,
                              const QString& defaultValue) {
    const QSettings settings(fileFor(app), QSettings::IniFormat);
    const QVariant value = settings.value(settingsKey(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

void IniSettingsStore::save(const QString& app, const QString& section, const QString& key,
                            const QString& value) {
    QSettings settings(fileFor(app), QSettings::IniFormat);
    settings.setValue(settingsKey(section, key), value);
}

void IniSettingsStore::remove(const QString& app, const QString& section, const QString& key) {
    QSettings settings(fileFor(app), QSettings::IniFormat);
    settings.remove(key.isEmpty() ? section : settingsKey(section, key));
}

QString MemorySettingsStore::get(const QString& app, const QString& section, const QString& key,
                                 const QString& defaultValue) {
    return m_values.value(app).value(section).value(key, defaultValue);
}

void MemorySettingsStore::save(const QString& app, const QString& section, const QString& key,
                               const QString& value) {
    m_values[app][section][key] = value;
}

void MemorySettingsStore::remove(const QString& app, const QString& section, const QString& key) {
    if (key.isEmpty())
        m_values[app].remove(section);
    else
        m_values[app][section].remove(key);
}

bool MemorySettingsStore::contains(const QString& app, const QString& section,
                                   const QString& key) const {
    return m_values.value(app).value(section).contains(key);
}

SettingsStore& settingsStore() {
    static IniSettingsStore production(IniSettingsStore::defaultBaseFolder());
    return current<SettingsStore>(production);
}

} // namespace platform

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue) {
    return platform::settingsStore().get(app, section, key, defaultValue);
}

void SaveSetting(const QString& app, const QString& section, const QString& key,
                 const QString& value) {
    platform::settingsStore().save(app, section, key, value);
}

void DeleteSetting(const QString& app, const QString& section, const QString& key) {
    platform::settingsStore().remove(app, section, key);
}
