#pragma once

#include <QString>

// What one start of the launcher works with. adminNumber and adminPasswordFile script
// the first administrator; without both the window asks for it.
struct LaunchOptions {
    QString dataDir;
    QString program; // the main program, started with --data-dir of the same folder
    QString adminNumber;
    QString adminPasswordFile;
};

// Prepares the data folder unless QELTA.ini says it is prepared, then starts the program.
// Returns the process exit code: 0 when the program was started; otherwise the reason
// has been shown with MsgBox and the next start prepares again.
int Launch(const LaunchOptions &options);

// Starts the program detached with --data-dir DIR. Reports a failure with MsgBox.
bool StartProgram(const QString &program, const QString &dataDir);
