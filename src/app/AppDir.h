#pragma once

#include <QString>
#include <QStringList>

// The program keeps all its files in one folder: the folder of the executable, or, for an
// installed copy or when that folder cannot be written, the user's data folder.
QString chooseAppDir(const QString& executableDir, const QString& userDataDir);

// What the user must be told when the program's own folder holds station logs but Kerlanic works in
// another folder (the program's folder has become read-only): the logs there are not the ones
// shown, and nothing typed reaches them. Empty when there is nothing to tell.
QString logsLeftAsideMessage(const QString& executableDir, const QString& appDir);

// Names the running program as the system knows it (its data folder, its settings) and gives the
// folder chooseAppDir() picks for it. The window and the commands of the terminal use the same.
QString nameProgramAndChooseAppDir();

// Whether the file at path is one Kerlanic keeps: a station log or a backup of one (wherever it
// is), or in appDir a shipped file, the lock, a scratch file or a program. A file the user has the
// program write (an export, a summary) must never replace one of these: Qt's "replace?" question
// does not tell a log from an old export.
bool isKeptByKerlanic(const QString& path, const QString& appDir);

// Writes into dir, each whole or not at all, every file shipped under the resource folder
// ":/shipped" that dir lacks or holds empty. Any other existing file is never touched: it may be
// a log or a list the user has kept for years. Returns the names that could not be written.
QStringList installShippedFiles(const QString& dir);
