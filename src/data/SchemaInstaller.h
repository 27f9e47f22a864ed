#pragma once

#include <QSqlDatabase>

// Creates and upgrades the schema of the server database and of the local file.
// Each version is one numbered step; SCHEMAVERSION records the steps applied, so a
// later release adds a step and every existing database catches up on first open.
namespace SchemaInstaller {

enum class Target { Server, Local };

int currentVersion();

// Installed version, 0 for an empty database. Throws DbError.
int version(const QSqlDatabase &db);

// Applies the missing steps, each in its own transaction; returns the version reached.
// Throws DbError and leaves the database at the last complete step.
int install(const QSqlDatabase &db, Target target);

} // namespace SchemaInstaller
