#pragma once

// Precondition checks that report and let the code go on.
//
// QUENLARK_ASSERT(condition) evaluates the condition once; when it is false it
// writes the source unit (the file's path below the project root, without its
// extension), the line and the condition text to the ACE log at error
// priority, and the program continues. The expression yields the condition's
// value so that the guard that follows can take a safe path:
//
//     if (!QUENLARK_ASSERT(!name.empty())) return;
//
// ACE's own assertion aborts the process, which the client must never do.

namespace common {

// Reports one failed assertion; `file` is __FILE__ as the compiler wrote it.
void ReportFailedAssertion(const char* file, int line, const char* condition);

// "library/network/message.cpp" -> "library/network/message".
const char* SourceUnit(const char* file, char* buffer, unsigned long size);

}  // namespace common

#define QUENLARK_ASSERT(condition) \
    (static_cast<bool>(condition) ? true : (::common::ReportFailedAssertion(__FILE__, __LINE__, #condition), false))
