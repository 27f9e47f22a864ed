#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>

// Moving data between the server and the workstation's local file: local sales and
// order bills go up under new server numbers, base data comes down.

// Copies the local bill of a kind ("BILLSELL" or "BILLORDER") to the server under a new
// server number, header and lines in one server transaction, with " 原单机版单号：" and
// the local number added to the remark. Only after the server has committed is the
// local copy deleted and the local counter set to the local number (one local
// transaction). The bill's LOCALID makes a repeated upload harmless: when the server
// already holds it, nothing is copied again, the local copy is removed and the server
// number returned. Returns "" when the local bill does not exist. Throws DbError; a
// failure leaves the server without any part of the bill and the local bill whole.
QString UploadLocalBill(const QSqlDatabase &server, const QSqlDatabase &local, const QString &kind,
                        const QString &localNo);

// Uploads every local sales bill, then every local order bill, in batches: on a SQLite
// server a batch is one transaction, on PostgreSQL each bill is; the local copies of a
// batch go in one local transaction. False as soon as a bill cannot be found again.
// Throws DbError as UploadLocalBill does; bills committed before the failure stay
// uploaded and leave the local file.
bool UploadAllLocalBills(const QSqlDatabase &server, const QSqlDatabase &local);

// Replaces one base-data table of the local file (CUSTOMER, DEPT, PLACE, PRODSTOCK,
// PRODUCT, STAFF, STORE; any letter case) with the server's rows, in one local
// transaction. progress(done, total) is called as rows are copied. Any failure rolls
// back, keeping the previous copy whole, and gives false.
bool SyncBaseData(const QSqlDatabase &server, const QSqlDatabase &local, const QString &table,
                  const std::function<void(int done, int total)> &progress = {});
