#include "samples/editing/CellEdit.h"

#include "platform/MessageBox.h"

namespace {

bool blank(const Variant& value) {
    return value.isEmpty() || value.isNull() || value.isText(u"");
}

} // namespace

bool ChangesCell(const Variant& shown, const Variant& edited) {
    if (shown.sameAs(edited) || (blank(shown) && blank(edited)))
        return false;
    // Null compares unequal to everything, so only a value on both sides can read the same.
    return shown.isNull() || edited.isNull() || shown != edited;
}

bool IsEditToStore(const BeforeCommitEditArgs& args, const Variant& shown) {
    return args.kind != EditKindCheckBox && ChangesCell(shown, args.newValue);
}

void CommitAsStored(BeforeCommitEditArgs& args, const std::optional<Variant>& stored) {
    if (stored)
        args.newValue = *stored;
    else
        args.result = CommitStay;
}

void ReportRowUpdateError(int row, const db::Error& error, const QString& note) {
    QString text = QStringLiteral("Error updating row #%1:\r\n%2").arg(row).arg(error.Description);
    if (!note.isEmpty())
        text += QStringLiteral("\r\n") + note;
    MsgBox(text, vbCritical);
}

QString CheckBoxNotSavedNote() {
    return QStringLiteral("The check box shows a state that was not saved.");
}
