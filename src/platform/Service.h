#pragma once

// How code reaches a platform service: the production implementation unless a test (or the
// program) has installed another one with a ScopedService. Each service header declares an
// accessor (platform::messageBox(), platform::settingsStore(), ...) built on current().

namespace platform {

template <class Interface> Interface*& installedService() {
    static Interface* installed = nullptr;
    return installed;
}

template <class Interface> Interface& current(Interface& production) {
    Interface* installed = installedService<Interface>();
    return installed ? *installed : production;
}

// Installs a replacement for the lifetime of the scope, then puts back whatever was
// installed before, so scopes nest.
template <class Interface> class ScopedService {
public:
    explicit ScopedService(Interface& replacement) : m_previous(installedService<Interface>()) {
        installedService<Interface>() = &replacement;
    }
    ~ScopedService() { installedService<Interface>() = m_previous; }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

private:
    Interface* m_previous;
};

} // namespace platform
