// Kilnbook: start picture, data module, hidden main window, login, then the work.
#include "AppOpeners.h"
#include "Connections.h"
#include "DataModule.h"
#include "DbError.h"
#include "HouseStyle.h"
#include "MessageBoxPresenter.h"
#include "MsgBox.h"
#include "frmLogin.h"
#include "frmMain.h"
#include "frmSplash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kilnbook"));

    QCommandLineParser args;
    args.addHelpOption();
    args.addOption({QStringLiteral("data-dir"), QStringLiteral("数据文件夹"), QStringLiteral("DIR")});
    args.process(app);
    if (args.isSet(QStringLiteral("data-dir")))
        DataFolder::setPath(args.value(QStringLiteral("data-dir")));

    HouseStyle::apply(app);
    MessageBoxPresenter::install();

    auto *splash = new TfrmSplash;
    splash->show();
    splash->repaint();
    {
        // The start picture stays 2 s; it keeps painting but takes no input.
        QEventLoop wait;
        QTimer::singleShot(2000, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }

    TDM dm;
    // The local file is needed in both modes; a server that cannot be opened now is
    // tried again at login, so a shop can still work offline.
    try {
        dm.OpenLocal();
    } catch (const DbError &e) {
        delete splash;
        MsgBox(mbError, e.text());
        return 1;
    }
    QString serverError;
    try {
        dm.OpenServer();
    } catch (const DbError &e) {
        serverError = e.text();
    }

    TfrmMain main;
    WireOpeners(main);
    delete splash;
    if (!serverError.isEmpty())
        MsgBox(mbError, serverError);

    if (!RunLogin(&main))
        return 0;
    main.applyLogin();
    main.showMaximized();
    return app.exec();
}
