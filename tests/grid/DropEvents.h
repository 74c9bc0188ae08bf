#pragma once
// Drags from other programs as Qt hands them to a widget, without a window system: the drag
// data a file manager or a text source offers, and the enter, move and drop events.

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <memory>

// URLs (none: no uri-list) and a text (null: none).
inline std::unique_ptr<QMimeData> mimeOf(const QStringList& urls, const QString& text) {
    auto mime = std::make_unique<QMimeData>();
    if (!urls.isEmpty()) {
        QList<QUrl> list;
        for (const QString& u : urls)
            list << QUrl(u);
        mime->setUrls(list);
    }
    if (!text.isNull())
        mime->setText(text);
    return mime;
}

struct DropResult {
    bool moveAccepted = false;
    Qt::DropAction moveAction = Qt::IgnoreAction;
    bool dropAccepted = false;
    Qt::DropAction dropAction = Qt::IgnoreAction;
};

// Enter, one move and the drop, as Qt delivers them to the viewport (any widget that takes
// drops).
inline DropResult dragAndDrop(QWidget* viewport, const QMimeData& mime, QPoint at,
                              Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction |
                                                        Qt::LinkAction) {
    DropResult result;
    QDragEnterEvent enter(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    const QPoint next = at + QPoint(5, 3);
    QDragMoveEvent move(next, offered, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(viewport, &move);
    result.moveAccepted = move.isAccepted();
    result.moveAction = move.dropAction();
    QDropEvent drop(next, offered, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(viewport, &drop);
    result.dropAccepted = drop.isAccepted();
    result.dropAction = drop.dropAction();
    return result;
}
