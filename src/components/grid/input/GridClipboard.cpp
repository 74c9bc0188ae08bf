#include "input/GridClipboard.h"

#include "input/GridSelectionText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

bool GridClipboard::gridKey(QKeyEvent* e) {
    if (!e->matches(QKeySequence::Copy))
        return false;
    // Nothing selected leaves the clipboard as it was.
    if (const QString text = selectionText(m_context); !text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
    return true;
}
