#include "samples/viewing/DatabaseErrors.h"

#include "db/Error.h"
#include "platform/MessageBox.h"

#include <QString>

void ShowDatabaseError(const QString& doing, const db::Error& error) {
    MsgBox(doing + QStringLiteral("\r\n") + error.Description, vbCritical);
}
