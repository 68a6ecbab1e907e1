#pragma once
// An opt-in start-up trace: when OPTION_STARTUP_TRACE names a file, each stage appends one line
// with its time since process creation (ui/startup_trace_line.h). Unset, a stage costs one test.

// Notes a stage of start-up.
void TraceStartup(const char* stage);
// Notes the last stage and closes the trace: later calls write nothing.
void FinishStartupTrace(const char* stage);
