#pragma once
// How the second program of the drag tests prints a text on one line, and how the tests
// spell what they expect from it.

#include <QString>

inline QString escapedForPeer(QString text) {
    return text.replace('\\', "\\\\")
        .replace('\n', "\\n")
        .replace('\r', "\\r")
        .replace('\t', "\\t");
}
