#pragma once

struct CommandLine;

// export-adif and import-adif from a terminal or a cron job: no display, the user's own settings
// and the program's folder, the answer printed in French. Returns the exit status.
int runAdifOnTerminal(const CommandLine& line, int argc, char* argv[]);
