#pragma once
// The grid's data object and drop effects against Qt's drag data and drop actions.
//
// A drag out offers the text as text/plain; a file list as text/uri-list (file managers)
// and, unless the window set a text, as a plain-text list of the paths (targets that take
// only text). A drop is read URLs first, since a file manager's drag offers text too: when
// every URL is a local file the data is a file list and nothing else; otherwise (remote
// addresses) it holds no files, only the text the drag offers (the addresses themselves
// when it offers no other).

#include "core/GridInternal.h"

#include "components/grid/GridDataObject.h"

#include <Qt>
#include <memory>

class QMimeData;

std::unique_ptr<QMimeData> mimeDataFor(const GridDataObject& data);
GridDataObject dataObjectFrom(const QMimeData& mime);

// GridDropEffect bits <-> Qt's drop actions.
Qt::DropActions dropActionsFor(int effects);
int dropEffectsOf(Qt::DropActions actions);
// The one action a set of effects allows: the preferred one when among them, else copy,
// move, link; Qt::IgnoreAction for none.
Qt::DropAction dropActionFor(int effects, Qt::DropAction preferred = Qt::CopyAction);
