#pragma once

class Logbook;
struct Platform;

// What every window of the program is handed: the open log and the machine it runs on.
struct AppContext
{
    Logbook& logbook;
    Platform& platform;
};
