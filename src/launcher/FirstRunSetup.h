#pragma once

#include <QSqlDatabase>
#include <QString>
#include <exception>
#include <functional>
#include <optional>

// The first administrator of a new installation. The password is read from a file when
// the set-up is scripted, so it never shows in a process list.
struct AdminAccount {
    QString number;
    QString password;
};

// Why a set-up step failed, in words for the operator (with the driver's text).
class SetupError : public std::exception
{
public:
    explicit SetupError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

// Prepares a data folder for its first use: kilnbook.ini, the server database's schema,
// the first administrator and the workstation's local file. Every step may run again on
// a database that already has it, so a set-up that failed half-way is simply repeated.
// QELTA.ini remembers that the folder is prepared; it is written only after the last step.
class FirstRunSetup
{
public:
    explicit FirstRunSetup(const QString &dataDir);
    ~FirstRunSetup();
    FirstRunSetup(const FirstRunSetup &) = delete;
    FirstRunSetup &operator=(const FirstRunSetup &) = delete;

    static bool isInitialized(const QString &dataDir);
    static QString flagFile(const QString &dataDir);

    // What is wrong with an administrator's number or password; empty when nothing is.
    static QString adminProblem(const AdminAccount &admin);

    // Percent done, after each step.
    std::function<void(int)> onProgress;

    // All steps in order. The administrator is created only when no staff member holds
    // role A yet; askAdmin supplies one then (nullopt: the operator gave up). Returns
    // false when the operator gave up; throws SetupError when a step fails.
    bool run(const std::function<std::optional<AdminAccount>()> &askAdmin);

private:
    void prepareServer();
    bool needsAdministrator() const;
    void createAdministrator(const AdminAccount &admin);
    void prepareLocal();
    void markInitialized();
    void progress(int percent) const;

    QString m_dataDir;
    QSqlDatabase m_server;
};

// Reads an administrator password from a file (surrounding blanks and the line end are
// not part of it). Throws SetupError.
QString ReadAdminPasswordFile(const QString &file);
