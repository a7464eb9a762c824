#include "library/common/assertion.h"

#include <ace/Log_Msg.h>

#include <cstring>

namespace common {

const char* SourceUnit(const char* file, char* buffer, unsigned long size)
{
    if (size == 0) {
        return buffer;
    }
    std::strncpy(buffer, file ? file : "", size - 1);
    buffer[size - 1] = '\0';
    char* dot = std::strrchr(buffer, '.');
    char* slash = std::strrchr(buffer, '/');
    if (dot && (!slash || dot > slash)) {
        *dot = '\0';
    }
    return buffer;
}

void ReportFailedAssertion(const char* file, int line, const char* condition)
{
    char unit[512];
    ACE_ERROR((LM_ERROR, ACE_TEXT("ASSERT: file %C, line %d assertion failed for '%C'.\n"),
               SourceUnit(file, unit, sizeof unit), line, condition));
}

}  // namespace common
