#include "HouseStyle.h"
#include "Launcher.h"
#include "MessageBoxPresenter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The same names as kilnbook, so both find the same default data folder.
    QApplication::setApplicationName(QStringLiteral("Kilnbook"));
    HouseStyle::apply(app);
    MessageBoxPresenter::install();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prepares a new data folder once, then starts Kilnbook."));
    parser.addHelpOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("The data folder."), QStringLiteral("DIR"));
    const QCommandLineOption adminNumber(QStringLiteral("admin-number"),
                                         QStringLiteral("Staff number of the first administrator."), QStringLiteral("N"));
    const QCommandLineOption adminPasswordFile(QStringLiteral("admin-password-file"),
                                               QStringLiteral("File holding the first administrator's password."),
                                               QStringLiteral("FILE"));
    parser.addOptions({dataDir, adminNumber, adminPasswordFile});
    parser.process(app);

    LaunchOptions options;
    options.dataDir = parser.isSet(dataDir) ? QDir(parser.value(dataDir)).absolutePath()
                                            : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    options.program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kilnbook"));
    options.adminNumber = parser.value(adminNumber);
    options.adminPasswordFile = parser.value(adminPasswordFile);
    return Launch(options);
}
