#include "platform/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

// QSettings reads both slashes as group separators: names that hold one are escaped, so an
// application, section or key name can never reach into another's place.
QString escapedName(const QString& name) {
    QString escaped = name;
    escaped.replace(u'%', QStringLiteral("%25"));
    escaped.replace(u'/', QStringLiteral("%2F"));
    escaped.replace(u'\\', QStringLiteral("%5C"));
    return escaped;
}

QString settingsKey(const QString& app, const QString& section, const QString& key = {}) {
    QString path = escapedName(app) + u'/' + escapedName(section);
    if (!key.isEmpty())
        path += u'/' + escapedName(key);
    return path;
}

} // namespace

IniSettingsStore::IniSettingsStore(const QString& file) : m_file(file) {}

QString IniSettingsStore::defaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/TessixDemonstrator.ini");
}

QString IniSettingsStore::earlierFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/TessixDemonstrator");
}

void IniSettingsStore::importEarlierFiles(const QString& folder) {
    if (QFileInfo::exists(m_file))
        return;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        // Those files were named after their application.
        const QString app = file.completeBaseName();
        const QSettings earlier(file.filePath(), QSettings::IniFormat);
        for (const QString& path : earlier.allKeys()) {
            const qsizetype slash = path.indexOf(u'/');
            if (slash > 0)
                save(app, path.left(slash), path.mid(slash + 1), earlier.value(path).toString());
        }
    }
}

QString IniSettingsStore::get(const QString& app, const QString& section, const QString& key,
                              const QString& defaultValue) {
    const QSettings settings(m_file, QSettings::IniFormat);
    const QVariant value = settings.value(settingsKey(app, section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

void IniSettingsStore::save(const QString& app, const QString& section, const QString& key,
                            const QString& value) {
    QSettings settings(m_file, QSettings::IniFormat);
    settings.setValue(settingsKey(app, section, key), value);
}

void IniSettingsStore::remove(const QString& app, const QString& section, const QString& key) {
    QSettings settings(m_file, QSettings::IniFormat);
    settings.remove(settingsKey(app, section, key));
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
    static IniSettingsStore production = [] {
        IniSettingsStore store(IniSettingsStore::defaultFile());
        store.importEarlierFiles(IniSettingsStore::earlierFolder());
        return store;
    }();
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
