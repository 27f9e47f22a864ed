#include "Passwords.h"

#include "DbError.h"
#include "Sql.h"
#include "Transaction.h"

#include <sodium.h>

namespace Passwords {

namespace {

void initSodium()
{
    static const bool ok = sodium_init() >= 0;
    if (!ok)
        throw DbError(QStringLiteral("密码库初始化失败"));
}

QString rtrimmed(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    return s.left(n);
}

Cost g_cost = Cost::Interactive;

} // namespace

void setCost(Cost cost)
{
    g_cost = cost;
}

QString hash(const QString &password)
{
    initSodium();
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    const bool minimal = g_cost == Cost::Minimal;
    if (crypto_pwhash_str(out, utf8.constData(), quint64(utf8.size()),
                          minimal ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          minimal ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw DbError(QStringLiteral("内存不足，无法保存密码"));
    return QString::fromLatin1(out);
}

bool isHash(const QString &stored)
{
    return stored.trimmed().startsWith(QLatin1String("$argon2"));
}

bool verify(const QString &stored, const QString &password)
{
    initSodium();
    const QByteArray h = stored.trimmed().toLatin1();
    if (!isHash(stored) || h.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray utf8 = password.toUtf8();
    return crypto_pwhash_str_verify(h.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}

int hashPlainTextPasswords(const QSqlDatabase &db)
{
    int changed = 0;
    RunInTransaction(db, [&] {
        changed = 0;
        QList<QPair<int, QString>> plain;
        QSqlQuery q = Sql::exec(db, QStringLiteral("SELECT ID, PSW FROM STAFF WHERE PSW IS NOT NULL"));
        while (q.next()) {
            const QString psw = q.value(1).toString();
            if (!isHash(psw))
                plain.append({q.value(0).toInt(), rtrimmed(psw)});
        }
        q.finish();
        for (const auto &[id, psw] : plain) {
            Sql::run(db, QStringLiteral("UPDATE STAFF SET PSW = :PSW WHERE ID = :ID"),
                     {{QStringLiteral("PSW"), hash(psw)}, {QStringLiteral("ID"), id}});
            ++changed;
        }
    });
    return changed;
}

} // namespace Passwords
