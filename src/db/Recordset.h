#pragma once
// The records of a table or a query, read through a cursor:
//
// - forward-only on the server side (the default): the statement is stepped as the reader
//   moves on and at most CacheSize records are held at a time, so memory stays flat however
//   large the result; it only moves forward (MoveFirst runs the query again);
// - static and keyset (and every client-side cursor): the whole result, read at Open and
//   positioned freely by AbsolutePosition.
//
// Lock types: read-only (the default; writes fail), optimistic (Update writes the current
// record at once) and batch-optimistic (changes stay pending until UpdateBatch). A write
// selects its record by the primary key it had when read and by the values the changed
// fields had then: a record that someone else changed or deleted meanwhile is a conflict,
// reported as an error, never overwritten. Moving off a record with unsaved changes under
// an optimistic lock stores them first, as Update would.
//
// A recordset that may write needs fields from one table whose primary key is among them.
// After Open the cursor type tells what the recordset became: a forward-only cursor that
// may write, or one on the client side, is static.
//
// Every call that can fail returns false and leaves its error in LastError().

#include "components/grid/GridRecordSource.h"
#include "db/Error.h"
#include "db/Field.h"
#include "db/RecordWrite.h"

#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace db {

class Connection;
class RecordCursor;
struct DatabaseHandle;

enum CursorTypeEnum : int {
    adOpenUnspecified = -1,
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2, // opens as keyset
    adOpenStatic = 3,
};
enum LockTypeEnum : int {
    adLockUnspecified = -1,
    adLockReadOnly = 1,
    adLockPessimistic = 2, // writes as optimistic
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4,
};
enum CursorLocationEnum : int { adUseServer = 2, adUseClient = 3 };
enum FilterGroupEnum : int { adFilterNone = 0, adFilterPendingRecords = 1 };
enum SearchDirectionEnum : int { adSearchBackward = -1, adSearchForward = 1 };
enum BookmarkEnum : int { adBookmarkCurrent = 0, adBookmarkFirst = 1, adBookmarkLast = 2 };
// AbsolutePosition without a current record.
enum PositionEnum : int { adPosBOF = -2, adPosEOF = -3 };

class Recordset : public GridRecordSource {
public:
    Recordset();
    ~Recordset() override;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // ----- Settings (made before Open) -----
    Connection* ActiveConnection() const;
    void SetActiveConnection(Connection* connection);
    int CursorLocation() const { return m_cursorLocation; }
    void SetCursorLocation(int location);
    int CursorType() const { return m_cursorType; }
    void SetCursorType(int type);
    int LockType() const { return m_lockType; }
    void SetLockType(int type);
    int CacheSize() const { return m_cacheSize; }
    void SetCacheSize(int records); // values below 1 are taken as 1

    // ----- Opening -----
    // source: a table name ("Customers", "[Customers]") or a query. Without a connection the
    // active one is used; unspecified types keep the settings.
    bool Open(const QString& source, Connection* connection = nullptr,
              int cursorType = adOpenUnspecified, int lockType = adLockUnspecified);
    void Close(); // pending changes are dropped
    bool IsOpen() const { return m_cursor != nullptr; }

    db::Fields& Fields() { return m_fields; }
    const db::Fields& Fields() const { return m_fields; }

    // ----- Position -----
    bool Bof() const;
    bool Eof() const override;
    bool MoveFirst() override;
    bool MoveNext() override;
    // 1-based; adPosBOF / adPosEOF without a current record. Forward-only recordsets count
    // the records they passed.
    int AbsolutePosition() const override;
    bool SetAbsolutePosition(int position);

    // ----- Changes -----
    bool Update();       // optimistic: writes the current record; batch: keeps it pending
    void CancelUpdate(); // the current record's changes not yet stored are undone
    bool UpdateBatch();  // every pending record, in one transaction
    int Filter() const { return m_filter; }
    bool SetFilter(int filter); // adFilterNone or adFilterPendingRecords; moves to the first

    // ----- Searching (FindCriterion.h) -----
    // From `start` (skipping skipRecords) in `direction`; no match leaves the recordset at
    // EOF (forward) or BOF (backward), which is no error.
    bool Find(const QString& criterion, int skipRecords = 0, int direction = adSearchForward,
              int start = adBookmarkCurrent);

    const Error& LastError() const { return m_error; }

private:
    friend class Field;
    struct PendingRecord {
        std::vector<Variant> original; // the record as read or last stored
        std::vector<bool> changed;
    };
    enum class At { Bof, Record, Eof };

    // GridRecordSource
    int FieldCount() const override { return m_fields.Count(); }
    QString FieldName(int field) const override;
    VarType FieldType(int field) const override;
    const Variant* RecordValues() const override { return m_values; }

    const Variant& FieldValue(int field) const; // Empty without a current record

    bool openOnServer(const std::shared_ptr<DatabaseHandle>& handle, const QString& source);
    bool makeFields(const std::shared_ptr<DatabaseHandle>& handle,
                    const std::vector<QString>& names,
                    const std::vector<std::optional<VarType>>& declared);
    bool stepsRecords() const;
    int heldCursorType() const;
    bool fail(Error error);
    bool failIfClosed();
    bool checkWritable();
    bool setFieldValue(int field, const Variant& value);
    const Variant& originalValue(int field) const;
    bool batchMode() const { return m_lockType == adLockBatchOptimistic; }
    bool forwardOnly() const;
    int viewCount() const; // -1 while unknown (forward-only)
    int recordOf(int viewIndex) const;
    int currentRecord() const { return recordOf(m_index); }
    bool goTo(int viewIndex); // -1 = BOF; past the end = EOF
    bool leaveRecord();       // stores the current record's changes under an optimistic lock
    bool storeRecord(int record);
    void rebuildView();

    // settings
    Connection* m_connection = nullptr;
    int m_cursorLocation = adUseServer;
    int m_cursorType = adOpenForwardOnly;
    int m_lockType = adLockReadOnly;
    int m_cacheSize = 1;

    // the open result
    std::shared_ptr<DatabaseHandle> m_handle;
    std::unique_ptr<RecordCursor> m_cursor;
    db::Fields m_fields;
    WriteTarget m_target; // its table is empty when the recordset is read-only

    // position and changes
    At m_at = At::Bof;
    int m_index = -1;
    Variant* m_values = nullptr; // the current record's values
    int m_filter = adFilterNone;
    std::vector<int> m_view; // the records the pending filter shows
    std::map<int, PendingRecord> m_pending;
    Error m_error;
};

} // namespace db
