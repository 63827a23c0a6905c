#pragma once

class QApplication;
class QString;

// Runs Kerlanic in an application object that main() created.
int runKerlanic(QApplication& app);

// The same, on a folder already chosen and with the program already named (the benchmark starts
// the program this way on a log of its own).
int runKerlanicIn(QApplication& app, const QString& appDir);
