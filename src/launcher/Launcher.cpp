#include "Launcher.h"

#include "FirstRunSetup.h"
#include "Form1.h"
#include "MsgBox.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

bool StartProgram(const QString &program, const QString &dataDir)
{
    if (!QFileInfo(program).isExecutable()) {
        MsgBox(mbError, QStringLiteral("找不到程序 %1").arg(program));
        return false;
    }
    if (!QProcess::startDetached(program, {QStringLiteral("--data-dir"), QDir(dataDir).absolutePath()})) {
        MsgBox(mbError, QStringLiteral("无法启动程序 %1").arg(program));
        return false;
    }
    return true;
}

int Launch(const LaunchOptions &options)
{
    if (!FirstRunSetup::isInitialized(options.dataDir)) {
        TForm1 form;
        form.show();
        if (!form.prepare(options))
            return 1;
        form.close();
    }
    return StartProgram(options.program, options.dataDir) ? 0 : 2;
}
