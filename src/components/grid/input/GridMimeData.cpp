#include "input/GridMimeData.h"

#include <QMimeData>
#include <QUrl>
#include <algorithm>

std::unique_ptr<QMimeData> mimeDataFor(const GridDataObject& data) {
    auto mime = std::make_unique<QMimeData>();
    if (data.GetFormat(DataFormatText))
        mime->setText(data.GetData(DataFormatText).toString());
    if (data.Files().Count() > 0) {
        QList<QUrl> urls;
        QStringList paths;
        for (const QString& path : data.Files()) {
            urls.append(QUrl::fromLocalFile(path));
            paths.append(path);
        }
        mime->setUrls(urls);
        if (!data.GetFormat(DataFormatText))
            mime->setText(paths.join('\n'));
    }
    return mime;
}

GridDataObject dataObjectFrom(const QMimeData& mime) {
    GridDataObject data;
    const QList<QUrl> urls = mime.urls();
    if (!urls.isEmpty() &&
        std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); })) {
        data.SetData({}, DataFormatFiles);
        for (const QUrl& url : urls)
            data.Files().Add(url.toLocalFile());
        return data;
    }
    if (mime.hasText())
        data.SetData(mime.text(), DataFormatText);
    return data;
}

Qt::DropActions dropActionsFor(int effects) {
    Qt::DropActions actions;
    if (effects & DropEffectCopy)
        actions |= Qt::CopyAction;
    if (effects & DropEffectMove)
        actions |= Qt::MoveAction;
    if (effects & DropEffectLink)
        actions |= Qt::LinkAction;
    return actions;
}

int dropEffectsOf(Qt::DropActions actions) {
    return (actions & Qt::CopyAction ? DropEffectCopy : 0) |
           (actions & Qt::MoveAction ? DropEffectMove : 0) |
           (actions & Qt::LinkAction ? DropEffectLink : 0);
}

Qt::DropAction dropActionFor(int effects, Qt::DropAction preferred) {
    const Qt::DropActions allowed = dropActionsFor(effects);
    for (Qt::DropAction action : {preferred, Qt::CopyAction, Qt::MoveAction, Qt::LinkAction})
        if (allowed & action)
            return action;
    return Qt::IgnoreAction;
}
