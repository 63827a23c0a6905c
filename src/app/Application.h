#pragma once

class QApplication;

// Runs Kerlanic in an application object that main() created.
int runKerlanic(QApplication& app);
