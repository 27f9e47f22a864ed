#include "Transaction.h"

#include "DbError.h"
#include "Dialect.h"

#include <QSqlQuery>
#include <QThread>
#include <QRandomGenerator>

namespace {

void execOrThrow(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw DbError::fromSql(q.lastError(), sql);
}

} // namespace

Transaction::Transaction(const QSqlDatabase &db, Kind kind) : m_db(db)
{
    execOrThrow(m_db, kind == Kind::Write ? Dialect::beginWriteSql(m_db) : QStringLiteral("BEGIN"));
    m_active = true;
}

Transaction::~Transaction()
{
    rollback();
}

void Transaction::commit()
{
    if (!m_active)
        return;
    try {
        execOrThrow(m_db, QStringLiteral("COMMIT"));
        m_active = false;
    } catch (...) {
        rollback();
        throw;
    }
}

void Transaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("ROLLBACK"));
}

void RunInTransaction(const QSqlDatabase &db, const std::function<void()> &body, Retry retry,
                      int attempts)
{
    for (int attempt = 1;; ++attempt) {
        try {
            Transaction tx(db);
            body();
            tx.commit();
            return;
        } catch (const DbError &e) {
            const bool lostRace = e.isConcurrencyConflict() || e.isBusy()
                || (retry == Retry::OnNumberRace && e.isUniqueViolation());
            if (!lostRace || attempt >= attempts)
                throw;
            // Back off a little, with jitter, so the racers do not collide again.
            QThread::msleep(QRandomGenerator::global()->bounded(1, 5 + attempt * 5));
        }
    }
}
