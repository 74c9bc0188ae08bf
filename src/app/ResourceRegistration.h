#pragma once
// A window's pictures live in a static library's resource file; calling the function this
// defines links them in, once, however many windows call it. Use it outside any named
// namespace: the resource's initialiser is a global function.

#include <QtGlobal>

#define TESSIX_RESOURCE_REGISTRATION(function, resource)                                           \
    static void function() {                                                                       \
        static const bool registered = [] {                                                        \
            Q_INIT_RESOURCE(resource);                                                             \
            return true;                                                                           \
        }();                                                                                       \
        Q_UNUSED(registered)                                                                       \
    }
