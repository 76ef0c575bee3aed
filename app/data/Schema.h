#pragma once
// The database schema of the system and the creation of a new database
// file from it.

#include <QByteArray>
#include <QString>

namespace sono::data {

// The schema script (interactive SQL tool syntax, without CREATE DATABASE).
QByteArray schemaScript();

// Creates a new database at `connection` (a local path or host:path) with
// the data module's user and password, SQL dialect 1, and runs the schema.
// `config` is passed to the connection (e.g. "Providers=Engine12").
// Raises sono::fb::FbError.
void createDatabase(const QString& connection, const QString& config = {});

}  // namespace sono::data
