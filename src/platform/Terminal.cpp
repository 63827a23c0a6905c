#include "platform/Terminal.h"

#include <QFile>

#ifdef Q_OS_WIN
// <windows.h> comes first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#else
#include <cstdio>
#endif

QStringList programArguments([[maybe_unused]] int argc, [[maybe_unused]] char* argv[])
{
    QStringList arguments;
#ifdef Q_OS_WIN
    // argv holds the ANSI code page; the wide command line keeps every character of a file name.
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; wide && i < count; ++i)
        arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
#else
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
#endif
    return arguments;
}

void writeToTerminal(const QString& text, TerminalStream stream)
{
#ifdef Q_OS_WIN
    // kerlanic.exe is built as a window program and has no console of its own: it borrows the one
    // it was started from, unless its output goes to a file or a pipe. A console takes the text as
    // UTF-16, a file or a pipe as UTF-8.
    HANDLE handle = GetStdHandle(stream == TerminalStream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (!handle || handle == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return;
        handle = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
            OPEN_EXISTING, 0, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return;
    }
    DWORD written = 0;
    if (WriteConsoleW(
            handle, reinterpret_cast<const wchar_t*>(text.utf16()), DWORD(text.size()), &written, nullptr))
        return;
    const QByteArray bytes = text.toUtf8();
    WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
#else
    FILE* out = stream == TerminalStream::Error ? stderr : stdout;
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    std::fflush(out);
#endif
}
