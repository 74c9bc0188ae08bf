#pragma once
// How the database windows tell the user that a database call failed: an error box with
// what the window was doing and the database's own words. The window goes on working.

namespace db {
struct Error;
}
class QString;

void ShowDatabaseError(const QString& doing, const db::Error& error);
