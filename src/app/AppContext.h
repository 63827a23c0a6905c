#pragma once

struct ProgramState;
struct Platform;

// What every window and controller of the program is handed: the shared state and the platform.
struct AppContext
{
    ProgramState& state;
    Platform& platform;
};
