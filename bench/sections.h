#pragma once

#include <cstdint>

// Each section prints its own table. The window sections need a QApplication;
// the process sections launch this executable again in child mode.
void benchPaste();
void benchTyping();
void benchJudgement();
void benchStartup();
void benchInstructions();
void benchMemory();

// Child mode:  kalvemo_bench --child form|content|bare|text startup|instructions|memory LAUNCH_NS
//              kalvemo_bench --child form|content|bare|text picture OUT.png
// Shows one window and prints, on one line, the nanoseconds from LAUNCH_NS
// (the parent's CLOCK_MONOTONIC just before it started this process) and from
// main() entry until the first paint pass has finished, then the peak RSS in
// KiB. "startup" quits right after that paint, "instructions" ends the process
// there without tearing anything down; "memory" first keeps the window running
// for a moment; "picture" saves the painted window to OUT.png.
int runChild(int &argc, char *argv[], std::int64_t mainEntryNs);
